#include "monitor/bmsinfodecoder.h"

#include "link/bytes.h"
#include "monitor/valuetext.h"

#include <QCoreApplication>

QByteArray bmsPageSlice(const QByteArray& frame, int page) {
    if (page >= 1 && page <= 3)
        return sliceAt(frame, 5, 128);
    if (page == 4)
        return sliceAt(frame, 5, 36);
    return {};
}

namespace {

// Versions of this block keep the minor number first and the major number second.
QString swappedVersion(const QString& format, const QByteArray& block, int minorOffset) {
    return versionText(format, byteAt(block, minorOffset + 1), byteAt(block, minorOffset));
}

} // namespace

BmsInfoTexts decodeBmsInfo(const QByteArray& block) {
    BmsInfoTexts t;
    t.cellVoltageMaxMv = wordBE(block, 0);
    t.cellVoltageMaxNo = byteAt(block, 4);
    t.cellVoltageMinMv = wordBE(block, 2);
    t.cellVoltageMinNo = byteAt(block, 5);
    t.cellTempMaxC = signed16(wordBE(block, 6));
    t.cellTempMaxNo = byteAt(block, 10);
    t.cellTempMinC = signed16(wordBE(block, 8));
    t.cellTempMinNo = byteAt(block, 11);
    const QString voltageText = QStringLiteral("%1mV (No.%2)");
    const QString temperatureText = QStringLiteral("%1℃ (No.%2)");
    t.cellVoltageMax = voltageText.arg(t.cellVoltageMaxMv).arg(t.cellVoltageMaxNo);
    t.cellVoltageMin = voltageText.arg(t.cellVoltageMinMv).arg(t.cellVoltageMinNo);
    t.cellTempMax = temperatureText.arg(t.cellTempMaxC).arg(t.cellTempMaxNo);
    t.cellTempMin = temperatureText.arg(t.cellTempMinC).arg(t.cellTempMinNo);

    // Voltages in 0.1 V.
    t.batteryVolts = wordBE(block, 40) / 10.0;
    t.packVolts = wordBE(block, 46) / 10.0;
    t.batteryVoltage = scaledText(wordBE(block, 40), 10, 1) + QLatin1Char('V');
    t.packVoltage = scaledText(wordBE(block, 46), 10, 1) + QLatin1Char('V');
    t.switchState = binaryText(byteAt(block, 45), 8);

    const quint16 soc = wordBE(block, 48); // 0.1 %
    t.socPercent = soc / 10.0;
    t.soc = scaledText(soc, 10, 1) + QLatin1Char('%');
    t.socGauge = soc / 10;

    // 0.1 A, two's complement; unlike the Overview the charging current keeps its sign.
    const int current = signed16(wordBE(block, 52));
    t.currentAmps = current / 10.0;
    t.current = (current < 0 ? QCoreApplication::translate("BmsInfo", "Charging:%1A")
                             : QCoreApplication::translate("BmsInfo", "DisCharging:%1A"))
                    .arg(scaledText(current, 10, 1));

    for (int level = 0; level < 3; ++level)
        t.warningLevels[level] = binaryText(wordBE(block, 54 + 2 * level), 16);
    t.warningLevel3 = wordBE(block, 58);

    t.sectionA = swappedVersion(QStringLiteral("V%1.%2-A"), block, 60);
    t.sectionB = swappedVersion(QStringLiteral("V%1.%2-B"), block, 62);
    const bool runsB = byteAt(block, 64) == 1;
    t.runningSection = runsB ? QStringLiteral("B") : QStringLiteral("A");
    t.firmware = runsB ? t.sectionB : t.sectionA;
    t.serial = fieldText(sliceAt(block, 66, 19));
    t.tableA = swappedVersion(QStringLiteral("V%1.%2"), block, 90);
    t.tableB = swappedVersion(QStringLiteral("V%1.%2"), block, 92);
    t.faultCodes[0] = binaryText(byteAt(block, 94), 8);
    t.faultCodes[1] = binaryText(byteAt(block, 95), 8);

    t.values = QStringList{t.serial,           t.soc,
                           t.batteryVoltage,   t.packVoltage,
                           t.current,          t.switchState,
                           t.cellVoltageMax,   t.cellVoltageMin,
                           t.cellTempMax,      t.cellTempMin,
                           t.sectionA,         t.sectionB,
                           t.runningSection,   t.tableA,
                           t.tableB,           t.warningLevels[0],
                           t.warningLevels[1], t.warningLevels[2],
                           t.faultCodes[0],    t.faultCodes[1]};
    for (int cell = 0; cell < BmsInfo::CellCount; ++cell)
        t.cellMillivolts.append(wordBE(block, 96 + 2 * cell));
    for (int sensor = 0; sensor < BmsInfo::TemperatureCount; ++sensor)
        t.temperaturesC.append(byteAt(block, 354 + sensor));
    for (int millivolts : qAsConst(t.cellMillivolts))
        t.values.append(QString::number(millivolts));
    for (int degrees : qAsConst(t.temperaturesC))
        t.values.append(QString::number(degrees));
    return t;
}

QStringList bmsWarningTexts(quint16 warningLevel3) {
    static const char* const texts[16] = {
        QT_TRANSLATE_NOOP("BmsInfo", "Battery Over Voltage;"),
        QT_TRANSLATE_NOOP("BmsInfo", "Battery Under Voltage;"),
        QT_TRANSLATE_NOOP("BmsInfo", "Cell Over Voltage;"),
        QT_TRANSLATE_NOOP("BmsInfo", "Cell Under Voltage;"),
        QT_TRANSLATE_NOOP("BmsInfo", "Voltage Sensor Failure;"),
        QT_TRANSLATE_NOOP("BmsInfo", "Temperature Sensor Failure;"),
        QT_TRANSLATE_NOOP("BmsInfo", "High Temperature Discharging (Cells);"),
        QT_TRANSLATE_NOOP("BmsInfo", "Low Temperature Discharging (Cells);"),
        QT_TRANSLATE_NOOP("BmsInfo", "High Temperature Charging (Cells);"),
        QT_TRANSLATE_NOOP("BmsInfo", "Low Temperature Charging (Cells);"),
        QT_TRANSLATE_NOOP("BmsInfo", "Over Current Discharging;"),
        QT_TRANSLATE_NOOP("BmsInfo", "Over Current Charging;"),
        QT_TRANSLATE_NOOP("BmsInfo", "Main circuit Failure;"),
        QT_TRANSLATE_NOOP("BmsInfo", "Short Circuit Alarm;"),
        QT_TRANSLATE_NOOP("BmsInfo", "Cells ImBalance;"),
        QT_TRANSLATE_NOOP("BmsInfo", "Current Sensor Failure;"),
    };
    QStringList lines;
    for (int bit = 0; bit < 16; ++bit)
        if (warningLevel3 & (1u << bit))
            lines.append(QCoreApplication::translate("BmsInfo", texts[bit]));
    return lines;
}
