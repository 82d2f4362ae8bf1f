// Downloads from a real FTP server on the loopback interface, started per test, well-behaved
// or hostile (tests/firmware/ftpserver.py).

#include "app/settings.h"
#include "firmware/download.h"
#include "link/bmusession.h"
#include "link/crc.h"
#include "tests/firmware/ftpserverprocess.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Files = QMap<QString, QByteArray>; // file name → content

const QString success = "Download firmware file success. Please connect the WiFi of battery "
                        "system then click 'Update' to start updating Firmware!";
const QString latest = "The local Firmware have been latest.";
const QString latestHint = "Please connect the WiFi of battery system and refresh the system "
                           "info. Then choose 'BMU' or 'BMS' to update the Firmware. ";
const QString failure = "Download failure, please check the internet connection. ";
const QString oneOfTwo = "1 of 2 files downloaded; the others are named above.";

QByteArray contentOf(const QString& name) {
    QByteArray bytes = name.toUtf8() + ':';
    for (int i = 0; bytes.size() < 700 + name.size() * 37; ++i)
        bytes.append(char((i * 31 + name.size()) & 0xFF));
    return bytes;
}

// The files as the server offers them.
Files offered(const QStringList& names) {
    Files files;
    for (const QString& name : names)
        files.insert(name, contentOf(name));
    return files;
}

Files withIndex(const QByteArray& index, const QStringList& names) {
    Files files = offered(names);
    files.insert("log.txt", index);
    return files;
}

Files operator+(Files a, const Files& b) {
    a.insert(b);
    return a;
}

// A firmware image as the server offers it: its name carries the CRC of its content.
Files image(int version) {
    const QByteArray content = contentOf(QString::number(version));
    return {
        {QString("BMU-P3-1.%1-A-%2.bin").arg(version).arg(crcText(modbusCrc16(content))), content}};
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
}

} // namespace

class TestDownload : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Each group: served files, local files before, faults, RETRs, pane lines in order (the
    // last one ends the run), the Data folder after.
    void downloadRun_data();
    void downloadRun() { runScenario(); }
    void fullDisk_data();
    void fullDisk() { runScenario(); }
    void byteCountDecides_data();
    void byteCountDecides() { runScenario(); }
    void indexNeverReplacedByBadOne_data();
    void indexNeverReplacedByBadOne() { runScenario(); }
    void damagedLocalImageFetchedAgain_data();
    void damagedLocalImageFetchedAgain() { runScenario(); }
    void limitsAndCancel_data();
    void limitsAndCancel() { runScenario(); }
    void badEntrySkipped_data();
    void badEntrySkipped() { runScenario(); }

private:
    void addColumns();
    void runScenario();
    QString localPath(const QString& name) const { return work.filePath("Data/" + name); }

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
    QVERIFY(QDir(work.path()).mkpath("Data"));
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

void TestDownload::addColumns() {
    QTest::addColumn<Files>("served");
    QTest::addColumn<Files>("local");
    // "stall:NAME", "short:NAME", "no-size": the server's behaviour; "down": no server;
    // "wrong-password"; "cancel": once the stalled file is requested; "full-disk:NAME":
    // writing NAME fails as on a full disk.
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QStringList>("fetched");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<Files>("after");
}

void TestDownload::runScenario() {
    QFETCH(Files, served);
    QFETCH(Files, local);
    QFETCH(QStringList, faults);
    QFETCH(QStringList, fetched);
    QFETCH(QStringList, lines);
    QFETCH(Files, after);

    const QDir servedDir(serverRoot.filePath("Data"));
    for (auto file = served.cbegin(); file != served.cend(); ++file)
        writeFile(servedDir.filePath(file.key()), file.value());
    for (auto file = local.cbegin(); file != local.cend(); ++file)
        writeFile(localPath(file.key()), file.value());

    UpdateServer updateServer;
    updateServer.host = "127.0.0.1";
    updateServer.watchdogMs = 400;
    QStringList behaviour;
    QString stalled;
    for (const QString& fault : faults) {
        const QString kind = fault.section(':', 0, 0);
        const QString name = fault.section(':', 1);
        if (kind == "full-disk") // every write into the file fails with "no space left"
            QVERIFY(QFile::link("/dev/full", localPath(name + ".part")));
        else if (kind == "wrong-password")
            updateServer.password = "not the password";
        else if (kind != "down" && kind != "cancel")
            behaviour << "--" + kind << (name.isEmpty() ? QStringList() : QStringList{name});
        if (kind == "stall")
            stalled = name;
    }
    if (faults.contains("down")) {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        updateServer.port = probe.serverPort(); // free once the probe closes
    } else {
        server.start(serverRoot.path(), behaviour);
        updateServer.port = server.port();
        QVERIFY(updateServer.port != 0);
    }

    QSignalSpy ended(session, &BmuSession::operationFinished);
    QVERIFY(session->start(new Download(updateServer, work.filePath("Data"))));
    if (faults.contains("cancel")) {
        QTRY_VERIFY(server.retrievals().contains("/Data/" + stalled));
        session->cancel();
    }
    QVERIFY(ended.count() == 1 || ended.wait(20000));
    const Outcome outcome = ended.first().first().value<OperationResult>().outcome;
    QCOMPARE(outcome == Outcome::Cancelled, faults.contains("cancel"));

    // The lines appeared in this order, with other lines between them allowed.
    const QString shown = "\nshown:\n" + paneHistory.join('\n');
    int at = 0;
    for (const QString& line : lines) {
        at = paneHistory.indexOf(line, at);
        QVERIFY2(at >= 0, qPrintable("missing line: " + line + shown));
        ++at;
    }
    QVERIFY2(paneHistory.last() == lines.last(), qPrintable("last line differs" + shown));
    if (!lines.contains(latest))
        QVERIFY2(!paneHistory.contains(latest), qPrintable(shown));
    if (server.isRunning()) {
        QCOMPARE(server.retrievals(), fetched);
        // No session is left open on the server, not even of an abandoned transfer.
        QTRY_COMPARE(server.sessionsClosed(), server.sessionsOpened());
    }

    // The Data folder holds exactly these files: nothing partial, nothing renamed.
    const QDir data(work.filePath("Data"));
    QCOMPARE(data.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name), after.keys());
    for (auto file = after.cbegin(); file != after.cend(); ++file) {
        QFile stored(data.filePath(file.key()));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY2(stored.readAll() == file.value(), qPrintable(file.key()));
    }
}

void TestDownload::downloadRun_data() {
    addColumns();
    const QStringList abc{"a.bin", "b.bin", "c.bin"};
    const QByteArray index = "a.bin\nb.bin\nc.bin\n";
    const Files kept{{"a.bin", "kept"}, {"b.bin", "kept"}, {"c.bin", "kept"}};

    QTest::newRow("all files present")
        << withIndex(index, abc) << kept << QStringList{} << QStringList{"/Data/log.txt"}
        << QStringList{"Obtain file information success.", latest, latestHint}
        << kept + Files{{"log.txt", index}};
    QTest::newRow("some missing, each fetched once")
        << withIndex(index, abc) << Files{{"b.bin", "kept"}} << QStringList{}
        << QStringList{"/Data/log.txt", "/Data/a.bin", "/Data/c.bin"}
        << QStringList{"Obtaining file information. Please wait...",
                       "Obtain file information success.",
                       "Downloading Firmware: 2 of 2. Please wait...", success}
        << withIndex(index, {"a.bin", "c.bin"}) + Files{{"b.bin", "kept"}};
    QTest::newRow("name differing only in case")
        << withIndex("QPA-TAB-2-3.7.bin\r\n", {"QPA-TAB-2-3.7.bin"})
        << Files{{"qpa-tab-2-3.7.bin", "kept"}} << QStringList{}
        << QStringList{"/Data/log.txt", "/Data/QPA-TAB-2-3.7.bin"}
        << QStringList{"Downloading Firmware: 1 of 1. Please wait...", success}
        << withIndex("QPA-TAB-2-3.7.bin\r\n", {"QPA-TAB-2-3.7.bin"}) +
               Files{{"qpa-tab-2-3.7.bin", "kept"}};
    QTest::newRow("blank line in the index")
        << withIndex("  a.bin  \n\nb.bin\n", abc) << Files{} << QStringList{}
        << QStringList{"/Data/log.txt", "/Data/a.bin", "/Data/b.bin"}
        << QStringList{"Downloading Firmware: 2 of 2. Please wait...", success}
        << withIndex("  a.bin  \n\nb.bin\n", {"a.bin", "b.bin"});
}

void TestDownload::fullDisk_data() {
    addColumns();
    const Files oldIndex{{"log.txt", "old.bin\n"}};
    QTest::newRow("log.txt") << withIndex("a.bin\n", {"a.bin"}) << oldIndex
                             << QStringList{"full-disk:log.txt"} << QStringList{"/Data/log.txt"}
                             << QStringList{"Error: Cannot write file " + localPath("log.txt") +
                                            ": the disk is full."}
                             << oldIndex;
    QTest::newRow("firmware file")
        << withIndex("a.bin\n", {"a.bin"}) << Files{} << QStringList{"full-disk:a.bin"}
        << QStringList{"/Data/log.txt", "/Data/a.bin"}
        << QStringList{"Error: Cannot write file " + localPath("a.bin") + ": the disk is full."}
        << Files{{"log.txt", "a.bin\n"}};
}

void TestDownload::byteCountDecides_data() {
    addColumns();
    const Files served = withIndex("a.bin\n", {"a.bin"});
    const QString incomplete = QString("a.bin arrived incomplete: %1 of %2 bytes.")
                                   .arg(contentOf("a.bin").size() / 2)
                                   .arg(contentOf("a.bin").size());
    const QStringList threeTimes{"/Data/log.txt", "/Data/a.bin", "/Data/a.bin", "/Data/a.bin"};
    QTest::newRow("closes early with 226: retried, then failure")
        << served << Files{} << QStringList{"short:a.bin"} << threeTimes
        << QStringList{incomplete, "Trying to re-Download No.2 time",
                       incomplete, "Trying to re-Download No.3 time",
                       incomplete, failure}
        << Files{{"log.txt", "a.bin\n"}};
    QTest::newRow("stalls: retried, then failure")
        << served << Files{} << QStringList{"stall:a.bin"} << threeTimes
        << QStringList{"Download file occur error: TimeoutError", "Trying to re-Download No.2 time",
                       "Download file occur error: TimeoutError", "Trying to re-Download No.3 time",
                       "Download file occur error: TimeoutError", failure}
        << Files{{"log.txt", "a.bin\n"}};
    QTest::newRow("no size announced: taken as it arrives")
        << served << Files{} << QStringList{"no-size"}
        << QStringList{"/Data/log.txt", "/Data/a.bin"} << QStringList{success} << served;
}

void TestDownload::indexNeverReplacedByBadOne_data() {
    addColumns();
    const Files before{{"log.txt", "b.bin\n"}, {"b.bin", "kept"}};
    QByteArray tooMany;
    for (int i = 0; i <= 1000; ++i)
        tooMany += QByteArray::number(i) + ".bin\n";
    const QByteArray overOneMegabyte(1024 * 1024 + 1, 'x');
    const QString notTaken = "The file list log.txt was not taken: ";

    QTest::newRow("empty") << withIndex("", {"b.bin"}) << before << QStringList{}
                           << QStringList{"/Data/log.txt"}
                           << QStringList{"Nothing be downloaded.", notTaken + "it is empty."}
                           << before;
    QTest::newRow("not on the server")
        << offered({"b.bin"}) << before << QStringList{} << QStringList{"/Data/log.txt"}
        << QStringList{"Download file occur error: ContentNotFoundError",
                       notTaken + "the server does not have it."}
        << before;
    QTest::newRow("more than 1000 entries")
        << withIndex(tooMany, {"b.bin"}) << before << QStringList{} << QStringList{"/Data/log.txt"}
        << QStringList{notTaken + "it names more than 1000 files."} << before;
    QTest::newRow("over 1 MB, announced: never fetched")
        << withIndex(overOneMegabyte, {}) << before << QStringList{} << QStringList{}
        << QStringList{notTaken + "it is larger than 1048576 bytes."} << before;
    QTest::newRow("server down: three attempts, failure")
        << Files{} << before << QStringList{"down"} << QStringList{}
        << QStringList{"Download file occur error: ConnectionRefusedError",
                       "Trying to re-Download No.2 time",
                       "Download file occur error: ConnectionRefusedError",
                       "Trying to re-Download No.3 time",
                       "Download file occur error: ConnectionRefusedError",
                       failure}
        << before;
}

void TestDownload::damagedLocalImageFetchedAgain_data() {
    addColumns();
    const Files intact = image(1);
    const QString damaged = image(2).firstKey();
    const QString empty = image(3).firstKey();
    const QByteArray index = (intact.firstKey() + '\n' + damaged + '\n' + empty + '\n').toUtf8();
    const Files served = withIndex(index, {}) + intact + image(2) + image(3);
    QTest::newRow("damaged and empty fetched, intact kept")
        << served << intact + Files{{damaged, "kept as it is"}, {empty, ""}} << QStringList{}
        << QStringList{"/Data/log.txt", "/Data/" + damaged, "/Data/" + empty}
        << QStringList{"Downloading Firmware: 2 of 2. Please wait...", success} << served;
}

void TestDownload::limitsAndCancel_data() {
    addColumns();
    const QString table = "QPA-TAB-2-3.7.bin";
    const Files tooLargeTable{{table, QByteArray(64 * 1024 + 1, 't')}};
    const Files tooLargeImage{{"big.bin", QByteArray(9 * 1024 * 1024 + 1, 'i')}};
    QTest::newRow("table over 64 KB, unannounced: stopped")
        << withIndex((table + "\nb.bin\n").toUtf8(), {"b.bin"}) + tooLargeTable << Files{}
        << QStringList{"no-size"} << QStringList{"/Data/log.txt", "/Data/" + table, "/Data/b.bin"}
        << QStringList{"Skipped " + table + ": it is larger than 65536 bytes.", oneOfTwo}
        << withIndex((table + "\nb.bin\n").toUtf8(), {"b.bin"});
    QTest::newRow("image over 9 MB, announced: never fetched")
        << withIndex("big.bin\nb.bin\n", {"b.bin"}) + tooLargeImage << Files{} << QStringList{}
        << QStringList{"/Data/log.txt", "/Data/b.bin"}
        << QStringList{"Skipped big.bin: it is larger than 9437184 bytes.", oneOfTwo}
        << withIndex("big.bin\nb.bin\n", {"b.bin"});
    QTest::newRow("cancel while a file hangs")
        << withIndex("a.bin\n", {"a.bin"}) << Files{} << QStringList{"stall:a.bin", "cancel"}
        << QStringList{"/Data/log.txt", "/Data/a.bin"} << QStringList{"Download cancelled."}
        << Files{{"log.txt", "a.bin\n"}};
}

void TestDownload::badEntrySkipped_data() {
    addColumns();
    const QString longName = QString(252, 'n') + ".bin";
    const struct {
        const char* tag;
        QByteArray entry;
        bool requested; // only a name that can be asked for is
        QString line;
    } bad[] = {
        {"NUL in the name", QByteArray("a\0b.bin", 7), false,
         "Skipped a\\x00b.bin: its name holds a control character."},
        {"trailing slash", "sub/", false, "Skipped sub/: its name ends in \"/\"."},
        {"not on the server", "gone.bin", true, "Skipped gone.bin: the server does not have it."},
        {"name over 255 bytes", longName.toUtf8(), false,
         "Skipped " + longName + ": its name is longer than 255 bytes."},
    };
    for (const auto& row : bad) {
        const QByteArray index = row.entry + "\nc.bin\n";
        QStringList fetched{"/Data/log.txt", "/Data/c.bin"};
        if (row.requested)
            fetched.insert(1, "/Data/" + QString::fromUtf8(row.entry));
        QTest::newRow(row.tag) << withIndex(index, {"c.bin"}) << Files{} << QStringList{} << fetched
                               << QStringList{row.line, oneOfTwo} << withIndex(index, {"c.bin"});
    }
    const Files before{{"log.txt", "old.bin\n"}};
    QTest::newRow("wrong account: said so, no retry")
        << withIndex("a.bin\n", {"a.bin"}) << before << QStringList{"wrong-password"}
        << QStringList{}
        << QStringList{"Download file occur error: AuthenticationRequiredError",
                       "Download failure, the update server refused the user name or password. "}
        << before;
}

QTEST_GUILESS_MAIN(TestDownload)
#include "tst_download.moc"
