#include "history/lvbmudetail.h"

#include "history/codetables.h"
#include "history/recordfields.h"

namespace {

const CodeText bmuStates[] = {
    {0, QT_TRANSLATE_NOOP("History", "| System Status:BMU_INIT |")},
    {1, QT_TRANSLATE_NOOP("History", "| System Status:BMU_SELFCHECK |")},
    {2, QT_TRANSLATE_NOOP("History", "| System Status:BMU_LOADPARAMETER |")},
    {3, QT_TRANSLATE_NOOP("History", "| System Status:BMU_PRECHARGE |")},
    {4, QT_TRANSLATE_NOOP("History", "| System Status:BMU_POLICY |")},
    {5, QT_TRANSLATE_NOOP("History", "| System Status:BMU_FAULT |")},
    {6, QT_TRANSLATE_NOOP("History", "| System Status:BMU_WAIT |")},
    {7, QT_TRANSLATE_NOOP("History", "| System Status:BMU_SHUTDOWN |")},
};

const BitTexts warningBits = {
    QT_TRANSLATE_NOOP("History", "Battery over voltage;"),
    QT_TRANSLATE_NOOP("History", "Battery under voltage;"),
    QT_TRANSLATE_NOOP("History", "Cell over voltage;"),
    QT_TRANSLATE_NOOP("History", "Cell under voltage;"),
    QT_TRANSLATE_NOOP("History", "V-sensor failure;"),
    QT_TRANSLATE_NOOP("History", "T-sensor failure;"),
    QT_TRANSLATE_NOOP("History", "Cell discharge Temp-High;"),
    QT_TRANSLATE_NOOP("History", "Cell discharge Temp-Low;"),
    QT_TRANSLATE_NOOP("History", "Cell charge Temp-High;"),
    QT_TRANSLATE_NOOP("History", "Cell charge Temp-Low;"),
    QT_TRANSLATE_NOOP("History", "Discharging over current;"),
    QT_TRANSLATE_NOOP("History", "Charging over current;"),
    QT_TRANSLATE_NOOP("History", "Main circuit failure;"),
    QT_TRANSLATE_NOOP("History", "Short circuit;"),
    QT_TRANSLATE_NOOP("History", "Cells imbalance;"),
    QT_TRANSLATE_NOOP("History", "I-sensor failure;"),
};

const CodeText shutdownReasons[] = {
    {1, QT_TRANSLATE_NOOP("History", "| Shutdown by pressing LED button. |")},
    {2, QT_TRANSLATE_NOOP("History", "| Shutdown due to Low SOC. |")},
    {3, QT_TRANSLATE_NOOP("History", "| Inverter no respond. |")},
    {4, QT_TRANSLATE_NOOP("History", "| Shutdown due to Warning level4. |")},
};

constexpr int WarningLevel4Shutdown = 4;

const CodeText level4Causes[] = {
    {1, QT_TRANSLATE_NOOP("History", "| Cell voltage High |")},
    {2, QT_TRANSLATE_NOOP("History", "| Cell voltage low |")},
    {3, QT_TRANSLATE_NOOP("History", "| Discharging Temp. High |")},
    {4, QT_TRANSLATE_NOOP("History", "| Discharging Temp. low |")},
    {5, QT_TRANSLATE_NOOP("History", "| Charging Temp. High |")},
    {6, QT_TRANSLATE_NOOP("History", "| Charging Temp. low |")},
    {7, QT_TRANSLATE_NOOP("History", "| Discharging Overcurrent |")},
    {8, QT_TRANSLATE_NOOP("History", "| Charging Overcurrent |")},
};

const CodeText updatingSections[] = {
    {0, QT_TRANSLATE_NOOP("History", "| Updating Section A |")},
    {1, QT_TRANSLATE_NOOP("History", "| Updating Section B |")},
};

// The update codes name their unit by a letter in d[0]: "S" the BMS, "U" the BMU.
struct UnitTexts {
    int code;
    const char* bms;
    const char* bmu;
};

const UnitTexts unitTexts[] = {
    {101, QT_TRANSLATE_NOOP("History", "| BMS Update |"),
     QT_TRANSLATE_NOOP("History", "| BMU Update |")},
    {102, QT_TRANSLATE_NOOP("History", "| BMS Update finish |"),
     QT_TRANSLATE_NOOP("History", "| BMU Update finish |")},
    {103, QT_TRANSLATE_NOOP("History", "| BMS Update failure |"),
     QT_TRANSLATE_NOOP("History", "| BMU Update failure |")},
    {105, QT_TRANSLATE_NOOP("History", "| BMS Updating |"),
     QT_TRANSLATE_NOOP("History", "| BMU Updating |")},
    {120, QT_TRANSLATE_NOOP("History", "| BMS P-T Updating done |"),
     QT_TRANSLATE_NOOP("History", "| BMU P-T Updating done |")},
};

const char NotDefined[] = QT_TRANSLATE_NOOP("History", "| Not defined |");

QString unitText(int code, quint8 letter) {
    for (const UnitTexts& row : unitTexts) {
        if (row.code != code)
            continue;
        if (letter == 'S')
            return historyText(row.bms);
        if (letter == 'U')
            return historyText(row.bmu);
    }
    return historyText(NotDefined);
}

QString shutdown(const RecordFields& d) {
    QString text =
        codeText(shutdownReasons, d.b(0), QT_TRANSLATE_NOOP("History", "| Not defined. |"));
    if (d.b(0) == WarningLevel4Shutdown)
        text += codeText(level4Causes, d.b(1), "");
    return text;
}

QString warningWord(int number, quint16 word) {
    if (word == 0)
        return historyText(QT_TRANSLATE_NOOP("History", "| No warning%1 |")).arg(number);
    return historyText(QT_TRANSLATE_NOOP("History", "| Warning%1:")).arg(number) +
           joinSetBits(word, warningBits) + QStringLiteral(" |");
}

} // namespace

QString lvBmuSnapshot(const QByteArray& data) {
    const RecordFields d{data, ByteOrder::LittleEndian};
    // d[4], the state of health, is not part of the text.
    return codeText(bmuStates, d.b(0), NotDefined) +
           fillText(QT_TRANSLATE_NOOP("History", "| Environment_Temp_Min:%1℃ |"), d.b(1)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Environment_Temp_Max:%1℃ |"), d.b(2)) +
           fillText(QT_TRANSLATE_NOOP("History", "| SOC:%1% |"), d.b(3)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Battery Total Voltage:%1V |"), d.tenths(7)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Output Voltage:%1V |"), d.tenths(21)) +
           // Current in tenths of an ampere, signed.
           fillText(QT_TRANSLATE_NOOP("History", "| Current:%1A |"), d.signedTenths(5)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Cell_HV:%1mV |"), d.w(9)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Cell_LV:%1mV |"), d.w(11)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Battery_Temp_Max:%1℃ |"), d.b(13)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Battery_Temp_Min:%1℃ |"), d.b(14)) +
           warningWord(1, quint16(d.w(15))) + warningWord(2, quint16(d.w(17))) +
           warningWord(3, quint16(d.w(19)));
}

QString lvBmuDetail(int code, const QByteArray& data) {
    if (data.isEmpty())
        return {};
    const RecordFields d{data, ByteOrder::LittleEndian};
    switch (code) {
    case 0:
        return fillText(QT_TRANSLATE_NOOP("History", "| Running Version:%1 |"), d.version(0, 1));
    case 1:
        return shutdown(d);
    case 2:
    case 112:
    case 116:
    case 118:
        return lvBmuSnapshot(data);
    case 5:
        return historyText(QT_TRANSLATE_NOOP("History", " | Stop Charging |"));
    case 101:
        return unitText(code, d.b(0)) + codeText(updatingSections, d.b(1), "") +
               fillText(QT_TRANSLATE_NOOP("History", "| F/W Version:%1 |"), d.version(2, 3));
    case 102:
        return unitText(code, d.b(0));
    case 103:
        return unitText(code, d.b(0)) + codeText(updatingSections, d.b(1), "");
    case 104:
        return codeText(updatingSections, d.b(0), "") +
               fillText(QT_TRANSLATE_NOOP("History", "| F/W Version:%1 |"), d.version(1, 2));
    case 105:
        return unitText(code, d.b(0)) +
               fillText(QT_TRANSLATE_NOOP("History", "| P/T Version:%1 |"), d.version(1, 2)) +
               fillText(QT_TRANSLATE_NOOP("History", "| P/T No.%1 table updating |"), d.b(3));
    case 106:
    case 111:
    case 113:
    case 114:
    case 115:
    case 117:
        return historyText(QT_TRANSLATE_NOOP("History", "No record data"));
    case 120:
        return unitText(code, d.b(0)) +
               fillText(QT_TRANSLATE_NOOP("History", "| P/T Version:%1 |"), d.version(1, 2));
    default:
        return historyText(NotDefined);
    }
}
