#pragma once

// The program's exit codes, which scripts test.
enum ExitCode : int {
    ExitDone = 0,
    ExitFailed = 1,        // the BMU or the server refused, or the operation failed
    ExitUsage = 2,         // the command line was not understood
    ExitUnreachable = 3,   // the BMU or the update server cannot be reached
    ExitFileRefused = 4,   // a file cannot be read or written, or its content is refused
    ExitInterrupted = 130, // Ctrl+C, as shells report a program ended by SIGINT
};
