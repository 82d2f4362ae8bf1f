#pragma once

#include "link/bmusession.h"
#include "link/sessiontiming.h"
#include "sim/systemprofile.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class BmuSimulator;
class Console;
class InterruptWatch;

// How the command line reaches the battery system.
struct LinkSettings {
    QString host = QStringLiteral("192.168.4.1");
    quint16 port = 8080;
    bool demo = false; // a simulated BMU inside the program instead
    SystemPreset preset = SystemPreset::HighVoltage;
    SessionTiming timing;
    double simulatorScale = 1.0; // the simulated BMU's own delays, for tests
    int retries = 0;             // further attempts of a connection or a read that failed
    bool trace = false;          // every frame on the error stream
};

// The session with one battery system for a program without a window: connects, runs one
// operation after another to its end while the event loop turns, and says how each ended
// as an exit code, with the system's message on the error stream. Ctrl+C stops the
// running operation.
class SystemLink : public QObject {
    Q_OBJECT

public:
    SystemLink(const LinkSettings& settings, Console& console, InterruptWatch& interrupt);
    ~SystemLink() override;

    BmuSession& session() { return bmuSession; }
    const SystemSnapshot& snapshot() const { return bmuSession.snapshot(); }

    // Connects (starting the simulated BMU first in demo mode) and refreshes the system as
    // the Refresh button does. ExitDone, or the exit code after its message.
    int open();

    // Runs the operation to its end, its progress counted in `unit` when it reports any.
    int run(Operation* operation, const QString& unit = QString());
    // The same, made anew for each further attempt while it fails (a read, never a write).
    int runRead(const std::function<Operation*()>& make);

    // A BMS information block this session read, for BMS `bms` and pass 1 or 2.
    QByteArray bmsBlock(int bms, int pass) const { return bmsBlocks.value({bms, pass}); }
    // The lines the last operation wrote once its progress was complete: a transfer's verdict.
    QStringList closingNotes() const { return notesAfterProgress; }

private:
    int connectLink();
    void trace(const char* direction, const QByteArray& frame);
    void showNote(const PaneNote& note);

    LinkSettings settings;
    Console& console;
    InterruptWatch& interrupt;
    std::unique_ptr<BmuSimulator> simulator;
    BmuSession bmuSession;
    QHash<QPair<int, int>, QByteArray> bmsBlocks;
    QStringList notesShown;
    QStringList notesAfterProgress;
    bool progressComplete = false;
};
