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

QString extremeVoltage(const QByteArray& block, int valueOffset, int numberOffset) {
    return QStringLiteral("%1mV (No.%2)")
        .arg(wordBE(block, valueOffset))
        .arg(byteAt(block, numberOffset));
}

QString extremeTemperature(const QByteArray& block, int valueOffset, int numberOffset) {
    return QStringLiteral("%1℃ (No.%2)")
        .arg(signed16(wordBE(block, valueOffset)))
        .arg(byteAt(block, numberOffset));
}

// Versions of this block keep the minor number first and the major number second.
QString swappedVersion(const QString& format, const QByteArray& block, int minorOffset) {
    return versionText(format, byteAt(block, minorOffset + 1), byteAt(block, minorOffset));
}

} // namespace

BmsInfoTexts decodeBmsInfo(const QByteArray& block) {
    BmsInfoTexts t;
    t.cellVoltageMax = extremeVoltage(block, 0, 4);
    t.cellVoltageMin = extremeVoltage(block, 2, 5);
    t.cellTempMax = extremeTemperature(block, 6, 10);
    t.cellTempMin = extremeTemperature(block, 8, 11);
    t.batteryVoltage = scaledText(wordBE(block, 40), 10, 1) + QLatin1Char('V');
    t.packVoltage = scaledText(wordBE(block, 46), 10, 1) + QLatin1Char('V');
    t.switchState = binaryText(byteAt(block, 45), 8);

    const quint16 soc = wordBE(block, 48); // 0.1 %
    t.soc = scaledText(soc, 10, 1) + QLatin1Char('%');
    t.socGauge = soc / 10;

    // 0.1 A, two's complement; unlike the Overview the charging current keeps its sign.
    const int current = signed16(wordBE(block, 52));
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
        t.values.append(QString::number(wordBE(block, 96 + 2 * cell)));
    for (int sensor = 0; sensor < BmsInfo::TemperatureCount; ++sensor)
        t.values.append(QString::number(byteAt(block, 354 + sensor)));
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
