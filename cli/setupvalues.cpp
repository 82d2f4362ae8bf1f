#include "cli/setupvalues.h"

#include "cli/clitext.h"
#include "monitor/systemsnapshot.h"

namespace {

int indexIn(const QString& name, const QVector<QStringList>& namesByIndex) {
    const QString wanted = name.trimmed().toLower();
    for (int index = 0; index < namesByIndex.size(); ++index)
        if (namesByIndex[index].contains(wanted))
            return index;
    return -1;
}

} // namespace

int gridIndexOf(const QString& name) {
    return indexIn(name, {{"off", "off grid", "off-grid"},
                          {"on", "on grid", "on-grid"},
                          {"backup", "back up", "back-up"}});
}

int phaseIndexOf(const QString& name) {
    return indexIn(name, {{"single", "1"}, {"three", "3"}});
}

int setupModuleCount(const SystemSnapshot& system) {
    return system.family() == BatteryFamily::HV ? system.setupCountByte & 0x0F
                                                : system.setupCountByte;
}

void addSetupFields(Report& report, const SystemSnapshot& system, const QString& keyPrefix) {
    if (!system.setup)
        return;
    const SetupSelection& setup = *system.setup;
    const bool hv = system.family() == BatteryFamily::HV;
    const QStringList types = batteryTypeNames(system.family());
    auto add = [&](const char* key, const QString& label, const ReportValue& value) {
        report.add(keyPrefix + QLatin1String(key), label, value);
    };
    add("inverter", Cli::tr("Setup: inverter"), textValue(setup.inverterName));
    add("module_count",
        hv ? Cli::tr("Setup: modules in serial") : Cli::tr("Setup: modules in parallel"),
        integerValue(setupModuleCount(system)));
    add("battery_type", Cli::tr("Setup: battery type"),
        textValue(types.value(setup.batteryTypeIndex)));
    add("grid", Cli::tr("Setup: grid"), textValue(gridText(setup.gridIndex)));
    add("phase", Cli::tr("Setup: phase"), textValue(phaseText(setup.phaseIndex)));
}
