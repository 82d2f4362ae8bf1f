// flash and table: a firmware image or a parameter table sent to the BMU, then its verdict.
#include "cli/clitext.h"
#include "cli/command.h"
#include "cli/console.h"
#include "cli/exitcode.h"
#include "cli/transferfiles.h"

#include <QCommandLineParser>
#include <QDir>

namespace {

QString dataFolder() {
    return QDir::current().filePath(QStringLiteral("Data"));
}

Report transferReport(const QString& what, const TransferChoice& choice,
                      const QStringList& verdict) {
    Report r;
    r.add("update", Cli::tr("Update"), textValue(what));
    r.add("file", Cli::tr("File"), textValue(QDir::toNativeSeparators(choice.path)));
    r.add("version", Cli::tr("Version"), textValue(choice.version));
    r.add("size_bytes", Cli::tr("Size (bytes)"), integerValue(choice.size));
    r.add("packets", Cli::tr("Packets"), integerValue(choice.plan.packets.size()));
    r.add("verdict", Cli::tr("Verdict"), listValue(verdict));
    return r;
}

// Sends the choice and reports the BMU's verdict; a choice that may not be sent is refused
// before anything goes out.
int send(CommandContext& context, SystemLink& system, const QString& what,
         const TransferChoice& choice) {
    if (!choice.ok()) {
        context.console.error(choice.refusal);
        return ExitFileRefused;
    }
    const int code = system.run(new Transfer(choice.plan), Cli::tr("packets"));
    if (code != ExitDone)
        return code;
    return context.print(transferReport(what, choice, system.closingNotes()));
}

class FlashCommand : public SystemCommand {
public:
    QString name() const override { return QStringLiteral("flash"); }
    QString summary() const override {
        return Cli::tr("Send a firmware image to the BMU or the BMS modules (default: the "
                       "one the window would choose from Data).");
    }
    QString arguments() const override { return QStringLiteral("bmu|bms [FILE]"); }
    QList<QCommandLineOption> options() const override {
        return {{QStringLiteral("force"),
                 Cli::tr("Send even an image the installer's check refuses (the same "
                         "version, an older sub version, another family).")}};
    }

    bool take(const QCommandLineParser& parser, QString* error) override {
        const QStringList arguments = parser.positionalArguments();
        const QString unit = arguments.value(0).toLower();
        if (unit != QLatin1String("bmu") && unit != QLatin1String("bms")) {
            *error = Cli::tr("flash needs the unit first: bmu or bms.");
            return false;
        }
        if (arguments.size() > 2) {
            *error = Cli::tr("flash takes one FILE at most.");
            return false;
        }
        target = unit == QLatin1String("bmu") ? FirmwareTarget::Bmu : FirmwareTarget::Bms;
        file = arguments.value(1);
        force = parser.isSet(QStringLiteral("force"));
        return true;
    }

    int runOn(CommandContext& context, SystemLink& system) override {
        const TransferChoice choice =
            chooseFirmware(system.snapshot(), target, dataFolder(), file, force);
        return send(context, system, Cli::tr("%1 firmware").arg(targetText(target)), choice);
    }

private:
    FirmwareTarget target = FirmwareTarget::Bmu;
    QString file;
    bool force = false;
};

class TableCommand : public SystemCommand {
public:
    QString name() const override { return QStringLiteral("table"); }
    QString summary() const override {
        return Cli::tr("Send a parameter table to the BMU (default: the newest for the "
                       "battery type in Data).");
    }
    QString arguments() const override { return QStringLiteral("[FILE]"); }

    bool take(const QCommandLineParser& parser, QString* error) override {
        const QStringList arguments = parser.positionalArguments();
        if (arguments.size() > 1) {
            *error = Cli::tr("table takes one FILE at most.");
            return false;
        }
        file = arguments.value(0);
        return true;
    }

    int runOn(CommandContext& context, SystemLink& system) override {
        return send(context, system, Cli::tr("parameter table"),
                    chooseTable(system.snapshot(), dataFolder(), file));
    }

private:
    QString file;
};

} // namespace

std::unique_ptr<Command> makeFlashCommand() {
    return std::make_unique<FlashCommand>();
}

std::unique_ptr<Command> makeTableCommand() {
    return std::make_unique<TableCommand>();
}
