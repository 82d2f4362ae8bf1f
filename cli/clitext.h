#pragma once

#include <QCoreApplication>

// The texts of the command-line tool: Cli::tr() looks them up in the "Cli" context of the
// catalogues. Keys of JSON and CSV, option names and exit codes are not texts.
class Cli {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};
