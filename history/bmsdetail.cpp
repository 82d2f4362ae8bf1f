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
        t[14] = "Interlock switch Abnormal;";
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
    {"| Charge Mos_Switch is on; |", "| Charge Mos_Switch is off; |"},
    {"| DisCharge Mos_Switch is on; |", "| DisCharge Mos_Switch is off; |"},
    {"| PreCharge Mos_Switch is on; |", "| PreCharge Mos_Switch is off; |"},
    {"| Relay is on; |", "| Relay is off; |"},
    {"| Air Switch is on; |", "| Air Switch is off; |"},
    {"| PreCharge_2 Mos_Switch is on; |", "| PreCharge_2 Mos_Switch is off; |"},
};
const int hvShownSwitches[] = {3, 4};
const int otherShownSwitches[] = {0, 1, 3};

const CodeText batteryStates[] = {
    {0, "Battery Idling"},
    {1, "Battery Charging"},
    {2, "Battery DisCharging"},
};

const CodeText lvPowerOffReasons[] = {
    {0, "BMU requires to Power off"},
    {1, "Press BMS LED to Power off"},
    {2, "Power off due to communication failed with BMU"},
    {3, "BMS off due to battery UnderVoltage"},
};

const CodeText hvPowerOffReasons[] = {
    {1, "Press BMS LED button to Switch off"},
    {2, "BMU requires to switch off"},
    {3, "BMU Power off And communication between BMU and BMS failed"},
    {4, "Power off while communication failed(after 30 minutes)"},
};

const BitTexts bmuFunctionalSafetyBits = {
    "Cells Over Voltage;",
    "Cells Under Voltage;",
    "Cells Over Temperature;",
    "Cells Under Temperature;",
    "Voltage Sampling cable off;",
    "Temperature Sampling cable off;",
    "Pack Voltage too High;",
    "Over Current;",
    "BMS Heartbeat Abnormal;",
    "Main Circuit Fault;",
    "No responding for cells Sampling from BMS;",
    "The PACK voltage differs too much from the accumulator voltage of cells;",
    "",
    "",
    "",
    "",
};

const BitTexts bmsFunctionalSafetyBits = {
    "0# register Overtime;",
    "BMU heartbeat Abnormal;",
    "BMU Cells Sampling occupancy anomaly;",
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
constexpr int CellMinTColumn = 13;

bool isHv(const QString& family) {
    return family == QLatin1String(LumenoHv);
}

bool isLv(const QString& family) {
    return family == QLatin1String(LumenoLv);
}

QString wordText(quint16 word, const BitTexts& bits) {
    return word == 0 ? QStringLiteral("None") : joinSetBits(word, bits);
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
    return {QString::fromLatin1(d.b(2) == 0 ? "Runing Section:A" : "Runing Section:B"),
            fillText("FW version:%1", d.version(5, 4))};
}

QStringList powerOff(const RecordFields& d, const QString& family) {
    QString reason;
    if (isHv(family))
        reason = codeText(hvPowerOffReasons, d.b(1), "Not defined");
    else if (isLv(family))
        reason = codeText(lvPowerOffReasons, d.b(0), "Not defined");
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
    return {fillText("BMU serial port V%1", d.b(9)), fillText("BMS serial port V%1", d.b(10)),
            bmuWord == 0 ? QStringLiteral("BMU functional safety normal")
                         : QStringLiteral("BMU functional safety fault code:") +
                               joinSetBits(bmuWord, bmuFunctionalSafetyBits),
            QStringLiteral("BMS functional safety fault code:") +
                joinSetBits(quint16(d.w(2)), bmsFunctionalSafetyBits)};
}

// Additional information of an events record: the snapshot layout with the cell numbers
// of the extremes (d[17..20]) in the cell columns, and the faulted module (d[21]) and the
// module whose BIC failed (d[15]) in "Remarks" while the fault word is set.
QStringList additionalInfo(const RecordFields& d, const QString& family) {
    QStringList texts = snapshotTexts(d, family);
    texts[CurrentColumn] = QStringLiteral(" ");
    for (int i = 0; i < 4; ++i)
        texts[CellMaxVColumn + i] = fillText("Cell NO.%1", d.b(17 + i));
    texts << (d.w(6) == 0 ? QString()
                          : fillText("%1# Module Faulted", d.b(21)) + QLatin1Char(' ') +
                                fillText("%1# Module BIC fault", d.b(15)));
    return texts;
}

QStringList currentCalibration(const RecordFields& d) {
    QStringList texts{fillText("TempH:%1℃", d.b(0)), fillText("TempL:%1℃", d.b(1))};
    for (int i = 0; i < 4; ++i)
        texts << QStringLiteral("Charge I%1:%2A").arg(i + 1).arg(d.w(2 + 2 * i));
    texts << fillText("DisCharge I1:%1A", d.w(10));
    return texts;
}

QString targetArea(const RecordFields& d, bool lvMarker) {
    // The low-voltage family also marks area A with 0xAA.
    const bool areaA = d.b(0) == 0 || (lvMarker && d.b(0) == 0xAA);
    return QString::fromLatin1(areaA ? "Target Area:A" : "Target Area:B");
}

QStringList firmwareUpdate(const RecordFields& d, const QString& family, const char* before,
                           const char* after) {
    if (isHv(family))
        return {targetArea(d, false), fillText(before, d.version(2, 1)),
                fillText(after, d.version(4, 3))};
    if (isLv(family))
        return {targetArea(d, true), fillText("Current Version: %1", d.version(3, 2))};
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
        text += QString::fromLatin1(switches & (1u << bit) ? t.on : t.off);
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
        texts[SohColumn].prepend(QStringLiteral("Target SOC:"));
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
        return firmwareUpdate(d, family, "Before Update: %1", "After Update: %1");
    case 103:
    case 104:
        return firmwareUpdate(d, family, "Old Version: %1", "New Version: %1");
    case 105:
        return {fillText("Threshold table version:%1", d.version(0, 2))};
    case 106:
        return {QStringLiteral("serial number was changed.")};
    case 107:
        return currentCalibration(d);
    case 108:
        return placed(CellMaxTColumn, QString::number(d.b(0)), QString::number(d.b(1)));
    case 109:
        return placed(CellMaxTColumn, QString::number(d.b(0)), fillText("%1℃", d.b(1)));
    case 110:
        return placed(SocColumn, fillText("%1%", d.b(0)), fillText("%1%", d.b(1)));
    case 111:
        return {QStringLiteral("N/A")};
    default:
        return {QStringLiteral("Not defined")};
    }
}
