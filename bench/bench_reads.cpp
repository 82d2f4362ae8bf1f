// Benchmark: paged reads at the system's pace and with fast reads, against the
// in-process simulated BMU on loopback and with a reply delay. Prints each read's wall
// time beside its floor: the exchanges it needs times the reply delay, plus the time the
// BMU takes to prepare each block.
//
//   bench_reads [--quick]   (--quick: 200 records only, no 1000-record read at the system's pace)

#include "history/historyread.h"
#include "link/bmusession.h"
#include "monitor/bmsinforead.h"
#include "sim/bmusimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>

namespace {

constexpr int PreparationMs = 200; // the simulator's default readiness delay

struct Run {
    const char* what;
    int records; // 0: one BMS information read
    int replyDelayMs;
    bool fast;
};

// Runs one operation on a fresh session and simulator; the wall time in seconds, or -1.
double timeRun(const Run& run, int* exchanges) {
    BmuSimulator simulator(SystemPreset::HighVoltage);
    simulator.setStatic(true);
    simulator.setReadinessDelay(PreparationMs);
    simulator.setReplyDelay(run.replyDelayMs);
    if (!simulator.listen())
        return -1;
    BmuSession session;
    SessionTiming timing;
    timing.fastReads = run.fast;
    session.setTiming(timing);
    session.link()->setEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    QEventLoop loop;
    QObject::connect(session.link(), &BmuLink::connected, &loop, &QEventLoop::quit);
    QObject::connect(&session, &BmuSession::operationFinished, &loop, &QEventLoop::quit);
    session.link()->connectToBmu();
    loop.exec();

    const int before = simulator.requestCount();
    QElapsedTimer clock;
    clock.start();
    if (run.records > 0)
        session.start(new HistoryRead(0, (run.records + 19) / 20));
    else
        session.start(new BmsInfoRead(1));
    loop.exec();
    *exchanges = simulator.requestCount() - before;
    return clock.elapsed() / 1000.0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    QVector<Run> runs;
    for (int delay : {0, 30}) {
        for (bool fast : {false, true}) {
            runs.append({"BMS information", 0, delay, fast});
            runs.append({"history", 200, delay, fast});
            if (fast || !quick)
                runs.append({"history", 1000, delay, fast});
        }
    }
    std::printf("%-16s %7s %6s %-7s %9s %9s %9s %6s\n", "read", "records", "delay", "pace",
                "requests", "wall s", "floor s", "ratio");
    for (const Run& run : runs) {
        int exchanges = 0;
        const double wall = timeRun(run, &exchanges);
        const int blocks = run.records > 0 ? (run.records + 19) / 20 : 1;
        const double floor = (exchanges * run.replyDelayMs + blocks * PreparationMs) / 1000.0;
        std::printf("%-16s %7d %4dms %-7s %9d %9.2f %9.2f %6.2f\n", run.what, run.records,
                    run.replyDelayMs, run.fast ? "fast" : "system", exchanges, wall, floor,
                    wall / floor);
        std::fflush(stdout);
    }
    return 0;
}
