// Benchmark of voltaro-cli as a shell runs it, each run a fresh process on its built-in
// simulated BMU: the cold start of `--version`, `status --format json` from start to
// exit, and `history --records 200`. The status and the history are paced by the
// session's timers; each run is printed beside the floor those timers set, so the
// difference is what the program itself costs. Qt's coarse timers may fire up to 5% of
// their interval early, so a run can end a few milliseconds under its floor.

#include "history/historyread.h"
#include "link/sessiontiming.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int ColdRuns = 5;
constexpr int HistoryRecords = 200;

// Wall time of one run in ms, or -1 when it did not end with exit code 0.
qint64 timedRun(const QStringList& arguments, const QString& folder) {
    QProcess program;
    program.setWorkingDirectory(folder);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(VOLTARO_CLI), arguments);
    if (!program.waitForFinished(300000) || program.exitStatus() != QProcess::NormalExit ||
        program.exitCode() != 0)
        return -1;
    return clock.elapsed();
}

// The refresh: the second status read one step after the first, then the setup read and
// the first BMS: its readiness poll, then four pages one step apart.
qint64 refreshFloorMs(const SessionTiming& t) {
    return t.statusStepMs + t.bmsInfoPollMs + 4 * t.bmsInfoPageMs;
}

// Each history block: the readiness poll one page step after the request's echo (the echo
// re-arms the poll), five pages one step apart, then the wait before the next block (the
// last block ends after it too).
qint64 historyFloorMs(const SessionTiming& t, int blocks) {
    return blocks * ((1 + HistoryRead::PagesPerBlock) * t.historyPageMs + t.historyNextBlockMs);
}

void report(const char* what, const std::vector<qint64>& runs, qint64 floorMs) {
    std::vector<qint64> sorted = runs;
    std::sort(sorted.begin(), sorted.end());
    const qint64 median = sorted[sorted.size() / 2];
    std::printf("%-34s median %7.3f s, best %7.3f s", what, median / 1000.0,
                sorted.front() / 1000.0);
    if (floorMs > 0)
        std::printf("; floor %7.3f s, above it %6.3f s", floorMs / 1000.0,
                    (median - floorMs) / 1000.0);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const SessionTiming timing;
    const int blocks =
        (HistoryRecords + HistoryRead::RecordsPerBlock - 1) / HistoryRead::RecordsPerBlock;

    std::vector<qint64> version, status, history;
    for (int i = 0; i < ColdRuns; ++i) {
        version.push_back(timedRun({"--version"}, folder.path()));
        status.push_back(timedRun({"--demo", "status", "--format", "json"}, folder.path()));
    }
    history.push_back(timedRun(
        {"--demo", "history", "--records", QString::number(HistoryRecords), "--format", "json"},
        folder.path()));
    for (const auto* runs : {&version, &status, &history})
        if (std::find(runs->begin(), runs->end(), -1) != runs->end()) {
            std::fprintf(stderr, "bench_cli: a run of %s failed\n", VOLTARO_CLI);
            return 1;
        }
    report("--version (cold start)", version, 0);
    report("--demo status --format json", status, refreshFloorMs(timing));
    report("--demo history --records 200", history,
           refreshFloorMs(timing) + historyFloorMs(timing, blocks));
    return 0;
}
