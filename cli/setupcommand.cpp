// setup: the settings the BMU holds, or a write of new ones followed by what it holds then.
#include "cli/clitext.h"
#include "cli/command.h"
#include "cli/console.h"
#include "cli/exitcode.h"
#include "cli/setupvalues.h"
#include "config/setup.h"
#include "config/setupwrite.h"
#include "monitor/systemsnapshot.h"

#include <QCommandLineParser>

namespace {

// Functions, not constants: the descriptions are translated after main() installs the
// catalogue.
QCommandLineOption inverterOption() {
    return QCommandLineOption{QStringLiteral("inverter"), Cli::tr("The inverter, by its name."),
                              QStringLiteral("NAME")};
}
QCommandLineOption modulesOption() {
    return QCommandLineOption{
        QStringLiteral("modules"),
        Cli::tr("Modules in series (per tower, high voltage) or in parallel (low voltage), "
                "0 to 255."),
        QStringLiteral("N")};
}
QCommandLineOption batteryTypeOption() {
    return QCommandLineOption{QStringLiteral("battery-type"),
                              Cli::tr("The battery type, by its name."), QStringLiteral("T")};
}
QCommandLineOption gridOption() {
    return QCommandLineOption{QStringLiteral("grid"), Cli::tr("off, on or backup."),
                              QStringLiteral("G")};
}
QCommandLineOption phaseOption() {
    return QCommandLineOption{QStringLiteral("phase"), Cli::tr("single or three."),
                              QStringLiteral("P")};
}

QStringList namesOf(const QVector<InverterEntry>& entries) {
    QStringList names;
    for (const InverterEntry& entry : entries)
        names << QLatin1String(entry.name);
    return names;
}

// The name as the list writes it, found without regard to case; empty when not listed.
QString listed(const QString& name, const QStringList& names) {
    for (const QString& candidate : names)
        if (candidate.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return candidate;
    return {};
}

class SetupCommand : public SystemCommand {
public:
    QString name() const override { return QStringLiteral("setup"); }
    QString summary() const override {
        return Cli::tr("Show the setup, or write the settings given (the others stay) and "
                       "show what the BMU then holds.");
    }
    QList<QCommandLineOption> options() const override {
        return {inverterOption(), modulesOption(), batteryTypeOption(), gridOption(),
                phaseOption()};
    }

    bool take(const QCommandLineParser& parser, QString* error) override {
        if (!parser.positionalArguments().isEmpty()) {
            *error = Cli::tr("setup takes no arguments, only options.");
            return false;
        }
        for (const QCommandLineOption& option : options())
            writes = writes || parser.isSet(option);
        // What can be refused without the system is refused before connecting.
        if (parser.isSet(inverterOption())) {
            inverter = listed(parser.value(inverterOption()), namesOf(inverterTable()));
            if (inverter.isEmpty()) {
                *error = Cli::tr("Unknown inverter \"%1\"; one of: %2. Nothing was written.")
                             .arg(parser.value(inverterOption()),
                                  namesOf(inverterTable()).join(QStringLiteral(", ")));
                return false;
            }
        }
        modulesGiven = parser.isSet(modulesOption());
        modules = parser.value(modulesOption());
        // The count is checked by the rule of the write itself, with any listed inverter.
        if (modulesGiven &&
            composeSetupBytes(QLatin1String(inverterTable().first().name), modules, 0, 0, 0)
                    .outcome == SetupBytes::BadModuleCount) {
            *error = setupRefusalMessage(SetupBytes::BadModuleCount);
            return false;
        }
        batteryType = parser.value(batteryTypeOption());
        grid = parser.isSet(gridOption()) ? gridIndexOf(parser.value(gridOption())) : Unchanged;
        phase = parser.isSet(phaseOption()) ? phaseIndexOf(parser.value(phaseOption())) : Unchanged;
        if (grid == -1 || phase == -1) {
            *error = grid == -1 ? Cli::tr("--grid must be off, on or backup.")
                                : Cli::tr("--phase must be single or three.");
            return false;
        }
        return true;
    }

    int runOn(CommandContext& context, SystemLink& system) override {
        if (writes) {
            const int code = write(context, system);
            if (code != ExitDone)
                return code;
        }
        Report report;
        addSetupFields(report, system.snapshot(), QString());
        if (report.fields.isEmpty()) {
            context.console.error(Cli::tr("The BMU did not report its setup."));
            return ExitFailed;
        }
        return context.print(report);
    }

private:
    static constexpr int Unchanged = -2;

    int write(CommandContext& context, SystemLink& system) {
        const SystemSnapshot& snapshot = system.snapshot();
        if (!snapshot.setup) {
            context.console.error(
                Cli::tr("The BMU did not report its setup. Nothing was written."));
            return ExitFailed;
        }
        const SetupSelection& now = *snapshot.setup;
        const QStringList familyInverters = namesOf(invertersOf(snapshot.family()));
        const QString inverterName = inverter.isEmpty() ? now.inverterName : inverter;
        if (!familyInverters.contains(inverterName)) {
            context.console.error(
                Cli::tr("\"%1\" is not an inverter of this system; one "
                        "of: %2. Nothing was written.")
                    .arg(inverterName, familyInverters.join(QStringLiteral(", "))));
            return ExitUsage;
        }
        const QStringList types = batteryTypeNames(snapshot.family());
        const int typeIndex = batteryType.isEmpty() ? now.batteryTypeIndex
                                                    : types.indexOf(listed(batteryType, types));
        if (typeIndex < 0) {
            context.console.error(Cli::tr("Unknown battery type \"%1\"; one of: %2. "
                                          "Nothing was written.")
                                      .arg(batteryType, types.join(QStringLiteral(", "))));
            return ExitUsage;
        }
        // On a high-voltage system the count is the modules per tower; the tower digit stays
        // as the BMU reported it.
        const SetupBytes bytes = composeSetupWrite(
            snapshot, inverterName,
            modulesGiven ? modules : QString::number(setupModuleCount(snapshot)), typeIndex,
            grid == Unchanged ? now.gridIndex : grid, phase == Unchanged ? now.phaseIndex : phase);
        if (bytes.outcome != SetupBytes::Ok) {
            context.console.error(setupRefusalMessage(bytes.outcome));
            return ExitUsage;
        }
        // The write ends with a refresh: the snapshot then holds what the BMU holds.
        return system.run(new SetupWrite(bytes.bytes));
    }

    bool writes = false;
    QString inverter;
    bool modulesGiven = false;
    QString modules;
    QString batteryType;
    int grid = Unchanged;
    int phase = Unchanged;
};

} // namespace

std::unique_ptr<Command> makeSetupCommand() {
    return std::make_unique<SetupCommand>();
}
