#include "history/lvbmudetail.h"

#include "history/codetables.h"
#include "history/recordfields.h"

namespace {

const CodeText bmuStates[] = {
    {0, "| System Status:BMU_INIT |"},          {1, "| System Status:BMU_SELFCHECK |"},
    {2, "| System Status:BMU_LOADPARAMETER |"}, {3, "| System Status:BMU_PRECHARGE |"},
    {4, "| System Status:BMU_POLICY |"},        {5, "| System Status:BMU_FAULT |"},
    {6, "| System Status:BMU_WAIT |"},          {7, "| System Status:BMU_SHUTDOWN |"},
};

const BitTexts warningBits = {
    "Battery over voltage;",     "Battery under voltage;",
    "Cell over voltage;",        "Cell under voltage;",
    "V-sensor failure;",         "T-sensor failure;",
    "Cell discharge Temp-High;", "Cell discharge Temp-Low;",
    "Cell charge Temp-High;",    "Cell charge Temp-Low;",
    "Discharging over current;", "Charging over current;",
    "Main circuit failure;",     "Short circuit;",
    "Cells imbalance;",          "I-sensor failure;",
};

const CodeText shutdownReasons[] = {
    {1, "| Shutdown by pressing LED button. |"},
    {2, "| Shutdown due to Low SOC. |"},
    {3, "| Inverter no respond. |"},
    {4, "| Shutdown due to Warning level4. |"},
};

constexpr int WarningLevel4Shutdown = 4;

const CodeText level4Causes[] = {
    {1, "| Cell voltage High |"},       {2, "| Cell voltage low |"},
    {3, "| Discharging Temp. High |"},  {4, "| Discharging Temp. low |"},
    {5, "| Charging Temp. High |"},     {6, "| Charging Temp. low |"},
    {7, "| Discharging Overcurrent |"}, {8, "| Charging Overcurrent |"},
};

const CodeText updatingSections[] = {
    {0, "| Updating Section A |"},
    {1, "| Updating Section B |"},
};

// The update codes name their unit by a letter in d[0]: "S" the BMS, "U" the BMU.
struct UnitTexts {
    int code;
    const char* bms;
    const char* bmu;
};

const UnitTexts unitTexts[] = {
    {101, "| BMS Update |", "| BMU Update |"},
    {102, "| BMS Update finish |", "| BMU Update finish |"},
    {103, "| BMS Update failure |", "| BMU Update failure |"},
    {105, "| BMS Updating |", "| BMU Updating |"},
    {120, "| BMS P-T Updating done |", "| BMU P-T Updating done |"},
};

const char NotDefined[] = "| Not defined |";

QString unitText(int code, quint8 letter) {
    for (const UnitTexts& row : unitTexts) {
        if (row.code != code)
            continue;
        if (letter == 'S')
            return QString::fromLatin1(row.bms);
        if (letter == 'U')
            return QString::fromLatin1(row.bmu);
    }
    return QString::fromLatin1(NotDefined);
}

QString shutdown(const RecordFields& d) {
    QString text = codeText(shutdownReasons, d.b(0), "| Not defined. |");
    if (d.b(0) == WarningLevel4Shutdown)
        text += codeText(level4Causes, d.b(1), "");
    return text;
}

QString warningWord(int number, quint16 word) {
    if (word == 0)
        return QStringLiteral("| No warning%1 |").arg(number);
    return QStringLiteral("| Warning%1:").arg(number) + joinSetBits(word, warningBits) +
           QStringLiteral(" |");
}

} // namespace

QString lvBmuSnapshot(const QByteArray& data) {
    const RecordFields d{data, ByteOrder::LittleEndian};
    // d[4], the state of health, is not part of the text.
    return codeText(bmuStates, d.b(0), NotDefined) +
           fillText("| Environment_Temp_Min:%1℃ |", d.b(1)) +
           fillText("| Environment_Temp_Max:%1℃ |", d.b(2)) + fillText("| SOC:%1% |", d.b(3)) +
           fillText("| Battery Total Voltage:%1V |", d.tenths(7)) +
           fillText("| Output Voltage:%1V |", d.tenths(21)) +
           // Current in tenths of an ampere, signed.
           fillText("| Current:%1A |", d.signedTenths(5)) + fillText("| Cell_HV:%1mV |", d.w(9)) +
           fillText("| Cell_LV:%1mV |", d.w(11)) + fillText("| Battery_Temp_Max:%1℃ |", d.b(13)) +
           fillText("| Battery_Temp_Min:%1℃ |", d.b(14)) + warningWord(1, quint16(d.w(15))) +
           warningWord(2, quint16(d.w(17))) + warningWord(3, quint16(d.w(19)));
}

QString lvBmuDetail(int code, const QByteArray& data) {
    if (data.isEmpty())
        return {};
    const RecordFields d{data, ByteOrder::LittleEndian};
    switch (code) {
    case 0:
        return fillText("| Running Version:%1 |", d.version(0, 1));
    case 1:
        return shutdown(d);
    case 2:
    case 112:
    case 116:
    case 118:
        return lvBmuSnapshot(data);
    case 5:
        return QStringLiteral(" | Stop Charging |");
    case 101:
        return unitText(code, d.b(0)) + codeText(updatingSections, d.b(1), "") +
               fillText("| F/W Version:%1 |", d.version(2, 3));
    case 102:
        return unitText(code, d.b(0));
    case 103:
        return unitText(code, d.b(0)) + codeText(updatingSections, d.b(1), "");
    case 104:
        return codeText(updatingSections, d.b(0), "") +
               fillText("| F/W Version:%1 |", d.version(1, 2));
    case 105:
        return unitText(code, d.b(0)) + fillText("| P/T Version:%1 |", d.version(1, 2)) +
               fillText("| P/T No.%1 table updating |", d.b(3));
    case 106:
    case 111:
    case 113:
    case 114:
    case 115:
    case 117:
        return QStringLiteral("No record data");
    case 120:
        return unitText(code, d.b(0)) + fillText("| P/T Version:%1 |", d.version(1, 2));
    default:
        return QString::fromLatin1(NotDefined);
    }
}
