#pragma once

#include "app/settings.h"
#include "cli/exitcode.h"
#include "cli/reportformat.h"
#include "cli/systemlink.h"

#include <QCommandLineOption>
#include <QList>

#include <memory>
#include <vector>

class Console;
class InterruptWatch;
class QCommandLineParser;

// The options every command takes.
struct GlobalOptions {
    LinkSettings link;
    UpdateServer updateServer;
    OutputFormat format = OutputFormat::Table;
    QString outFile; // --out: the report goes into this file instead
};

// What a running command can use: the options, the streams, and the battery system.
class CommandContext {
public:
    CommandContext(const GlobalOptions& options, Console& console, InterruptWatch& interrupt);
    ~CommandContext();

    const GlobalOptions& options;
    Console& console;
    InterruptWatch& interrupt;

    // The battery system, connected and refreshed, with the exit code of the refresh in
    // `code`. Null when it has no status to show; a refresh that read the status but failed
    // later (the first BMS did not answer) leaves the system and a code other than ExitDone.
    SystemLink* openSystem(int* code);

    // Prints the report in the chosen format, or writes it into the --out file.
    int print(const Report& report);
    // Prints the report, then ends with the code of the operation that produced it.
    int print(const Report& report, int operationCode);

private:
    std::unique_ptr<SystemLink> system;
    int openCode = ExitDone;
};

// One subcommand: its name, its own options and arguments, and what it does.
class Command {
public:
    virtual ~Command() = default;
    virtual QString name() const = 0;
    virtual QString summary() const = 0; // one line for the list of commands
    // The positional arguments as the usage line shows them ("N", "bmu|bms [FILE]").
    virtual QString arguments() const { return {}; }
    virtual QList<QCommandLineOption> options() const { return {}; }

    // Takes the parsed command line; false with what is wrong in `error` (a usage error).
    virtual bool take(const QCommandLineParser& parser, QString* error) = 0;
    virtual int run(CommandContext& context) = 0;
};

// A command on the battery system: it runs once the system is connected and refreshed; a
// refresh that failed ends it with its exit code.
class SystemCommand : public Command {
public:
    int run(CommandContext& context) final;

protected:
    virtual int runOn(CommandContext& context, SystemLink& system) = 0;
};

std::vector<std::unique_ptr<Command>> makeCommands();

// Factories of the command files.
std::unique_ptr<Command> makeStatusCommand();
std::unique_ptr<Command> makeBmsCommand();
std::unique_ptr<Command> makeSetupCommand();
std::unique_ptr<Command> makeHistoryCommand();
std::unique_ptr<Command> makeEventsCommand();
std::unique_ptr<Command> makeDownloadCommand();
std::unique_ptr<Command> makeFlashCommand();
std::unique_ptr<Command> makeTableCommand();
std::unique_ptr<Command> makeTranslateCommand();
std::unique_ptr<Command> makeCrcCommand();
std::unique_ptr<Command> makePackageCommand();
