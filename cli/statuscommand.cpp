// status: the refresh, and the Overview as the window shows it after one.
#include "cli/clitext.h"
#include "cli/command.h"
#include "cli/exitcode.h"
#include "cli/setupvalues.h"
#include "monitor/bmuwarnings.h"
#include "monitor/systemsnapshot.h"

namespace {

// The warning colours of the Overview say what a line is.
QString warningLevel(const QString& colour) {
    if (colour == QLatin1String("red"))
        return QStringLiteral("alarm");
    if (colour == QLatin1String("blue"))
        return QStringLiteral("warning");
    return QStringLiteral("normal");
}

Report statusReport(const SystemSnapshot& system) {
    const OverviewTexts& t = system.overview;
    const bool hv = t.family == BatteryFamily::HV;
    Report r;
    r.add("serial_number", Cli::tr("Serial number"), textValue(t.serial));
    r.add("family", Cli::tr("Family"), textValue(hv ? QStringLiteral("HV") : QStringLiteral("LV")));
    r.add("battery_type", Cli::tr("Battery type"), textValue(t.batteryType));
    r.add("inverter", Cli::tr("Inverter"), textValue(t.inverterName));
    r.add("bmu_firmware", Cli::tr("BMU firmware"), textValue(t.bmuVersion));
    r.add("bms_firmware", Cli::tr("BMS firmware"), textValue(t.bmsVersion));
    r.add("parameter_table", Cli::tr("Parameter table"), textValue(t.tableVersion));
    r.add("grid", Cli::tr("Grid"), textValue(t.grid));
    r.add("phase", Cli::tr("Phase"), textValue(t.phase));
    r.add("bms_count", hv ? Cli::tr("Towers (BMS)") : Cli::tr("Modules in parallel (BMS)"),
          integerValue(t.units));
    if (hv)
        r.add("modules_per_tower", Cli::tr("Modules per tower"), integerValue(t.towerModules));
    r.add("soc_percent", Cli::tr("SOC (%)"), integerValue(t.soc));
    r.add("charge_state", Cli::tr("State"), textValue(t.chargeState));
    r.add("current_a", Cli::tr("Current (A)"), numberValue(t.currentAmps, 1));
    r.add("battery_voltage_v", Cli::tr("Battery voltage (V)"), numberValue(t.batteryVolts, 2));
    r.add("output_voltage_v", Cli::tr("Output voltage (V)"), numberValue(t.outputVolts, 2));
    r.add("power_w", Cli::tr("Power (W)"), numberValue(t.powerWatts, 2));
    r.add("max_cell_voltage_v", Cli::tr("Highest cell voltage (V)"),
          numberValue(t.maxCellVolts, 2));
    r.add("min_cell_voltage_v", Cli::tr("Lowest cell voltage (V)"), numberValue(t.minCellVolts, 2));
    r.add("max_cell_temperature_c", Cli::tr("Highest cell temperature (°C)"),
          integerValue(t.maxCellTempC));
    r.add("min_cell_temperature_c", Cli::tr("Lowest cell temperature (°C)"),
          integerValue(t.minCellTempC));
    if (hv)
        r.add("board_temperature_c", Cli::tr("BMU temperature (°C)"), integerValue(t.extraTempC));
    addSetupFields(r, system, QStringLiteral("setup_"));

    ReportTable& warnings = r.addTable(QStringLiteral("warnings"), Cli::tr("System status"),
                                       {{"level", Cli::tr("Level")}, {"text", Cli::tr("Text")}});
    for (const WarningLine& line : bmuWarningLines(t.family, t.batteryWarnings, t.systemStatus))
        warnings.rows.append({textValue(warningLevel(line.colour)), textValue(line.text)});
    return r;
}

class StatusCommand : public Command {
public:
    QString name() const override { return QStringLiteral("status"); }
    QString summary() const override {
        return Cli::tr("Refresh and print the Overview: versions, measurements, warnings "
                       "and setup.");
    }
    bool take(const QCommandLineParser&, QString*) override { return true; }

    int run(CommandContext& context) override {
        int code = ExitDone;
        SystemLink* system = context.openSystem(&code);
        if (!system)
            return code;
        return context.print(statusReport(system->snapshot()), code);
    }
};

} // namespace

std::unique_ptr<Command> makeStatusCommand() {
    return std::make_unique<StatusCommand>();
}
