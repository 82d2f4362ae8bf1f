#include "monitor/bmuwarnings.h"

#include <QCoreApplication>

namespace {

struct BitText {
    const char* text;
    const char* colour;
};

// Battery warning word, bit 0 first; the same for both families.
const BitText batteryWordTexts[16] = {
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:Battery Over Voltage;"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:Battery Under Voltage;"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:Cell Over Voltage;"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:Cell Under Voltage;"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Alarm:V-Sensor Failed;"), "red"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Alarm:T-Sensor Failed;"), "red"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:High Temperature Discharging(Cells);"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:Low Temperature Discharging(Cells);"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:High Temperature Charging(Cells);"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:Low Temperature Charging(Cells);"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:Discharging Over Current;"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:Charging Over Current;"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Alarm:Main circuit Failed;"), "red"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Alarm:Short Circuit;"), "red"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Warning:Cells ImBalance;"), "blue"},
    {QT_TRANSLATE_NOOP("BmuWarnings", "Alarm:Current Sensor Failed;"), "red"},
};

struct SystemBit {
    BitText hv;
    BitText lv;
};

// System status word, bit 15 first (the order the lines are listed in). A null text
// means the bit has no line for that family.
const SystemBit systemWordTexts[16] = {
    {{QT_TRANSLATE_NOOP("BmuWarnings", "Current warning;"), "blue"}, {nullptr, nullptr}}, // 15
    {{QT_TRANSLATE_NOOP("BmuWarnings", "Output voltage warning;"), "blue"},
     {nullptr, nullptr}}, // 14
    {{QT_TRANSLATE_NOOP("BmuWarnings", "Sensor failed;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "PT is incorrect;"), "red"}}, // 13
    {{QT_TRANSLATE_NOOP("BmuWarnings", "Temperature warning;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "Battery type incorrect;"), "red"}}, // 12
    {{QT_TRANSLATE_NOOP("BmuWarnings", "Cell voltage warning;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "Configuration load failed;"), "red"}}, // 11
    {{QT_TRANSLATE_NOOP("BmuWarnings", "Air switch abnormal;"), "red"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "Low SOC;"), "blue"}}, // 10
    {{QT_TRANSLATE_NOOP("BmuWarnings", "BMS updating;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "BMS updating;"), "blue"}}, // 9
    {{QT_TRANSLATE_NOOP("BmuWarnings", "BMU updating;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "BMU updating;"), "blue"}}, // 8
    {{nullptr, nullptr}, {nullptr, nullptr}},                      // 7
    {{QT_TRANSLATE_NOOP("BmuWarnings", "Inverter communication failed;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "Inverter communication failed;"), "blue"}},
    {{QT_TRANSLATE_NOOP("BmuWarnings", "BMS communication failed;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "BMS communication failed;"), "blue"}},
    {{QT_TRANSLATE_NOOP("BmuWarnings", "BMS update failed;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "BMS update failed;"), "blue"}},
    {{QT_TRANSLATE_NOOP("BmuWarnings", "BMU update failed;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "BMU update failed;"), "blue"}},
    {{QT_TRANSLATE_NOOP("BmuWarnings", "Precharge failed;"), "red"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "Precharge failed;"), "red"}},
    {{QT_TRANSLATE_NOOP("BmuWarnings", "PT load failed;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "PT load failed;"), "blue"}},
    {{QT_TRANSLATE_NOOP("BmuWarnings", "Address registration failed;"), "blue"},
     {QT_TRANSLATE_NOOP("BmuWarnings", "Address registration failed;"), "blue"}}, // 0
};

WarningLine lineOf(const BitText& entry) {
    return {QCoreApplication::translate("BmuWarnings", entry.text),
            QString::fromLatin1(entry.colour)};
}

} // namespace

QVector<WarningLine> bmuWarningLines(BatteryFamily family, quint16 batteryWord,
                                     quint16 systemWord) {
    if (batteryWord == 0 && systemWord == 0)
        return {{QCoreApplication::translate("BmuWarnings", "Normal"), QStringLiteral("green")}};

    QVector<WarningLine> lines;
    for (int bit = 0; bit < 16; ++bit)
        if (batteryWord & (1u << bit))
            lines.append(lineOf(batteryWordTexts[bit]));
    for (int i = 0; i < 16; ++i) {
        const int bit = 15 - i;
        const BitText& entry =
            family == BatteryFamily::HV ? systemWordTexts[i].hv : systemWordTexts[i].lv;
        if ((systemWord & (1u << bit)) && entry.text)
            lines.append(lineOf(entry));
    }
    return lines;
}
