// Benchmark: the session's paced operations against the in-process simulated BMU on
// loopback: BMS information and history reads at the system's pace and with fast reads,
// without and with a reply delay, and a 256 KiB BMU firmware image. Prints each run's wall
// time beside its floor and their ratio:
// - a read's floor is the exchanges it needs times the reply delay, plus the time the BMU
//   takes to prepare each block;
// - the image's floor is one packet per 10 ms step after each acknowledgement; its time
//   runs from the start to the last acknowledgement (the first result read comes one
//   result wait after it), so the ratio is the tool's own overhead.
//
//   bench_reads [--quick]   (--quick: 200 records only, no 1000-record read at the system's pace)

#include "bench/benchwait.h"
#include "firmware/packets.h"
#include "firmware/transfer.h"
#include "firmware/transferheader.h"
#include "history/historyread.h"
#include "link/hexcommand.h"
#include "monitor/bmsinforead.h"

namespace {

constexpr int PreparationMs = 200; // the simulator's default readiness delay
constexpr int ImageSize = 256 * 1024;

// The image for the section the BMU does not run.
Operation* imageTransfer(const SystemProfile& profile, const QByteArray& image) {
    const QString header = appendCrcHex(
        firmwareHeaderText(FirmwareTarget::Bmu, profile.newBmu.main, profile.newBmu.sub,
                           profile.bmuRunning == SectionA ? "B" : "A", image.size()));
    return new Transfer(
        TransferPlan::firmware(FirmwareTarget::Bmu, hexToBytes(header), splitIntoPackets(image)));
}

// Runs a history read of `records`, BMS information (0) or the image (-1) on a fresh
// session and simulator and prints its line; false when it did not succeed.
bool timeRun(int records, int replyDelayMs, bool fast) {
    BmuSimulator simulator(SystemPreset::HighVoltage);
    simulator.setStatic(true);
    simulator.setReadinessDelay(PreparationMs);
    simulator.setReplyDelay(replyDelayMs);
    BmuSession session;
    SessionTiming timing;
    timing.fastReads = fast;
    session.setTiming(timing);
    if (!simulator.listen())
        return false;
    session.link()->setEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    session.link()->connectToBmu();
    if (!waitFor(session.link(), &BmuLink::connected))
        return false;
    QByteArray image;
    for (int i = 0; records < 0 && i < ImageSize; ++i)
        image.append(char((i * 131 + i / 251) & 0xFF));
    const QByteArray resultRead = hexToBytes(targetInfo(FirmwareTarget::Bmu).resultRead);
    QElapsedTimer clock;
    qint64 lastAcknowledgement = -1;
    QObject::connect(&simulator, &BmuSimulator::requestReceived, [&](const QByteArray& frame) {
        if (frame == resultRead && lastAcknowledgement < 0)
            lastAcknowledgement = clock.elapsed() - timing.resultWaitMs;
    });
    OperationResult result;
    QObject::connect(&session, &BmuSession::operationFinished,
                     [&](const OperationResult& r) { result = r; });
    const int blocks = qMax(1, (records + 19) / 20);
    clock.start();
    if (records != 0)
        session.start(records > 0 ? new HistoryRead(0, blocks)
                                  : imageTransfer(simulator.device().profile(), image));
    else
        session.start(new BmsInfoRead(1));
    waitFor(&session, &BmuSession::operationFinished, 600000);
    if (result.outcome != Outcome::Done || simulator.bmuFirmwareImage() != image)
        return false;
    const int exchanges = simulator.requestCount();
    const double wall = (records < 0 ? lastAcknowledgement : clock.elapsed()) / 1000.0;
    const double floor = records < 0 ? int(packetCountFor(ImageSize)) * timing.packetGapMs / 1000.0
                                     : (exchanges * replyDelayMs + blocks * PreparationMs) / 1000.0;
    std::printf("%-16s %7d %4dms %-7s %9d %9.2f %9.2f %6.2f\n",
                records > 0    ? "history"
                : records == 0 ? "BMS information"
                               : "BMU image 256K",
                qMax(0, records), replyDelayMs, fast ? "fast" : "system", exchanges, wall, floor,
                wall / floor);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    std::printf("%-16s %7s %6s %-7s %9s %9s %9s %6s\n", "run", "records", "delay", "pace",
                "requests", "wall s", "floor s", "ratio");
    for (int delay : {0, 30}) {
        for (bool fast : {false, true}) {
            for (int records : {0, 200, 1000}) {
                if ((records < 1000 || fast || !quick) && !timeRun(records, delay, fast))
                    return 1;
            }
        }
    }
    return timeRun(-1, 0, false) ? 0 : 1;
}
