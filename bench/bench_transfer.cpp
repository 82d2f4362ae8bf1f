// Benchmark: a 256 KiB BMU image sent through the main window to the in-process simulated
// BMU. Prints the time the packets took beside the pacing floor, one packet per 10 ms
// step after each acknowledgement, and their ratio: the tool's own overhead.

#include "app/login.h"
#include "app/mainwindow.h"
#include "link/crc.h"
#include "sim/bmusimulator.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

constexpr int ImageSize = 256 * 1024;
constexpr int StepMs = 10;

// Runs the event loop, idle between checks, until done() or the time is up.
bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(20);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

int fail(const char* what) {
    std::fprintf(stderr, "bench_transfer: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QDir().mkpath(QStringLiteral("Data"));

    BmuSimulator simulator(SystemPreset::HighVoltage);
    simulator.setStatic(true);
    if (!simulator.listen())
        return fail("the simulator cannot listen");
    const SystemProfile& profile = simulator.device().profile();

    QByteArray image(ImageSize, '\0');
    for (int i = 0; i < ImageSize; ++i)
        image[i] = char((i * 131 + i / 251) & 0xFF);
    const QString section = profile.bmuRunning == SectionA ? "B" : "A";
    QFile file(QStringLiteral("Data/BMU-%1-%2.%3-%4-%5.bin")
                   .arg(profile.familyCode)
                   .arg(profile.newBmu.main)
                   .arg(profile.newBmu.sub)
                   .arg(section, crcText(modbusCrc16(image))));
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        return fail("cannot write the image file");
    file.close();

    MainWindow window;
    emit window.loginWindow()->admin();
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    auto* connect = window.findChild<QPushButton*>(QStringLiteral("Btn_ConnectTCP"));
    connect->click();
    if (!waitUntil([&] { return connect->text() == QLatin1String("Disconnect"); }, 5000))
        return fail("no link to the simulator");
    for (QMessageBox* box : window.findChildren<QMessageBox*>())
        box->close();

    // The running versions and the battery type come from a refresh in a real session;
    // here the labels are set so that the image loads at once.
    window.findChild<QLabel*>(QStringLiteral("label_Batterytype"))
        ->setText(profile.batteryTypeName);
    window.findChild<QLabel*>(QStringLiteral("label_BMU"))
        ->setText(QStringLiteral("V%1-%2").arg(profile.bmuA.text(),
                                               profile.bmuRunning == SectionA ? "A" : "B"));
    auto* target = window.findChild<QComboBox*>(QStringLiteral("comboBox"));
    target->setCurrentIndex(1);
    target->setCurrentIndex(0);

    const int packets = ImageSize / 128 + 1;
    auto* pane = window.findChild<QTextEdit*>(QStringLiteral("textEdit_FW_Update"));
    QElapsedTimer clock;
    clock.start();
    window.findChild<QPushButton*>(QStringLiteral("BtnSendFW"))->click();
    if (!waitUntil([&] { return window.currentRequestState() == 13; }, packets * StepMs * 4))
        return fail("the packets did not all go out");
    const double measured = clock.elapsed() / 1000.0;
    if (!waitUntil([&] { return pane->toPlainText().endsWith("Update Successful!!!"); }, 15000))
        return fail("no successful result");
    if (simulator.bmuFirmwareImage() != image)
        return fail("the image the simulator received differs from the file");

    const double floor = packets * StepMs / 1000.0;
    std::printf("image            %d bytes, %d packets\n", ImageSize, packets);
    std::printf("packets sent in  %.3f s (header to last acknowledgement)\n", measured);
    std::printf("pacing floor     %.3f s (%d packets x %d ms)\n", floor, packets, StepMs);
    std::printf("ratio            %.3f\n", measured / floor);
    std::printf("with result read %.3f s\n", clock.elapsed() / 1000.0);
    return 0;
}
