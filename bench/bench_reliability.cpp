// Benchmark of the tool under hostile input, with the figures of the README's reliability
// section:
//   - the frame assembler under a 1 MB flood that holds no valid frame, fed at once and in
//     4 KB reads (the longest single read);
//   - the peak memory of a process reading a 63 KB workbook holding one 60 MB text;
//   - the longest stall of the window's thread while a 200 000-row log is translated,
//     as the longest gap between the ticks of a 10 ms timer;
//   - connection attempts against a BMU that accepts and closes every connection at once,
//     with the link's own back-off.
//
//   bench_reliability [seconds]   runs all four, the last for that long (default 60)
//   bench_reliability --peak-rss FILE   (internal) reads FILE and prints its peak RSS

#include "bench/benchwait.h"
#include "files/spreadsheetreader.h"
#include "files/translationrun.h"
#include "files/workbookbuilder.h"
#include "link/frameassembler.h"

#include <QProcess>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace {

// Peak resident memory of this process so far, in MB.
double peakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void assemblerFlood() {
    constexpr int size = 1 << 20;
    QByteArray headers; // the longest read reply's header again and again, no CRC good
    while (headers.size() < size)
        headers.append("\x01\x03\xF8", 3);
    QByteArray noise(size, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char& byte : noise)
        byte = char(random.bounded(256));
    for (const auto& [name, flood] : {std::pair<const char*, QByteArray>{"random bytes", noise},
                                      {"read headers every 3rd byte", headers}}) {
        FrameAssembler atOnce;
        QElapsedTimer clock;
        clock.start();
        atOnce.feed(flood);
        const double wholeMs = clock.nsecsElapsed() / 1e6;
        FrameAssembler inReads;
        double longestMs = 0;
        for (int offset = 0; offset < size; offset += 4096) {
            clock.restart();
            inReads.feed(flood.mid(offset, 4096));
            longestMs = qMax(longestMs, clock.nsecsElapsed() / 1e6);
        }
        std::printf("assembler, 1 MB of %s: %.1f ms at once; longest 4 KB read %.3f ms\n", name,
                    wholeMs, longestMs);
    }
}

void stringBombMemory(const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("bomb.xlsx"));
    // One cell showing a 60 MB run of one letter, which deflates to some 60 KB.
    const Parts bomb =
        WorkbookBuilder::sharedStringBook("<si><t>" + QByteArray(60 << 20, 'a') + "</t></si>");
    if (!WorkbookBuilder::writeZip(path, bomb, Z_BEST_COMPRESSION)) {
        std::printf("string bomb: cannot write %s\n", qPrintable(path));
        return;
    }
    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--peak-rss"), path});
    reader.waitForFinished(600000);
    std::printf("%.0f KB workbook with a 60 MB shared string: %s", QFile(path).size() / 1024.0,
                reader.readAllStandardOutput().constData());
}

void translationStall(const QString& folder) {
    constexpr int rows = 200000;
    const QString path = QDir(folder).filePath(QStringLiteral("log.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("Date&Time\tCode\tDescription\tLog Data\t\n");
    for (int i = 0; i < rows; ++i)
        file.write("2023-04-17 08:05:03\t02\tPower OFF\t03 0c 00 00 00 00 00 00 00 00 00 00 00 "
                   "00 00 00 00 00 00 00 00 00 00 \t\n");
    file.close();

    MainWindow window;
    window.findChild<QRadioButton*>(QStringLiteral("radioBtn_BMU"))->setChecked(true);
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("table_Trans"));
    window.askOpenFileName = [path](QWidget*, const QString&, const QString&, const QString&) {
        return path;
    };
    StallMeter stall;
    QElapsedTimer total;
    total.start();
    window.findChild<QPushButton*>(QStringLiteral("Btn_TransFromFile"))->click();
    if (auto* run = window.findChild<TranslationRun*>())
        waitFor(run, &QObject::destroyed, 600000);
    stall.ticks.stop();
    std::printf("translating %d rows: %d rows shown after %.1f s; longest stall of the "
                "window's thread %lld ms\n",
                rows, table->rowCount(), total.elapsed() / 1000.0, stall.longestMs);
}

void reconnectAttempts(int seconds) {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return;
    int accepted = 0;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* peer = server.nextPendingConnection()) {
            accepted += 1;
            peer->close();
            peer->deleteLater();
        }
    });
    BmuLink link;
    link.setEndpoint(QStringLiteral("127.0.0.1"), server.serverPort());
    link.connectToBmu();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    std::printf("accept-and-close BMU: %d connection attempts in %d s (%.1f per minute)\n",
                accepted, seconds, accepted * 60.0 / seconds);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--peak-rss") {
        const double before = peakRssMb();
        const SheetReadResult result = readFirstWorksheet(QString::fromLocal8Bit(argv[2]));
        std::printf("peak RSS %.0f MB (%.0f MB before reading); %s\n", peakRssMb(), before,
                    result.ok() ? "read" : qPrintable(result.error));
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    assemblerFlood();
    stringBombMemory(folder.path());
    translationStall(folder.path());
    reconnectAttempts(argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 60);
    return 0;
}
