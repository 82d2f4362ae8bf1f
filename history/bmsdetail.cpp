#include "history/bmsdetail.h"

#include "history/batteryfamily.h"
#include "history/bmsevents.h"
#include "history/codetables.h"
#include "history/recordfields.h"

namespace {

// The translation names bit 14 of the warning words differently from the live log.
const BitTexts& translationWarningBits() {
    static const BitTexts texts = [] {
        BitTexts t = bmsWarningBits;
        t[14] = QT_TRANSLATE_NOOP("History", "Interlock switch Abnormal;");
        return t;
    }();
    return texts;
}

struct SwitchTexts {
    const char* on;
    const char* off;
};

// Switch bits of d[8], bit 0 first.
const SwitchTexts switchBits[] = {
    {QT_TRANSLATE_NOOP("History", "| Charge Mos_Switch is on; |"),
     QT_TRANSLATE_NOOP("History", "| Charge Mos_Switch is off; |")},
    {QT_TRANSLATE_NOOP("History", "| DisCharge Mos_Switch is on; |"),
     QT_TRANSLATE_NOOP("History", "| DisCharge Mos_Switch is off; |")},
    {QT_TRANSLATE_NOOP("History", "| PreCharge Mos_Switch is on; |"),
     QT_TRANSLATE_NOOP("History", "| PreCharge Mos_Switch is off; |")},
    {QT_TRANSLATE_NOOP("History", "| Relay is on; |"),
     QT_TRANSLATE_NOOP("History", "| Relay is off; |")},
    {QT_TRANSLATE_NOOP("History", "| Air Switch is on; |"),
     QT_TRANSLATE_NOOP("History", "| Air Switch is off; |")},
    {QT_TRANSLATE_NOOP("History", "| PreCharge_2 Mos_Switch is on; |"),
     QT_TRANSLATE_NOOP("History", "| PreCharge_2 Mos_Switch is off; |")},
};
const int hvShownSwitches[] = {3, 4};
const int otherShownSwitches[] = {0, 1, 3};

const CodeText batteryStates[] = {
    {0, QT_TRANSLATE_NOOP("History", "Battery Idling")},
    {1, QT_TRANSLATE_NOOP("History", "Battery Charging")},
    {2, QT_TRANSLATE_NOOP("History", "Battery DisCharging")},
};

const CodeText lvPowerOffReasons[] = {
    {0, QT_TRANSLATE_NOOP("History", "BMU requires to Power off")},
    {1, QT_TRANSLATE_NOOP("History", "Press BMS LED to Power off")},
    {2, QT_TRANSLATE_NOOP("History", "Power off due to communication failed with BMU")},
    {3, QT_TRANSLATE_NOOP("History", "BMS off due to battery UnderVoltage")},
};

const CodeText hvPowerOffReasons[] = {
    {1, QT_TRANSLATE_NOOP("History", "Press BMS LED button to Switch off")},
    {2, QT_TRANSLATE_NOOP("History", "BMU requires to switch off")},
    {3, QT_TRANSLATE_NOOP("History", "BMU Power off And communication between BMU and BMS failed")},
    {4, QT_TRANSLATE_NOOP("History", "Power off while communication failed(after 30 minutes)")},
};

const BitTexts bmuFunctionalSafetyBits = {
    QT_TRANSLATE_NOOP("History", "Cells Over Voltage;"),
    QT_TRANSLATE_NOOP("History", "Cells Under Voltage;"),
    QT_TRANSLATE_NOOP("History", "Cells Over Temperature;"),
    QT_TRANSLATE_NOOP("History", "Cells Under Temperature;"),
    QT_TRANSLATE_NOOP("History", "Voltage Sampling cable off;"),
    QT_TRANSLATE_NOOP("History", "Temperature Sampling cable off;"),
    QT_TRANSLATE_NOOP("History", "Pack Voltage too High;"),
    QT_TRANSLATE_NOOP("History", "Over Current;"),
    QT_TRANSLATE_NOOP("History", "BMS Heartbeat Abnormal;"),
    QT_TRANSLATE_NOOP("History", "Main Circuit Fault;"),
    QT_TRANSLATE_NOOP("History", "No responding for cells Sampling from BMS;"),
    QT_TRANSLATE_NOOP("History",
                      "The PACK voltage differs too much from the accumulator voltage of cells;"),
    "",
    "",
    "",
    "",
};

const BitTexts bmsFunctionalSafetyBits = {
    QT_TRANSLATE_NOOP("History", "0# register Overtime;"),
    QT_TRANSLATE_NOOP("History", "BMU heartbeat Abnormal;"),
    QT_TRANSLATE_NOOP("History", "BMU Cells Sampling occupancy anomaly;"),
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
};

// Column positions within the texts (0 is "Warning 1").
constexpr int TextColumns = 14;
constexpr int SocColumn = 5;
constexpr int SohColumn = 6;
constexpr int CurrentColumn = 9;
constexpr int CellMaxVColumn = 10;
constexpr int CellMinVColumn = 11;
constexpr int CellMaxTColumn = 12;

bool isHv(const QString& family) {
    return family == QLatin1String(LumenoHv);
}

bool isLv(const QString& family) {
    return family == QLatin1String(LumenoLv);
}

QString wordText(quint16 word, const BitTexts& bits) {
    return word == 0 ? historyText(QT_TRANSLATE_NOOP("History", "None")) : joinSetBits(word, bits);
}

QStringList blankTexts(int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString();
    return texts;
}

// The fourteen texts of the measurement snapshot, "Warning 1" to "Cell_Min_T(℃)".
QStringList snapshotTexts(const RecordFields& d, const QString& family) {
    const BmsWarningTexts warnings = bmsWarningTexts(d.bytes);
    return {warnings.warning1,
            warnings.warning2,
            warnings.warning3,
            warnings.fault,
            bmsSwitchText(quint8(d.b(8)), family),
            fillText("%1%", d.b(9)),
            fillText("%1%", d.b(10)),
            d.tenths(11),
            d.tenths(13),
            d.signedTenths(15), // tenths of an ampere, signed
            QString::number(d.w(17)),
            QString::number(d.w(19)),
            QString::number(d.b(21)),
            QString::number(d.b(22))};
}

QStringList runningFirmware(const RecordFields& d) {
    return {historyText(d.b(2) == 0 ? QT_TRANSLATE_NOOP("History", "Runing Section:A")
                                    : QT_TRANSLATE_NOOP("History", "Runing Section:B")),
            fillText(QT_TRANSLATE_NOOP("History", "FW version:%1"), d.version(5, 4))};
}

QStringList powerOff(const RecordFields& d, const QString& family) {
    QString reason;
    if (isHv(family))
        reason = codeText(hvPowerOffReasons, d.b(1), QT_TRANSLATE_NOOP("History", "Not defined"));
    else if (isLv(family))
        reason = codeText(lvPowerOffReasons, d.b(0), QT_TRANSLATE_NOOP("History", "Not defined"));
    return QStringList{reason} + runningFirmware(d);
}

// Balancing records carry cell voltages: the high-voltage family one word at d[21..22],
// the low-voltage family the highest and lowest at d[0..1] and d[2..3].
QStringList balancing(const RecordFields& d, bool hvLayout) {
    QStringList texts = blankTexts(TextColumns);
    if (hvLayout) {
        texts[CellMinVColumn] = QString::number(d.w(21));
    } else {
        texts[CellMaxVColumn] = QString::number(d.w(0));
        texts[CellMinVColumn] = QString::number(d.w(2));
    }
    return texts;
}

QStringList functionalSafety(const RecordFields& d) {
    const quint16 bmuWord = quint16(d.w(0));
    return {fillText(QT_TRANSLATE_NOOP("History", "BMU serial port V%1"), d.b(9)),
            fillText(QT_TRANSLATE_NOOP("History", "BMS serial port V%1"), d.b(10)),
            bmuWord == 0
                ? historyText(QT_TRANSLATE_NOOP("History", "BMU functional safety normal"))
                : historyText(QT_TRANSLATE_NOOP("History", "BMU functional safety fault code:")) +
                      joinSetBits(bmuWord, bmuFunctionalSafetyBits),
            historyText(QT_TRANSLATE_NOOP("History", "BMS functional safety fault code:")) +
                joinSetBits(quint16(d.w(2)), bmsFunctionalSafetyBits)};
}

// Additional information of an events record: the snapshot layout with the cell numbers
// of the extremes (d[17..20]) in the cell columns, and the faulted module (d[21]) and the
// module whose BIC failed (d[15]) in "Remarks" while the fault word is set.
QStringList additionalInfo(const RecordFields& d, const QString& family) {
    QStringList texts = snapshotTexts(d, family);
    texts[CurrentColumn] = QStringLiteral(" ");
    for (int i = 0; i < 4; ++i)
        texts[CellMaxVColumn + i] =
            fillText(QT_TRANSLATE_NOOP("History", "Cell NO.%1"), d.b(17 + i));
    texts << (d.w(6) == 0
                  ? QString()
                  : fillText(QT_TRANSLATE_NOOP("History", "%1# Module Faulted"), d.b(21)) +
                        QLatin1Char(' ') +
                        fillText(QT_TRANSLATE_NOOP("History", "%1# Module BIC fault"), d.b(15)));
    return texts;
}

QStringList currentCalibration(const RecordFields& d) {
    QStringList texts{fillText(QT_TRANSLATE_NOOP("History", "TempH:%1℃"), d.b(0)),
                      fillText(QT_TRANSLATE_NOOP("History", "TempL:%1℃"), d.b(1))};
    for (int i = 0; i < 4; ++i)
        texts << historyText(QT_TRANSLATE_NOOP("History", "Charge I%1:%2A"))
                     .arg(i + 1)
                     .arg(d.w(2 + 2 * i));
    texts << fillText(QT_TRANSLATE_NOOP("History", "DisCharge I1:%1A"), d.w(10));
    return texts;
}

QString targetArea(const RecordFields& d, bool lvMarker) {
    // The low-voltage family also marks area A with 0xAA.
    const bool areaA = d.b(0) == 0 || (lvMarker && d.b(0) == 0xAA);
    return historyText(areaA ? QT_TRANSLATE_NOOP("History", "Target Area:A")
                             : QT_TRANSLATE_NOOP("History", "Target Area:B"));
}

QStringList firmwareUpdate(const RecordFields& d, const QString& family, const char* before,
                           const char* after) {
    if (isHv(family))
        return {targetArea(d, false), fillText(before, d.version(2, 1)),
                fillText(after, d.version(4, 3))};
    if (isLv(family))
        return {targetArea(d, true),
                fillText(QT_TRANSLATE_NOOP("History", "Current Version: %1"), d.version(3, 2))};
    return {};
}

QStringList placed(int column, const QString& first, const QString& second) {
    QStringList texts = blankTexts(TextColumns);
    texts[column] = first;
    texts[column + 1] = second;
    return texts;
}

} // namespace

BmsWarningTexts bmsWarningTexts(const QByteArray& data) {
    const RecordFields d{data, ByteOrder::LittleEndian};
    const quint16 w1 = quint16(d.w(0)), w2 = quint16(d.w(2)), w3 = quint16(d.w(4));
    const quint16 fault = quint16(d.w(6));
    return {wordText(w1, translationWarningBits()), wordText(w2, translationWarningBits()),
            wordText(w3, translationWarningBits()), wordText(fault, bmsFaultBits)};
}

QString bmsSwitchText(quint8 switches, const QString& family) {
    if (switches == 0)
        return {};
    QString text;
    auto append = [&](int bit) {
        const SwitchTexts& t = switchBits[bit];
        text += historyText(switches & (1u << bit) ? t.on : t.off);
    };
    if (isHv(family))
        for (int bit : hvShownSwitches)
            append(bit);
    else
        for (int bit : otherShownSwitches)
            append(bit);
    return text;
}

QString bmsBatteryState(quint8 switches) {
    return codeText(batteryStates, switches, "");
}

QStringList bmsDetailTexts(int code, const QByteArray& data, const QString& family) {
    const RecordFields d{data, ByteOrder::LittleEndian};
    switch (code) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 19:
        return snapshotTexts(d, family) << bmsBatteryState(quint8(d.b(8)));
    case 8:
    case 9:
    case 10: { // SOC calibration: d[10] is the target SOC
        QStringList texts = snapshotTexts(d, family);
        texts[SohColumn].prepend(historyText(QT_TRANSLATE_NOOP("History", "Target SOC:")));
        return texts << bmsBatteryState(quint8(d.b(8)));
    }
    case 0:
        return runningFirmware(d);
    case 1:
        return powerOff(d, family);
    case 17:
        if (!isHv(family) && !isLv(family))
            return {};
        return balancing(d, isHv(family));
    case 18:
        return balancing(d, isHv(family));
    case 20:
        return functionalSafety(d);
    case 21:
        return additionalInfo(d, family);
    case 101:
    case 102:
        return firmwareUpdate(d, family, QT_TRANSLATE_NOOP("History", "Before Update: %1"),
                              QT_TRANSLATE_NOOP("History", "After Update: %1"));
    case 103:
    case 104:
        return firmwareUpdate(d, family, QT_TRANSLATE_NOOP("History", "Old Version: %1"),
                              QT_TRANSLATE_NOOP("History", "New Version: %1"));
    case 105:
        return {
            fillText(QT_TRANSLATE_NOOP("History", "Threshold table version:%1"), d.version(0, 2))};
    case 106:
        return {historyText(QT_TRANSLATE_NOOP("History", "serial number was changed."))};
    case 107:
        return currentCalibration(d);
    case 108:
        return placed(CellMaxTColumn, QString::number(d.b(0)), QString::number(d.b(1)));
    case 109:
        return placed(CellMaxTColumn, QString::number(d.b(0)), fillText("%1℃", d.b(1)));
    case 110:
        return placed(SocColumn, fillText("%1%", d.b(0)), fillText("%1%", d.b(1)));
    case 111:
        return {historyText(QT_TRANSLATE_NOOP("History", "N/A"))};
    default:
        return {historyText(QT_TRANSLATE_NOOP("History", "Not defined"))};
    }
}
