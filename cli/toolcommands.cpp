// crc and package: the two functions of the Tool page.
#include "cli/clitext.h"
#include "cli/command.h"
#include "cli/console.h"
#include "cli/exitcode.h"
#include "cli/fileinput.h"
#include "files/firmwarecheck.h"
#include "files/spreadsheetreader.h"
#include "files/tablepackage.h"
#include "firmware/firmwarefile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool oneFile(const QCommandLineParser& parser, const QString& command, QString* file,
             QString* error) {
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 1) {
        *error = Cli::tr("%1 needs one FILE.").arg(command);
        return false;
    }
    *file = arguments.first();
    return true;
}

class CrcCommand : public Command {
public:
    QString name() const override { return QStringLiteral("crc"); }
    QString summary() const override {
        return Cli::tr("The CRC of a firmware file in the form its name carries.");
    }
    QString arguments() const override { return QStringLiteral("FILE"); }
    bool take(const QCommandLineParser& parser, QString* error) override {
        return oneFile(parser, name(), &file, error);
    }

    int run(CommandContext& context) override {
        QString error = unreadableFileReason(file);
        const FirmwareCheck check = error.isEmpty() ? checkFirmwareFile(file) : FirmwareCheck();
        if (error.isEmpty())
            error = check.error;
        if (!error.isEmpty()) {
            context.console.error(error);
            return ExitFileRefused;
        }
        Report report;
        report.add("file", Cli::tr("File"), textValue(QDir::toNativeSeparators(file)));
        report.add("size_bytes", Cli::tr("Size (bytes)"), integerValue(check.size));
        report.add("crc", Cli::tr("CRC"), textValue(check.crc));
        // A file named as an image also says whether it is whole.
        if (const auto name = parseFirmwareFileName(QFileInfo(file).fileName())) {
            report.add("name_crc", Cli::tr("CRC in the name"), textValue(name->crcText));
            report.add("crc_matches", Cli::tr("CRC matches the name"),
                       boolValue(name->crcText == check.crc));
        }
        return context.print(report);
    }

private:
    QString file;
};

class PackageCommand : public Command {
public:
    QString name() const override { return QStringLiteral("package"); }
    QString summary() const override {
        return Cli::tr("Pack a parameter-table sheet into a table file in Data.");
    }
    QString arguments() const override { return QStringLiteral("SHEET"); }
    QList<QCommandLineOption> options() const override {
        return {{QStringLiteral("type"),
                 Cli::tr("The battery type: %1.").arg(packagingBatteryTypes().join(", ")),
                 QStringLiteral("NAME")}};
    }

    bool take(const QCommandLineParser& parser, QString* error) override {
        if (!oneFile(parser, name(), &sheetFile, error))
            return false;
        type = parser.value(QStringLiteral("type")).toUpper();
        if (!packagingBatteryTypes().contains(type)) {
            *error = Cli::tr("package needs --type, one of: %1.")
                         .arg(packagingBatteryTypes().join(QStringLiteral(", ")));
            return false;
        }
        return true;
    }

    int run(CommandContext& context) override {
        QString error = unreadableFileReason(sheetFile);
        const SheetReadResult sheet =
            error.isEmpty() ? readFirstWorksheet(sheetFile) : SheetReadResult();
        const TablePackage package = packageParameterTable(sheet.rows, type);
        if (error.isEmpty() && (!sheet.ok() || !package.ok()))
            error = sheetFile + QStringLiteral(": ") + (!sheet.ok() ? sheet.error : package.error);
        // The package is complete before anything is written, and QSaveFile only replaces
        // the target once every byte is on disk: a refused sheet leaves no file behind.
        const QDir data(QDir::current().filePath(QStringLiteral("Data")));
        if (error.isEmpty() && !QDir().mkpath(data.path()))
            error = Cli::tr("The folder %1 cannot be created.").arg(data.path());
        const QString path = data.filePath(package.fileName);
        if (error.isEmpty()) {
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(package.content) != package.content.size() || !file.commit())
                error = Cli::tr("%1 cannot be written: %2").arg(path, file.errorString());
        }
        if (!error.isEmpty()) {
            context.console.error(error);
            return ExitFileRefused;
        }
        Report report;
        report.add("file", Cli::tr("Table file"), textValue(QDir::toNativeSeparators(path)));
        report.add("size_bytes", Cli::tr("Size (bytes)"), integerValue(package.content.size()));
        return context.print(report);
    }

private:
    QString sheetFile;
    QString type;
};

} // namespace

std::unique_ptr<Command> makeCrcCommand() {
    return std::make_unique<CrcCommand>();
}

std::unique_ptr<Command> makePackageCommand() {
    return std::make_unique<PackageCommand>();
}
