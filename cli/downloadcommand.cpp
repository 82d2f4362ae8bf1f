// download: log.txt and the files it names that the Data folder lacks, from the update server.
#include "cli/clitext.h"
#include "cli/command.h"
#include "cli/console.h"
#include "cli/exitcode.h"
#include "firmware/download.h"

#include <QCommandLineParser>
#include <QDir>

namespace {

// A function, not a constant: its description is translated after main() installs the
// catalogue.
QCommandLineOption serverOption() {
    return QCommandLineOption{QStringLiteral("server"),
                              Cli::tr("The update server (default from Config.ini, group Update)."),
                              QStringLiteral("ftp://HOST[:PORT]")};
}

QStringList filesIn(const QDir& folder) {
    return folder.entryList(QDir::Files, QDir::Name);
}

class DownloadCommand : public Command {
public:
    QString name() const override { return QStringLiteral("download"); }
    QString summary() const override {
        return Cli::tr("Fetch log.txt and the missing firmware and table files into Data.");
    }
    QList<QCommandLineOption> options() const override { return {serverOption()}; }

    bool take(const QCommandLineParser& parser, QString* error) override {
        serverUrl = parser.value(serverOption());
        if (parser.isSet(serverOption()) && !parseUpdateServerUrl(serverUrl, &server)) {
            *error = Cli::tr("--server must be ftp://HOST or ftp://HOST:PORT.");
            return false;
        }
        return true;
    }

    int run(CommandContext& context) override {
        UpdateServer target = context.options.updateServer;
        if (!serverUrl.isEmpty()) {
            target.host = server.host;
            target.port = server.port;
        }
        // The folder the window downloads into, beside the working directory.
        const QDir data(QDir::current().filePath(QStringLiteral("Data")));
        if (!data.exists() && !QDir().mkpath(data.path())) {
            context.console.error(Cli::tr("The folder %1 cannot be created.").arg(data.path()));
            return ExitFileRefused;
        }
        const QStringList before = filesIn(data);

        SystemLink link(context.options.link, context.console, context.interrupt);
        int code = link.run(new Download(target, data.path()), Cli::tr("bytes"));
        // The download says itself what failed; failing after its attempts means no server.
        if (code == ExitFailed)
            code = ExitUnreachable;

        QStringList arrived;
        for (const QString& file : filesIn(data))
            if (!before.contains(file) && file != QLatin1String("log.txt"))
                arrived << file;
        Report report;
        report.add("server", Cli::tr("Server"),
                   textValue(QStringLiteral("ftp://%1:%2").arg(target.host).arg(target.port)));
        report.add("data_folder", Cli::tr("Data folder"),
                   textValue(QDir::toNativeSeparators(data.absolutePath())));
        report.add("files_downloaded", Cli::tr("Files downloaded"),
                   listValue(arrived, Cli::tr("none")));
        return context.print(report, code);
    }

private:
    QString serverUrl;
    UpdateServer server;
};

} // namespace

std::unique_ptr<Command> makeDownloadCommand() {
    return std::make_unique<DownloadCommand>();
}
