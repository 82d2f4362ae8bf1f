#pragma once

#include <QStringList>

class QTextStream;

// What the surroundings of a run change: tests run the same commands at scaled timing.
struct CliEnvironment {
    double timeScale = 1.0; // every interval of the session and of a simulated BMU multiplied
};

// Runs the command line `arguments` (the program name first): the results on `out`,
// messages, progress and the frame trace on `err`. Returns the exit code (exitcode.h).
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err, bool errIsTerminal,
           const CliEnvironment& environment = CliEnvironment());
