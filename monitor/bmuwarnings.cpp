#include "monitor/bmuwarnings.h"

namespace {

struct BitText {
    const char* text;
    const char* colour;
};

// Battery warning word, bit 0 first; the same for both families.
const BitText batteryWordTexts[16] = {
    {"Warning:Battery Over Voltage;", "blue"},
    {"Warning:Battery Under Voltage;", "blue"},
    {"Warning:Cell Over Voltage;", "blue"},
    {"Warning:Cell Under Voltage;", "blue"},
    {"Alarm:V-Sensor Failed;", "red"},
    {"Alarm:T-Sensor Failed;", "red"},
    {"Warning:High Temperature Discharging(Cells);", "blue"},
    {"Warning:Low Temperature Discharging(Cells);", "blue"},
    {"Warning:High Temperature Charging(Cells);", "blue"},
    {"Warning:Low Temperature Charging(Cells);", "blue"},
    {"Warning:Discharging Over Current;", "blue"},
    {"Warning:Charging Over Current;", "blue"},
    {"Alarm:Main circuit Failed;", "red"},
    {"Alarm:Short Circuit;", "red"},
    {"Warning:Cells ImBalance;", "blue"},
    {"Alarm:Current Sensor Failed;", "red"},
};

struct SystemBit {
    BitText hv;
    BitText lv;
};

// System status word, bit 15 first (the order the lines are listed in). A null text
// means the bit has no line for that family.
const SystemBit systemWordTexts[16] = {
    {{"Current warning;", "blue"}, {nullptr, nullptr}},                         // 15
    {{"Output voltage warning;", "blue"}, {nullptr, nullptr}},                  // 14
    {{"Sensor failed;", "blue"}, {"PT is incorrect;", "red"}},                  // 13
    {{"Temperature warning;", "blue"}, {"Battery type incorrect;", "red"}},     // 12
    {{"Cell voltage warning;", "blue"}, {"Configuration load failed;", "red"}}, // 11
    {{"Air switch abnormal;", "red"}, {"Low SOC;", "blue"}},                    // 10
    {{"BMS updating;", "blue"}, {"BMS updating;", "blue"}},                     // 9
    {{"BMU updating;", "blue"}, {"BMU updating;", "blue"}},                     // 8
    {{nullptr, nullptr}, {nullptr, nullptr}},                                   // 7
    {{"Inverter communication failed;", "blue"}, {"Inverter communication failed;", "blue"}},
    {{"BMS communication failed;", "blue"}, {"BMS communication failed;", "blue"}},
    {{"BMS update failed;", "blue"}, {"BMS update failed;", "blue"}},
    {{"BMU update failed;", "blue"}, {"BMU update failed;", "blue"}},
    {{"Precharge failed;", "red"}, {"Precharge failed;", "red"}},
    {{"PT load failed;", "blue"}, {"PT load failed;", "blue"}},
    {{"Address registration failed;", "blue"}, {"Address registration failed;", "blue"}}, // 0
};

WarningLine lineOf(const BitText& entry) {
    return {QString::fromLatin1(entry.text), QString::fromLatin1(entry.colour)};
}

} // namespace

QVector<WarningLine> bmuWarningLines(BatteryFamily family, quint16 batteryWord,
                                     quint16 systemWord) {
    if (batteryWord == 0 && systemWord == 0)
        return {{QStringLiteral("Normal"), QStringLiteral("green")}};

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
