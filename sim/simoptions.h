#pragma once

#include "sim/systemprofile.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>

class BmuSimulator;

// The command line of voltaro-bmu-sim.
struct SimOptions {
    QHostAddress host = QHostAddress::LocalHost;
    quint16 port = 8080;
    SystemPreset preset = SystemPreset::HighVoltage;
    bool fixedValues = false;
    bool seeded = false;
    quint32 seed = 1;
    QString scenario;
    int splitSegments = 1;
    int splitPause = 20;
    int replyDelay = 0;
    int dropEvery = 0;
    int corruptEvery = 0;
    int closeAfter = 0;
    int readinessDelay = 200;
    QString prepareDemo; // prepare this folder and exit
    QString dataRoot;    // where the demo's Data folder goes, if not in prepareDemo
    bool help = false;
};

// Parses the arguments (the program name first). Returns false with a message when an
// option is unknown or its value is not valid.
bool parseSimOptions(const QStringList& arguments, SimOptions* options, QString* error);
QString simOptionsHelp();

// Sets the simulator's values and faults from the options (not the address).
bool applySimOptions(const SimOptions& options, BmuSimulator& simulator, QString* error);
