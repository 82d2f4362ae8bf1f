#include "cli/command.h"
#include "cli/console.h"
#include "cli/exitcode.h"

#include <QTextStream>

CommandContext::CommandContext(const GlobalOptions& options, Console& console,
                               InterruptWatch& interrupt)
    : options(options)
    , console(console)
    , interrupt(interrupt) {}

CommandContext::~CommandContext() = default;

SystemLink* CommandContext::openSystem(int* code) {
    if (!system) {
        system = std::make_unique<SystemLink>(options.link, console, interrupt);
        openCode = system->open();
        if (!system->snapshot().hasStatus)
            system.reset();
    }
    *code = openCode;
    return system.get();
}

int SystemCommand::run(CommandContext& context) {
    int code = ExitDone;
    SystemLink* system = context.openSystem(&code);
    return code == ExitDone ? runOn(context, *system) : code;
}

int CommandContext::print(const Report& report) {
    if (!options.outFile.isEmpty()) {
        const QString error = writeReportFile(options.outFile, report);
        if (!error.isEmpty()) {
            console.error(error);
            return ExitFileRefused;
        }
        return ExitDone;
    }
    QTextStream& out = console.out();
    switch (options.format) {
    case OutputFormat::Table:
        out << reportAsTable(report);
        break;
    case OutputFormat::Json:
        out << QString::fromUtf8(reportAsJson(report));
        break;
    case OutputFormat::Csv:
        out << reportAsCsv(report);
        break;
    }
    out.flush();
    return ExitDone;
}

int CommandContext::print(const Report& report, int operationCode) {
    const int printed = print(report);
    return operationCode != ExitDone ? operationCode : printed;
}

std::vector<std::unique_ptr<Command>> makeCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    for (auto make : {makeStatusCommand, makeBmsCommand, makeSetupCommand, makeHistoryCommand,
                      makeEventsCommand, makeDownloadCommand, makeFlashCommand, makeTableCommand,
                      makeTranslateCommand, makeCrcCommand, makePackageCommand})
        commands.push_back(make());
    return commands;
}
