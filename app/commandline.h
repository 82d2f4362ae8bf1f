#pragma once

#include <QString>
#include <QStringList>

// What the tool was asked to do on its command line.
struct CommandLine {
    bool setPassword = false; // --set-password ROLE PASSWORD: write Config.ini and exit
    QString role;
    QString password;
    bool demo = false;                     // --demo: run against an in-process simulated BMU
    QString system = QStringLiteral("hv"); // --system hv|lv|qpa5 (demo mode)
    QString bmu;                           // --bmu HOST[:PORT]
    QString updateServer;                  // --update-server ftp://HOST[:PORT]
    bool trace = false;                    // --trace: debug traces, one line per frame
    bool version = false;                  // --version: print the version and exit
    QString error;                         // non-empty: the arguments were not understood
    QString helpText;
};

CommandLine parseCommandLine(const QStringList& arguments);
