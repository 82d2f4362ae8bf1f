// Benchmark of voltaro-cli as a shell runs it, each run a fresh process on its built-in
// simulated BMU: the cold start of `--version`, `status --format json` from start to
// exit, and `history --records 200`. The status and the history are paced by the
// session's timers; each run is printed beside the floor those timers set, so the
// difference is what the program itself costs. Qt's coarse timers may fire up to 5% of
// their interval early, so a run can end a few milliseconds under its floor.

#include "bench/benchwait.h"
#include "history/historyread.h"

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

namespace {

// The median wall time in ms of `runs` runs, or -1 when one did not end with exit code 0.
qint64 medianRun(const QStringList& arguments, int runs = 5) {
    QTemporaryDir folder;
    QVector<qint64> ms;
    for (int i = 0; i < runs; ++i) {
        QProcess program;
        program.setWorkingDirectory(folder.path());
        program.setStandardOutputFile(QProcess::nullDevice());
        program.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        program.start(QStringLiteral(VOLTARO_CLI), arguments);
        if (!program.waitForFinished(300000) || program.exitStatus() != QProcess::NormalExit ||
            program.exitCode() != 0)
            return -1;
        ms.append(clock.elapsed());
    }
    std::sort(ms.begin(), ms.end());
    return ms[runs / 2];
}

void report(const char* what, qint64 medianMs, qint64 floorMs) {
    std::printf("%-34s median %7.3f s; floor %7.3f s, above it %6.3f s\n", what, medianMs / 1000.0,
                floorMs / 1000.0, (medianMs - floorMs) / 1000.0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const SessionTiming t;
    // The refresh: the second status read one step after the first, then the setup read and
    // the first BMS: its readiness poll, then four pages one step apart.
    const qint64 refreshFloor = t.statusStepMs + t.bmsInfoPollMs + 4 * t.bmsInfoPageMs;
    // Each history block: the readiness poll one page step after the request's echo (the
    // echo re-arms the poll), five pages one step apart, then the wait before the next block
    // (the last block ends after it too).
    const qint64 blockFloor =
        (1 + HistoryRead::PagesPerBlock) * t.historyPageMs + t.historyNextBlockMs;
    const qint64 version = medianRun({"--version"});
    const qint64 status = medianRun({"--demo", "status", "--format", "json"});
    const qint64 history =
        medianRun({"--demo", "history", "--records", "200", "--format", "json"}, 1);
    if (version < 0 || status < 0 || history < 0) {
        std::fprintf(stderr, "bench_cli: a run of %s failed\n", VOLTARO_CLI);
        return 1;
    }
    report("--version (cold start)", version, 0);
    report("--demo status --format json", status, refreshFloor);
    report("--demo history --records 200", history,
           refreshFloor + 200 / HistoryRead::RecordsPerBlock * blockFloor);
    return 0;
}
