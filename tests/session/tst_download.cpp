// The download's defences, against a real FTP server on the loopback interface started per
// row, well-behaved or hostile (tests/firmware/ftpserver.py): what it fetches, what the
// pane says, and that the Data folder holds only whole files and a good index after.

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
const QString oneOfTwo = "1 of 2 files downloaded; the others are named above.";
const QString notTaken = "The file list log.txt was not taken: ";

QByteArray contentOf(const QString& name) {
    QByteArray bytes = name.toUtf8() + ':';
    for (int i = 0; bytes.size() < 700 + name.size() * 37; ++i)
        bytes.append(char((i * 31 + name.size()) & 0xFF));
    return bytes;
}

// log.txt holding `index`, and the files named as the server offers them.
Files withIndex(const QByteArray& index, const QStringList& names = {}) {
    Files files{{"log.txt", index}};
    for (const QString& name : names)
        files.insert(name, contentOf(name));
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

// Each of three attempts failing so, then the run's failure.
QStringList thrice(const QString& error) {
    return {error, "Trying to re-Download No.2 time",
            error, "Trying to re-Download No.3 time",
            error, "Download failure, please check the internet connection. "};
}

void writeFiles(const QDir& folder, const Files& files) {
    QVERIFY(folder.mkpath("."));
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        QFile out(folder.filePath(file.key()));
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(file.value()), qint64(file.value().size()));
    }
}

} // namespace

class TestDownload : public QObject {
    Q_OBJECT

private slots:
    void defences_data();
    void defences();
};

void TestDownload::defences_data() {
    QTest::addColumn<Files>("served");
    QTest::addColumn<Files>("local"); // the Data folder before
    // "stall:NAME", "short:NAME", "no-size": the server's behaviour; "down": no server;
    // "wrong-password"; "cancel": once the stalled file is requested; "full-disk:NAME":
    // writing NAME fails as on a full disk.
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QStringList>("fetched"); // the files asked for, in order
    QTest::addColumn<QStringList>("lines");   // shown in this order; the last one ends the run
    QTest::addColumn<Files>("after");         // the Data folder after
    const auto row = [](const char* tag, const Files& served, const Files& local,
                        const QStringList& faults, const QStringList& fetched,
                        const QStringList& lines, const Files& after) {
        QTest::newRow(tag) << served << local << faults << fetched << lines << after;
    };
    const Files a = withIndex("a.bin\n", {"a.bin"}), aIndex = withIndex("a.bin\n");
    const Files before = withIndex("b.bin\n") + Files{{"b.bin", "kept"}};
    const QStringList logAndA{"log.txt", "a.bin"},
        thriceA = logAndA + QStringList{"a.bin", "a.bin"};
    const int size = contentOf("a.bin").size();

    row("all present: only the index fetched", withIndex("b.bin\n", {"b.bin"}), before, {},
        {"log.txt"}, {latest, latestHint}, before);
    row("no size announced: taken as it arrives", a, {}, {"no-size"}, logAndA, {success}, a);
    row("226 after half the bytes: retried, then failure", a, {}, {"short:a.bin"}, thriceA,
        thrice(QString("a.bin arrived incomplete: %1 of %2 bytes.").arg(size / 2).arg(size)),
        aIndex);
    row("stalls: retried, then failure", a, {}, {"stall:a.bin"}, thriceA,
        thrice("Download file occur error: TimeoutError"), aIndex);
    row("cancel while a file hangs", a, {}, {"stall:a.bin", "cancel"}, logAndA,
        {"Download cancelled."}, aIndex);
    row("disk full writing a firmware file", a, {}, {"full-disk:a.bin"}, logAndA,
        {"Error: Cannot write file %1/a.bin: the disk is full."}, aIndex);

    // A log.txt that is not taken leaves the one before in place.
    const QByteArray tooMany = QByteArray("x.bin\n").repeated(1001);
    row("index empty", withIndex("", {"b.bin"}), before, {}, {"log.txt"},
        {"Nothing be downloaded.", notTaken + "it is empty."}, before);
    row("index not on the server", {{"b.bin", "b"}}, before, {}, {"log.txt"},
        {"Download file occur error: ContentNotFoundError",
         notTaken + "the server does not have it."},
        before);
    row("index of more than 1000 entries", withIndex(tooMany), before, {}, {"log.txt"},
        {notTaken + "it names more than 1000 files."}, before);
    row("index over 1 MB, announced: never fetched", withIndex(QByteArray(1024 * 1024 + 1, 'x')),
        before, {}, {}, {notTaken + "it is larger than 1048576 bytes."}, before);
    row("disk full writing the index", a, before, {"full-disk:log.txt"}, {"log.txt"},
        {"Error: Cannot write file %1/log.txt: the disk is full."}, before);
    row("server down: three attempts, failure", {}, before, {"down"}, {},
        thrice("Download file occur error: ConnectionRefusedError"), before);
    row("wrong account: said so, no retry", a, before, {"wrong-password"}, {},
        {"Download file occur error: AuthenticationRequiredError",
         "Download failure, the update server refused the user name or password. "},
        before);

    // A local image whose CRC does not match its name is fetched again.
    const QString damaged = image(2).firstKey(), empty = image(3).firstKey();
    const Files images = withIndex((image(1).firstKey() + '\n' + damaged + '\n' + empty).toUtf8()) +
                         image(1) + image(2) + image(3);
    row("damaged and empty images fetched, intact kept", images,
        image(1) + Files{{damaged, "kept as it is"}, {empty, ""}}, {}, {"log.txt", damaged, empty},
        {"Downloading Firmware: 2 of 2. Please wait...", success}, images);

    // An entry that cannot be fetched is skipped, and the others are fetched; it is asked
    // for only when its name is good and the server did not announce it too large.
    const auto skip = [&](const char* tag, const QByteArray& entry, const Files& offered,
                          const QStringList& faults, bool asked, const QString& line) {
        const Files index = withIndex(entry + "\nc.bin\n", {"c.bin"});
        QStringList fetched{"log.txt", "c.bin"};
        if (asked)
            fetched.insert(1, QString::fromUtf8(entry));
        row(tag, index + offered, {}, faults, fetched, {line, oneOfTwo}, index);
    };
    const QString table = "QPA-TAB-2-3.7.bin", longName = QString(252, 'n') + ".bin";
    skip("table over 64 KB, unannounced: stopped", table.toUtf8(),
         {{table, QByteArray(64 * 1024 + 1, 't')}}, {"no-size"}, true,
         "Skipped " + table + ": it is larger than 65536 bytes.");
    skip("image over 9 MB, announced: never fetched", "big.bin",
         {{"big.bin", QByteArray(9 * 1024 * 1024 + 1, 'i')}}, {}, false,
         "Skipped big.bin: it is larger than 9437184 bytes.");
    skip("NUL in the name", QByteArray("a\0b.bin", 7), {}, {}, false,
         "Skipped a\\x00b.bin: its name holds a control character.");
    skip("trailing slash", "sub/", {}, {}, false, "Skipped sub/: its name ends in \"/\".");
    skip("not on the server", "gone.bin", {}, {}, true,
         "Skipped gone.bin: the server does not have it.");
    skip("name over 255 bytes", longName.toUtf8(), {}, {}, false,
         "Skipped " + longName + ": its name is longer than 255 bytes.");
}

void TestDownload::defences() {
    QFETCH(Files, served);
    QFETCH(Files, local);
    QFETCH(QStringList, faults);
    QFETCH(QStringList, fetched);
    QFETCH(QStringList, lines);
    QFETCH(Files, after);
    QTemporaryDir root;
    const QDir data(root.filePath("local/Data"));
    writeFiles(QDir(root.filePath("served/Data")), served);
    writeFiles(data, local);

    UpdateServer updateServer;
    updateServer.host = "127.0.0.1";
    updateServer.watchdogMs = 400;
    QStringList behaviour; // of the server
    for (const QString& fault : faults) {
        const QString kind = fault.section(':', 0, 0), name = fault.section(':', 1);
        if (kind == "full-disk") // every write into the file fails with "no space left"
            QVERIFY(QFile::link("/dev/full", data.filePath(name + ".part")));
        else if (kind == "wrong-password")
            updateServer.password = "not the password";
        else if (kind != "down" && kind != "cancel")
            behaviour << "--" + kind << (name.isEmpty() ? QStringList() : QStringList{name});
    }
    FtpServerProcess server;
    if (faults.contains("down")) {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        updateServer.port = probe.serverPort(); // free once the probe closes
    } else {
        server.start(root.filePath("served"), behaviour);
        updateServer.port = server.port();
        QVERIFY(updateServer.port != 0);
    }

    BmuSession session;
    QStringList shown; // every line the pane showed, in order
    connect(&session, &BmuSession::note, [&](const PaneNote& note) {
        if (note.kind != PaneNote::Kind::Clear)
            shown << note.text;
    });
    QSignalSpy ended(&session, &BmuSession::operationFinished);
    QVERIFY(session.start(new Download(updateServer, data.path())));
    if (faults.contains("cancel")) {
        QTRY_VERIFY(server.retrievals().contains("/Data/a.bin")); // the file that stalls
        session.cancel();
    }
    QVERIFY(ended.count() == 1 || ended.wait(20000));
    QCOMPARE(ended.first().first().value<OperationResult>().outcome == Outcome::Cancelled,
             faults.contains("cancel"));

    // The lines appeared in this order, with other lines between them allowed; a run that
    // fetched nothing for a bad index never calls the firmware the latest.
    const QString pane = "\nshown:\n" + shown.join('\n');
    int at = 0;
    for (const QString& line : lines) {
        at = shown.indexOf(line.contains("%1") ? line.arg(data.path()) : line, at);
        QVERIFY2(at++ >= 0, qPrintable("missing line: " + line + pane));
    }
    QVERIFY2(at == shown.size(), qPrintable("last line differs" + pane));
    QCOMPARE(shown.contains(latest), lines.contains(latest));
    if (server.isRunning()) {
        QCOMPARE(server.retrievals(), fetched.replaceInStrings(QRegularExpression("^"), "/Data/"));
        // No session is left open on the server, not even of an abandoned transfer.
        QTRY_COMPARE(server.sessionsClosed(), server.sessionsOpened());
    }

    // The Data folder holds exactly these files: nothing partial, nothing renamed.
    QCOMPARE(data.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name), after.keys());
    for (auto file = after.cbegin(); file != after.cend(); ++file) {
        QFile stored(data.filePath(file.key()));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY2(stored.readAll() == file.value(), qPrintable(file.key()));
    }
}

QTEST_GUILESS_MAIN(TestDownload)
#include "tst_download.moc"
