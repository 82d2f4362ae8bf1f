// The link monitor's log: a ring that keeps the newest frames within its bound, counters
// over every frame, the rows as text; and what a frame is said to be.

#include "link/hexcommand.h"
#include "link/linklog.h"
#include "link/linkmonitor.h"

#include <QAbstractItemModelTester>
#include <QtTest>

namespace {

FrameRecord frameNumber(int n) {
    FrameRecord r;
    r.atMs = n;
    r.direction = n % 2 ? FrameRecord::Direction::Received : FrameRecord::Direction::Sent;
    r.bytes = QByteArray(8, char(n));
    r.operation = n % 3 ? QStringLiteral("status refresh") : QStringLiteral("history read");
    r.crcGood = n % 5 != 0;
    r.latencyMs = n % 2 ? 2.0 : -1;
    return r;
}

} // namespace

class TestLinkLog : public QObject {
    Q_OBJECT

private slots:
    void ringKeepsItsBound_data();
    void ringKeepsItsBound();
    void textOfOneOperation();
    void frameDescriptions_data();
    void frameDescriptions();
};

void TestLinkLog::ringKeepsItsBound_data() {
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("frames");
    QTest::newRow("empty") << 100 << 0;
    QTest::newRow("below the bound") << 100 << 99;
    QTest::newRow("at the bound") << 100 << 100;
    QTest::newRow("one over") << 100 << 101;
    QTest::newRow("many times round") << 100 << 1037;
    QTest::newRow("soak of the full ring") << LinkLog::DefaultCapacity << 65000;
}

void TestLinkLog::ringKeepsItsBound() {
    QFETCH(int, capacity);
    QFETCH(int, frames);
    LinkLog log(capacity);
    // The tester checks the model's signals against all its rows on every change: the
    // short rows only, the wrap-around of "one over" included.
    std::unique_ptr<QAbstractItemModelTester> tester;
    if (frames <= 101)
        tester = std::make_unique<QAbstractItemModelTester>(&log);
    for (int n = 1; n <= frames; ++n)
        log.append(frameNumber(n));

    const int kept = qMin(frames, capacity);
    QCOMPARE(log.rowCount(), kept);
    if (kept > 0) {
        // The newest frames, oldest first.
        QCOMPARE(log.record(0).atMs, qint64(frames - kept + 1));
        QCOMPARE(log.record(kept - 1).atMs, qint64(frames));
        QCOMPARE(log.data(log.index(kept - 1, LinkLog::Time)).toString(), QString::number(frames));
    }
    QVERIFY(!log.data(log.index(kept, LinkLog::Time)).isValid());
    // The counters cover every frame, not only those kept.
    const LinkCounters& c = log.counters();
    QCOMPARE(c.frames, qint64(frames));
    QCOMPARE(c.bytes, qint64(8) * frames);
    QCOMPARE(c.crcErrors, qint64(frames / 5));
    QCOMPARE(c.replies, qint64((frames + 1) / 2));
    QCOMPARE(c.meanLatencyMs(), frames ? 2.0 : 0.0);

    log.clear();
    QCOMPARE(log.rowCount(), 0);
    QCOMPARE(log.counters().frames, qint64(0));
    QVERIFY(log.operations().isEmpty());
}

void TestLinkLog::textOfOneOperation() {
    LinkLog log(9);
    QSignalSpy seen(&log, &LinkLog::operationSeen);
    for (int n = 1; n <= 12; ++n)
        log.append(frameNumber(n));
    QCOMPARE(seen.count(), 2);
    QCOMPARE(log.operations(), (QStringList{"status refresh", "history read"}));

    // Frames 4..12 are kept.
    const QStringList all = log.text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(all.size(), 1 + 9);
    QCOMPARE(all[1].section('\t', 4, 5), QString("good\t"));   // frame 4: sent, no latency
    QCOMPARE(all[2].section('\t', 4, 5), QString("bad\t2.0")); // frame 5: a reply, bad CRC
    QCOMPARE(all[4].section('\t', 4, 5), QString("good\t2.0"));
    // Frames 3, 6, 9, 12 are of the history read; 3 has left the ring.
    const QStringList history = log.text("history read").split('\n', Qt::SkipEmptyParts);
    QCOMPARE(history.size(), 1 + 3);
    QVERIFY(history[1].startsWith("6\tsent\thistory read\t"));
    QVERIFY(history[3].startsWith("12\tsent\thistory read\t"));
    QVERIFY(history[1].endsWith(bytesToHexCommand(QByteArray(8, char(6)))));
}

void TestLinkLog::frameDescriptions_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("what");
    QTest::newRow("read request") << "01 03 05 58 00 41 04 E5" << true << ""
                                  << "read 0x0558, count 65";
    QTest::newRow("read reply names its request")
        << appendCrcHex("01 03 04 00 01 00 02") << false << "01 03 00 10 00 02 C5 CE"
        << "reply to read 0x0010, count 2";
    QTest::newRow("reply with no request") << appendCrcHex("01 03 02 00 01") << false << ""
                                           << "reply, count 1";
    QTest::newRow("write") << appendCrcHex("01 10 05 A0 00 02 04 00 01 81 00") << true << ""
                           << "write 0x05A0, count 2";
    QTest::newRow("echo") << appendCrcHex("01 10 05 A0 00 02") << false << ""
                          << "echo of write 0x05A0, count 2";
    QTest::newRow("exception") << appendCrcHex("01 83 02") << false << ""
                               << "exception 2 (illegal data address) to function 03";
    QTest::newRow("other function") << appendCrcHex("01 06 00 10 00 01") << true << ""
                                    << "function 06";
    QTest::newRow("short") << "01 03 05" << false << ""
                           << "short frame of 3 bytes";
}

void TestLinkLog::frameDescriptions() {
    QFETCH(QString, frame);
    QFETCH(bool, sent);
    QFETCH(QString, request);
    QFETCH(QString, what);
    QCOMPARE(LinkMonitor::describe(hexToBytes(frame), sent, hexToBytes(request)), what);
}

QTEST_GUILESS_MAIN(TestLinkLog)
#include "tst_linklog.moc"
