// Downloads from a real FTP server on the loopback interface, started per test.

#include "app/settings.h"
#include "firmware/download.h"
#include "link/bmusession.h"
#include "tests/firmware/ftpserverprocess.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray contentOf(const QString& name) {
    QByteArray bytes = name.toUtf8() + ':';
    for (int i = 0; bytes.size() < 700 + name.size() * 37; ++i)
        bytes.append(char((i * 31 + name.size()) & 0xFF));
    return bytes;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestDownload : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void downloadRun_data();
    void downloadRun();
    void stalledDownload();

private:
    void runDownload(quint16 port, const QString& finalLine, bool abandonsSessions = false);
    void checkRun(const QByteArray& index, const QStringList& serverFiles,
                  const QStringList& localFiles, const QStringList& stalled, bool serverUp,
                  const QStringList& fetched, const QStringList& lines);

    QTemporaryDir work;
    QTemporaryDir serverRoot;
    QString previousFolder;
    FtpServerProcess server;
    BmuSession* session = nullptr;
    QStringList paneHistory; // every line the pane has shown, in order
};

void TestDownload::init() {
    QVERIFY(work.isValid() && serverRoot.isValid());
    previousFolder = QDir::currentPath();
    QDir::setCurrent(work.path());
    QVERIFY(QDir(serverRoot.path()).mkpath("Data"));
    session = new BmuSession;
    paneHistory.clear();
    connect(session, &BmuSession::note, this, [this](const PaneNote& note) {
        if (note.kind != PaneNote::Kind::Clear)
            paneHistory << note.text;
    });
}

void TestDownload::cleanup() {
    delete session;
    session = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    server.stop();
    QDir::setCurrent(previousFolder);
    QDir(work.path()).removeRecursively();
    QDir(serverRoot.path()).removeRecursively();
    QDir().mkpath(work.path());
    QDir().mkpath(serverRoot.path());
}

void TestDownload::runDownload(quint16 port, const QString& finalLine, bool abandonsSessions) {
    UpdateServer updateServer;
    updateServer.host = QStringLiteral("127.0.0.1");
    updateServer.port = port;
    updateServer.watchdogMs = 400;
    QSignalSpy ended(session, &BmuSession::operationFinished);
    QVERIFY(session->start(new Download(updateServer, QDir(work.path()).filePath("Data"))));
    QVERIFY(session->isBusy());
    QVERIFY(ended.wait(20000));
    QCOMPARE(paneHistory.last(), finalLine);
    // The run closes its sessions to the server once it is over (Qt never closes the
    // session of an abandoned transfer).
    if (server.isRunning() && !abandonsSessions)
        QTRY_COMPARE(server.sessionsClosed(), server.sessionsOpened());
}

void TestDownload::downloadRun_data() {
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QStringList>("serverFiles");
    QTest::addColumn<QStringList>("localFiles");
    QTest::addColumn<bool>("serverUp");
    QTest::addColumn<QStringList>("fetched");
    QTest::addColumn<QStringList>("lines");

    const QString success = "Download firmware file success. Please connect the WiFi of battery "
                            "system then click 'Update' to start updating Firmware!";
    const QString latest = "Please connect the WiFi of battery system and refresh the system "
                           "info. Then choose 'BMU' or 'BMS' to update the Firmware. ";
    const QString failure = "Download failure, please check the internet connection. ";
    const QStringList abc{"a.bin", "b.bin", "c.bin"};

    QTest::newRow("all files present")
        << QByteArray("a.bin\nb.bin\nc.bin\n") << abc << abc << true << QStringList{"/Data/log.txt"}
        << QStringList{"The local Firmware have been latest.", latest};
    QTest::newRow("some missing, each fetched once")
        << QByteArray("a.bin\nb.bin\nc.bin\n") << abc << QStringList{"b.bin"} << true
        << QStringList{"/Data/log.txt", "/Data/a.bin", "/Data/c.bin"}
        << QStringList{"Obtaining file information. Please wait...",
                       "Obtain file information success.",
                       "Downloading Firmware: 2 of 2. Please wait...", success};
    QTest::newRow("name differing only in case")
        << QByteArray("QPA-TAB-2-3.7.bin\r\n") << QStringList{"QPA-TAB-2-3.7.bin"}
        << QStringList{"qpa-tab-2-3.7.bin"} << true
        << QStringList{"/Data/log.txt", "/Data/QPA-TAB-2-3.7.bin"}
        << QStringList{"Downloading Firmware: 1 of 1. Please wait...", success};
    QTest::newRow("single missing file fetched once")
        << QByteArray("  a.bin  \n") << abc << QStringList{} << true
        << QStringList{"/Data/log.txt", "/Data/a.bin"}
        << QStringList{"Downloading Firmware: 1 of 1. Please wait...", success};
    QTest::newRow("blank line in the index")
        << QByteArray("a.bin\n\nb.bin\n") << abc << QStringList{} << true
        << QStringList{"/Data/log.txt", "/Data/a.bin", "/Data/b.bin"}
        << QStringList{"Downloading Firmware: 2 of 2. Please wait...", success};
    QTest::newRow("server down: three attempts, failure")
        << QByteArray() << QStringList{} << QStringList{} << false << QStringList{}
        << QStringList{"Download file occur error: ConnectionRefusedError",
                       "Trying to re-Download No.2 time",
                       "Download file occur error: ConnectionRefusedError",
                       "Trying to re-Download No.3 time",
                       "Download file occur error: ConnectionRefusedError",
                       failure};
}

void TestDownload::downloadRun() {
    QFETCH(QByteArray, index);
    QFETCH(QStringList, serverFiles);
    QFETCH(QStringList, localFiles);
    QFETCH(bool, serverUp);
    QFETCH(QStringList, fetched);
    QFETCH(QStringList, lines);
    checkRun(index, serverFiles, localFiles, {}, serverUp, fetched, lines);
}

// Qt's FTP backend keeps the session of a transfer abandoned mid-way alive for good, so
// this case runs in a process of its own (ctest entry tst_download_stall) without leak
// checking.
void TestDownload::stalledDownload() {
    if (!qEnvironmentVariableIsSet("VOLTARO_STALL_TEST"))
        QSKIP("runs as tst_download_stall, in a process of its own");
    const QStringList abc{"a.bin", "b.bin", "c.bin"};
    checkRun("a.bin\n", abc, {}, {"a.bin"}, true,
             {"/Data/log.txt", "/Data/a.bin", "/Data/a.bin", "/Data/a.bin"},
             {"Download file occur error: TimeoutError", "Trying to re-Download No.2 time",
              "Download file occur error: TimeoutError", "Trying to re-Download No.3 time",
              "Download file occur error: TimeoutError",
              "Download failure, please check the internet connection. "});
}

void TestDownload::checkRun(const QByteArray& index, const QStringList& serverFiles,
                            const QStringList& localFiles, const QStringList& stalled,
                            bool serverUp, const QStringList& fetched, const QStringList& lines) {
    const QDir served(serverRoot.filePath("Data"));
    writeFile(served.filePath("log.txt"), index);
    for (const QString& name : serverFiles)
        writeFile(served.filePath(name), contentOf(name));
    QVERIFY(QDir(work.path()).mkpath("Data"));
    const QDir local(work.filePath("Data"));
    for (const QString& name : localFiles)
        writeFile(local.filePath(name), "kept as it is");

    quint16 port = 0;
    if (serverUp) {
        server.start(serverRoot.path(), stalled);
        port = server.port();
        QVERIFY(port != 0);
    } else {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort(); // free once the probe closes
    }
    runDownload(port, lines.last(), !stalled.isEmpty());
    if (QTest::currentTestFailed())
        return;

    // The lines appeared in this order, with other lines between them allowed.
    int at = 0;
    for (const QString& line : lines) {
        at = paneHistory.indexOf(line, at);
        QVERIFY2(at >= 0,
                 qPrintable("missing line: " + line + "\nshown:\n" + paneHistory.join('\n')));
        ++at;
    }
    QCOMPARE(server.retrievals(), fetched);

    for (const QString& path : fetched) {
        const QString name = path.mid(6);
        const QByteArray expected = name == "log.txt" ? index : contentOf(name);
        if (stalled.contains(name))
            QVERIFY2(!local.exists(name), "a stalled download must not leave the file");
        else
            QCOMPARE(readFile(local.filePath(name)), expected);
    }
    for (const QString& name : localFiles)
        QCOMPARE(readFile(local.filePath(name)), QByteArray("kept as it is"));
    QCOMPARE(local.entryList({"*.part"}, QDir::Files), QStringList{});
}

QTEST_GUILESS_MAIN(TestDownload)
#include "tst_download.moc"
