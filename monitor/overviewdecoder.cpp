#include "monitor/overviewdecoder.h"

#include "link/bytes.h"
#include "monitor/valuetext.h"

#include <QCoreApplication>

namespace {

QString temperatureText(int degrees) {
    return QStringLiteral("%1℃").arg(degrees);
}

// Voltages are counted in 10 mV.
double volts(const QByteArray& block, int offset) {
    return wordBE(block, offset) / 100.0;
}

QString voltsText(double volts) {
    return QString::number(volts, 'f', 2);
}

} // namespace

int OverviewTexts::bmsListSize() const {
    bool ok = false;
    const int n = bmsCount.toInt(&ok, 10);
    return ok && n > 0 && !countImpossible ? n : 0;
}

OverviewTexts decodeOverview(const QByteArray& block) {
    OverviewTexts t;
    t.serial = fieldText(sliceAt(block, 3, 19));
    t.family = familyOfSerial(t.serial);
    const bool hv = t.family == BatteryFamily::HV;

    t.bmuVersion =
        byteAt(block, 33) == 1
            ? versionText(QStringLiteral("V%1.%2-B"), byteAt(block, 29), byteAt(block, 30))
            : versionText(QStringLiteral("V%1.%2-A"), byteAt(block, 27), byteAt(block, 28));
    t.bmsVersion = versionText(byteAt(block, 34) == 1 ? QStringLiteral("V%1.%2-B")
                                                      : QStringLiteral("V%1.%2-A"),
                               byteAt(block, 31), byteAt(block, 32));
    t.inverterName = inverterName(byteAt(block, 35));

    const quint8 count = byteAt(block, 36);
    if (hv) {
        // High hex digit: towers (one BMS each); low digit: modules per tower. A digit
        // above 9 is no count a system has: it is shown as the number it is and reported.
        const int towers = count >> 4;
        const int modules = count & 0x0F;
        t.bmsCount = QString::number(towers);
        t.modulesPerTower = QString::number(modules);
        t.countImpossible = towers > MaxHvDigit || modules > MaxHvDigit;
        t.units = towers;
        t.towerModules = modules;
    } else {
        t.bmsCount = QString::number(count);
        t.units = count;
    }
    t.batteryType = batteryTypeName(t.family, byteAt(block, 37));
    t.grid = gridText(byteAt(block, 38));
    t.phase = phaseText(byteAt(block, 39));
    t.systemStatus = wordBE(block, 41);

    t.soc = wordBE(block, 51);
    t.socText = QCoreApplication::translate("Overview", "SOC:%1%").arg(t.soc);
    t.maxCellVolts = volts(block, 53);
    t.minCellVolts = volts(block, 55);
    t.maxCellVoltage = voltsText(t.maxCellVolts) + QLatin1Char('V');
    t.minCellVoltage = voltsText(t.minCellVolts) + QLatin1Char('V');

    // Pack current in 0.1 A, negative while charging; the Overview shows the magnitude.
    const int tenthsOfAmps = signed16(wordBE(block, 59));
    const bool charging = tenthsOfAmps < 0;
    t.currentAmps = tenthsOfAmps / 10.0;
    const QString magnitude = scaledText(qAbs(tenthsOfAmps), 10, 1);
    t.current = QCoreApplication::translate("Overview", "Current:%1A").arg(magnitude);
    t.chargeState = charging ? QCoreApplication::translate("Overview", "Charging")
                             : QCoreApplication::translate("Overview", "DisCharging");
    t.batteryVolts = volts(block, 61);
    t.batteryVoltage =
        QCoreApplication::translate("Overview", "Bat:%1V").arg(voltsText(t.batteryVolts));

    t.maxCellTempC = signed16(wordBE(block, 63));
    t.minCellTempC = signed16(wordBE(block, 65));
    t.extraTempC = signed16(wordBE(block, 67));
    t.maxCellTemp = temperatureText(t.maxCellTempC);
    t.minCellTemp = temperatureText(t.minCellTempC);
    t.extraTemp = temperatureText(t.extraTempC);
    t.batteryWarnings = wordBE(block, 77);
    t.tableVersion = versionText(QStringLiteral("V%1.%2"), byteAt(block, 79), byteAt(block, 80));

    t.outputVolts = volts(block, 83);
    const QString output = voltsText(t.outputVolts);
    t.outputVoltage = QCoreApplication::translate("Overview", "Output:%1V").arg(output);
    // The power is the product of the two texts as shown, so it matches them exactly.
    t.powerWatts = output.toDouble() * magnitude.toDouble();
    t.power = QCoreApplication::translate("Overview", "Power:%1W")
                  .arg(QString::number(t.powerWatts, 'f', 2));
    return t;
}
