// bms N: the information of one BMS with every cell voltage and temperature, laid out as
// the Cells Info table lays them out for the battery type.
#include "cli/clitext.h"
#include "cli/command.h"
#include "cli/console.h"
#include "cli/exitcode.h"
#include "monitor/bmsinfodecoder.h"
#include "monitor/bmsinforead.h"
#include "monitor/bmstables.h"

#include <QCommandLineParser>
#include <QMap>

namespace {

struct CellValue {
    int module;
    int number; // cell or sensor number within the BMS, from 1
    int value;
};

struct CellValues {
    QVector<CellValue> voltages;     // mV
    QVector<CellValue> temperatures; // °C
};

// The cells as the Cells Info table places them: its layout names the module of each row,
// its placements put each value of the first read (and of a second one) into a cell. In
// table order the cells of each block are numbered from 1.
CellValues cellValues(const QString& batteryType, const BmsInfoTexts& first,
                      const BmsInfoTexts* second) {
    const CellTableShape shape = cellTableShapeFor(batteryType);
    int headingRow = 0;
    for (const TableCell& cell : cellTableLayout(shape))
        if (cell.header && cell.column == 0)
            headingRow = cell.row;
    QMap<int, int> moduleOfRow;
    int modules[2] = {0, 0}; // voltage block, temperature block
    for (const TableCell& cell : cellTableLayout(shape)) {
        if (cell.column != 0 || cell.header)
            continue;
        const int module = ++modules[cell.row > headingRow];
        for (int row = cell.row; row < cell.row + cell.rowSpan; ++row)
            moduleOfRow[row] = module;
    }
    QMap<QPair<int, int>, int> valueAt;
    auto place = [&](const BmsInfoTexts& texts, bool secondPass) {
        for (const ValuePlacement& p : cellValuePlacements(shape, secondPass)) {
            const int index = p.valueIndex;
            valueAt[{p.row, p.column}] =
                index < BmsInfo::FirstTemperatureValue
                    ? texts.cellMillivolts.value(index - BmsInfo::FirstCellValue)
                    : texts.temperaturesC.value(index - BmsInfo::FirstTemperatureValue);
        }
    };
    place(first, false);
    if (second)
        place(*second, true);
    CellValues values;
    for (auto it = valueAt.constBegin(); it != valueAt.constEnd(); ++it) {
        const int row = it.key().first;
        QVector<CellValue>& list = row > headingRow ? values.temperatures : values.voltages;
        list.append({moduleOfRow.value(row), list.size() + 1, it.value()});
    }
    return values;
}

void addCellTable(Report& report, const QString& key, const QString& title, const char* numberKey,
                  const char* numberLabel, const char* valueKey, const char* valueLabel,
                  const QVector<CellValue>& cells, int modules) {
    ReportTable& table = report.addTable(
        key, title,
        {{"module", Cli::tr("Module")}, {numberKey, numberLabel}, {valueKey, valueLabel}});
    for (const CellValue& cell : cells)
        if (modules <= 0 || cell.module <= modules)
            table.rows.append(
                {integerValue(cell.module), integerValue(cell.number), integerValue(cell.value)});
}

Report bmsReport(int bms, const SystemSnapshot& system, const QByteArray& firstBlock,
                 const QByteArray& secondBlock) {
    const BmsInfoTexts t = decodeBmsInfo(firstBlock);
    const BmsInfoTexts second = decodeBmsInfo(secondBlock);
    Report r;
    r.add("bms", Cli::tr("BMS"), integerValue(bms));
    r.add("serial_number", Cli::tr("Serial number"), textValue(t.serial));
    r.add("soc_percent", Cli::tr("SOC (%)"), numberValue(t.socPercent, 1));
    r.add("battery_voltage_v", Cli::tr("Battery total voltage (V)"),
          numberValue(t.batteryVolts, 1));
    r.add("pack_voltage_v", Cli::tr("Pack voltage (V)"), numberValue(t.packVolts, 1));
    r.add("current_a", Cli::tr("Current (A)"), numberValue(t.currentAmps, 1));
    r.add("switch_state", Cli::tr("Switch state"), textValue(t.switchState));
    r.add("max_cell_voltage_mv", Cli::tr("Highest cell voltage (mV)"),
          integerValue(t.cellVoltageMaxMv));
    r.add("max_cell_voltage_cell", Cli::tr("  at cell"), integerValue(t.cellVoltageMaxNo));
    r.add("min_cell_voltage_mv", Cli::tr("Lowest cell voltage (mV)"),
          integerValue(t.cellVoltageMinMv));
    r.add("min_cell_voltage_cell", Cli::tr("  at cell"), integerValue(t.cellVoltageMinNo));
    r.add("max_cell_temperature_c", Cli::tr("Highest cell temperature (°C)"),
          integerValue(t.cellTempMaxC));
    r.add("max_cell_temperature_sensor", Cli::tr("  at sensor"), integerValue(t.cellTempMaxNo));
    r.add("min_cell_temperature_c", Cli::tr("Lowest cell temperature (°C)"),
          integerValue(t.cellTempMinC));
    r.add("min_cell_temperature_sensor", Cli::tr("  at sensor"), integerValue(t.cellTempMinNo));
    r.add("firmware", Cli::tr("Firmware"), textValue(t.firmware));
    r.add("section_a", Cli::tr("Section A"), textValue(t.sectionA));
    r.add("section_b", Cli::tr("Section B"), textValue(t.sectionB));
    r.add("running_section", Cli::tr("Running section"), textValue(t.runningSection));
    r.add("table_a", Cli::tr("Threshold table A"), textValue(t.tableA));
    r.add("table_b", Cli::tr("Threshold table B"), textValue(t.tableB));
    for (int level = 0; level < 3; ++level)
        r.add(QStringLiteral("warning_level_%1").arg(level + 1),
              Cli::tr("Warning level %1").arg(level + 1), textValue(t.warningLevels[level]));
    for (int code = 0; code < 2; ++code)
        r.add(QStringLiteral("fault_code_%1").arg(code + 1), Cli::tr("Fault code %1").arg(code + 1),
              textValue(t.faultCodes[code]));
    r.add("warnings", Cli::tr("Warnings"),
          listValue(bmsWarningTexts(t.warningLevel3), Cli::tr("Normal")));

    // The cells of the modules the tower has; the table of a low-voltage system has one.
    const int modules = system.overview.towerModules;
    const CellValues cells =
        cellValues(system.batteryType, t, secondBlock.isEmpty() ? nullptr : &second);
    addCellTable(r, "cells", "Cell voltages", "cell", "Cell", "voltage_mv", "Voltage (mV)",
                 cells.voltages, modules);
    addCellTable(r, "temperatures", "Cell temperatures", "sensor", "Sensor", "temperature_c",
                 "Temperature (°C)", cells.temperatures, modules);
    return r;
}

class BmsCommand : public SystemCommand {
public:
    QString name() const override { return QStringLiteral("bms"); }
    QString summary() const override {
        return Cli::tr("The information of BMS N with every cell voltage and temperature.");
    }
    QString arguments() const override { return QStringLiteral("N"); }

    bool take(const QCommandLineParser& parser, QString* error) override {
        const QStringList arguments = parser.positionalArguments();
        bool ok = arguments.size() == 1;
        if (ok)
            bms = arguments.first().toInt(&ok);
        if (!ok || bms < 1) {
            *error = Cli::tr("bms needs the number of one BMS, 1 or more.");
            return false;
        }
        return true;
    }

    int runOn(CommandContext& context, SystemLink& system) override {
        const SystemSnapshot& snapshot = system.snapshot();
        const int count = snapshot.overview.bmsListSize();
        if (bms > count) {
            context.console.error(
                Cli::tr("The system lists %1 BMS: choose one from 1 to %1.").arg(count));
            return ExitUsage;
        }
        // The refresh has read the first BMS already, as the window shows it after one.
        const int passes = snapshot.readsCellsTwice() ? 2 : 1;
        if (system.bmsBlock(bms, passes).isEmpty()) {
            const int read = system.runRead([this] { return new BmsInfoRead(bms); });
            if (read != ExitDone)
                return read;
        }
        return context.print(
            bmsReport(bms, snapshot, system.bmsBlock(bms, 1), system.bmsBlock(bms, 2)));
    }

private:
    int bms = 0;
};

} // namespace

std::unique_ptr<Command> makeBmsCommand() {
    return std::make_unique<BmsCommand>();
}
