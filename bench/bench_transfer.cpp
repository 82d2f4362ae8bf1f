// Benchmark: a 256 KiB BMU image sent through the session to the in-process simulated BMU.
// Prints the time the packets took beside the pacing floor, one packet per 10 ms step
// after each acknowledgement, and their ratio: the tool's own overhead.

#include "firmware/packets.h"
#include "firmware/transfer.h"
#include "firmware/transferheader.h"
#include "link/bmusession.h"
#include "link/hexcommand.h"
#include "sim/bmusimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>

namespace {

constexpr int ImageSize = 256 * 1024;

int fail(const char* what) {
    std::fprintf(stderr, "bench_transfer: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    BmuSimulator simulator(SystemPreset::HighVoltage);
    simulator.setStatic(true);
    if (!simulator.listen())
        return fail("the simulator cannot listen");
    const SystemProfile& profile = simulator.device().profile();

    QByteArray image(ImageSize, '\0');
    for (int i = 0; i < ImageSize; ++i)
        image[i] = char((i * 131 + i / 251) & 0xFF);
    const QString section = profile.bmuRunning == SectionA ? "B" : "A";
    const QString header = appendCrcHex(firmwareHeaderText(
        FirmwareTarget::Bmu, profile.newBmu.main, profile.newBmu.sub, section, image.size()));

    BmuSession session;
    session.link()->setEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    QEventLoop loop;
    QObject::connect(session.link(), &BmuLink::connected, &loop, &QEventLoop::quit);
    session.link()->connectToBmu();
    loop.exec();
    if (!session.link()->isConnected())
        return fail("no link to the simulator");

    // The last acknowledgement is followed by the first result read, one result wait later.
    const QByteArray resultRead =
        hexToBytes(QLatin1String(targetInfo(FirmwareTarget::Bmu).resultRead));
    QElapsedTimer clock;
    qint64 resultReadAt = -1;
    QObject::connect(&simulator, &BmuSimulator::requestReceived, [&](const QByteArray& frame) {
        if (frame == resultRead && resultReadAt < 0)
            resultReadAt = clock.elapsed();
    });
    OperationResult result;
    QObject::connect(&session, &BmuSession::operationFinished, [&](const OperationResult& r) {
        result = r;
        loop.quit();
    });
    clock.start();
    session.start(new Transfer(
        TransferPlan::firmware(FirmwareTarget::Bmu, hexToBytes(header), splitIntoPackets(image))));
    loop.exec();
    if (result.outcome != Outcome::Done || resultReadAt < 0)
        return fail("no successful result");
    if (simulator.bmuFirmwareImage() != image)
        return fail("the image the simulator received differs from the file");

    const int packets = int(packetCountFor(ImageSize));
    const int stepMs = session.timing().packetGapMs;
    const double measured = (resultReadAt - session.timing().resultWaitMs) / 1000.0;
    const double floor = packets * stepMs / 1000.0;
    std::printf("image            %d bytes, %d packets\n", ImageSize, packets);
    std::printf("packets sent in  %.3f s (header to last acknowledgement)\n", measured);
    std::printf("pacing floor     %.3f s (%d packets x %d ms)\n", floor, packets, stepMs);
    std::printf("ratio            %.3f\n", measured / floor);
    std::printf("with result read %.3f s\n", clock.elapsed() / 1000.0);
    return 0;
}
