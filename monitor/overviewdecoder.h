#pragma once

#include "monitor/batterysystem.h"

#include <QByteArray>
#include <QString>

// The largest tower count and modules-per-tower count a high-voltage system reports: one
// decimal digit each.
inline constexpr int MaxHvDigit = 9;

// Every text the Overview shows, decoded from a complete status block (see
// statusblock.h for its layout). Offsets in the comments are status-block offsets;
// words are big-endian.
struct OverviewTexts {
    QString serial; // 3..21, cut at the first NUL
    BatteryFamily family = BatteryFamily::LV;
    QString bmuVersion;           // "V%1.%2-A" (27/28) or "V%1.%2-B" (29/30) by running area 33
    QString bmsVersion;           // 31/32 with the suffix of running area 34
    QString inverterName;         // 35, empty for codes outside the table
    QString bmsCount;             // 36: HV high hex digit (towers), LV decimal (modules)
    QString modulesPerTower;      // 36: HV low hex digit; empty for LV (label left alone)
    bool countImpossible = false; // 36: an HV digit above 9, which no system has
    QString batteryType;          // 37, name by family
    QString grid;                 // 38
    QString phase;                // 39
    int soc = 0;                  // 51..52, %
    QString socText;              // "SOC:%1%"
    QString maxCellVoltage;       // 53..54 / 100, "%1V"
    QString minCellVoltage;       // 55..56 / 100
    QString current;              // 59..60, 0.1 A two's complement, shown as magnitude
    QString chargeState;          // "Charging" for a negative current, else "DisCharging"
    QString batteryVoltage;       // 61..62 / 100, "Bat:%1V"
    QString maxCellTemp;          // 63..64 signed, "%1℃"
    QString minCellTemp;          // 65..66 signed
    QString extraTemp;            // 67..68 signed, shown for the HV family only
    QString tableVersion;         // 79/80 "V%1.%2"
    QString outputVoltage;        // 83..84 / 100, "Output:%1V"
    QString power;                // output voltage x current magnitude, "Power:%1W"
    quint16 systemStatus = 0;     // 41..42
    quint16 batteryWarnings = 0;  // 77..78

    // The measurements as numbers, the texts above written from them.
    int units = 0;        // 36: HV towers (high hex digit), LV modules in parallel
    int towerModules = 0; // 36: HV modules per tower (low hex digit), 0 for LV
    double maxCellVolts = 0;
    double minCellVolts = 0;
    double currentAmps = 0; // negative while charging
    double batteryVolts = 0;
    double outputVolts = 0;
    double powerWatts = 0; // as the power text: output voltage x current magnitude
    int maxCellTempC = 0;
    int minCellTempC = 0;
    int extraTempC = 0;

    // Entries of the BMS lists: the tower count read as a decimal number, 0 when the
    // count is impossible.
    int bmsListSize() const;
};

OverviewTexts decodeOverview(const QByteArray& block);
