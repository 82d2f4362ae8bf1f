// The link's framing (the assembly of the byte stream into reply frames) and the link
// monitor's log: a ring that keeps the newest frames within its bound, counters over
// every frame, the rows as text, and what a frame is said to be.

#include "link/crc.h"
#include "link/frameassembler.h"
#include "link/hexcommand.h"
#include "link/linklog.h"
#include "link/linkmonitor.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QtTest>

namespace {

using Frames = QVector<QByteArray>;

QByteArray withCrc(const QString& hexHead) {
    return hexToBytes(appendCrcHex(hexHead));
}

QByteArray readReply(int registers) {
    QByteArray frame = QByteArray::fromHex("0103") + char(registers * 2);
    for (int i = 0; i < registers * 2; ++i)
        frame.append(char(i * 7 + 1));
    return withCrc(bytesToHexCommand(frame));
}

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

class TestLink : public QObject {
    Q_OBJECT

private slots:
    void assembly_data() {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<Frames>("frames");
        QTest::addColumn<int>("crcFailures");
        const QByteArray reply = readReply(3);
        const QByteArray echo = withCrc("01 10 05 F7 00 43");
        const QByteArray exception = withCrc("01 90 02");
        QByteArray badCrc = reply;
        badCrc[badCrc.size() - 1] = char(badCrc[badCrc.size() - 1] ^ 0x55);
        QTest::newRow("102-register status reply") << readReply(102) << Frames{readReply(102)} << 0;
        QTest::newRow("echo, reply and exception in one segment")
            << echo + reply + exception << Frames{echo, reply, exception} << 0;
        QTest::newRow("garbage, an unknown function, an odd byte count, then a reply")
            << QByteArray::fromHex("FFFE00010107AABBCC010303") + reply << Frames{reply} << 0;
        QTest::newRow("bad CRC then good") << badCrc + reply << Frames{reply} << 1;
        QTest::newRow("good, two bad") << reply + badCrc + badCrc << Frames{reply} << 2;
        QTest::newRow("two 0xFF bytes") << QByteArray::fromHex("FFFF") << Frames{} << 0;
    }

    // Whole, byte by byte and cut in two at every position: the same frames, and a CRC
    // failure told once whatever the segments.
    void assembly() {
        QFETCH(QByteArray, stream);
        QFETCH(Frames, frames);
        QFETCH(int, crcFailures);
        for (int cut = -1; cut <= stream.size(); ++cut) {
            FrameAssembler assembler;
            Frames found, failed;
            if (cut < 0) {
                for (char byte : stream)
                    found += assembler.feed(QByteArray(1, byte), &failed);
            } else {
                found = assembler.feed(stream.left(cut), &failed);
                found += assembler.feed(stream.mid(cut), &failed);
            }
            QCOMPARE(found, frames);
            QCOMPARE(failed.size(), crcFailures);
        }
    }

    // A megabyte of junk, fed at once or in 4 KB segments as a flooded socket delivers it,
    // must cost time in proportion to its length (dropping one byte at a time from the
    // front of the buffer made it quadratic: seconds for one readyRead), keep no more than
    // one frame waiting, and leave the next good reply to be found.
    void floodCostsLinearTime_data() {
        QTest::addColumn<int>("segment");
        QTest::newRow("at once") << (1 << 20);
        QTest::newRow("4 KB segments") << 4096;
    }

    void floodCostsLinearTime() {
        QFETCH(int, segment);
        // Read headers of the longest reply over and over: every third byte starts a frame
        // whose CRC must be checked, and none is good.
        const QByteArray flood = QByteArray("\x01\x03\xF8").repeated((1 << 20) / 3);
        FrameAssembler assembler;
        QElapsedTimer clock;
        clock.start();
        for (int offset = 0; offset < flood.size(); offset += segment) {
            assembler.feed(flood.mid(offset, segment));
            QVERIFY(assembler.pendingSize() < FrameAssembler::MaxFrameLength);
        }
        // Well under a second even with sanitizers; the quadratic scan took minutes.
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        // Whatever was left waiting is given up for the reply that follows the flood.
        const QByteArray reply = readReply(3);
        Frames frames;
        for (int i = 0; i < FrameAssembler::MaxFrameLength && frames.isEmpty(); ++i)
            frames = assembler.feed(i == 0 ? reply : QByteArray(1, '\0'));
        QCOMPARE(frames, Frames{reply});
    }

    void ringKeepsItsBound_data() {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("frames");
        QTest::newRow("empty") << 100 << 0;
        QTest::newRow("at the bound") << 100 << 100;
        QTest::newRow("one over") << 100 << 101;
        QTest::newRow("many times round") << 100 << 1037;
        QTest::newRow("soak of the full ring") << LinkLog::DefaultCapacity << 65000;
    }

    void ringKeepsItsBound() {
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
        if (kept > 0) { // the newest frames, oldest first
            QCOMPARE(log.record(0).atMs, qint64(frames - kept + 1));
            QCOMPARE(log.data(log.index(kept - 1, LinkLog::Time)).toString(),
                     QString::number(frames));
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

    void textOfOneOperation() {
        LinkLog log(9);
        for (int n = 1; n <= 12; ++n)
            log.append(frameNumber(n));

        // Frames 4..12 are kept.
        const QStringList all = log.text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(all.size(), 1 + 9);
        QCOMPARE(all[1].section('\t', 4, 5), QString("good\t"));   // frame 4: sent, no latency
        QCOMPARE(all[2].section('\t', 4, 5), QString("bad\t2.0")); // frame 5: a reply, bad CRC
        // Frames 3, 6, 9, 12 are of the history read; 3 has left the ring.
        const QStringList history = log.text("history read").split('\n', Qt::SkipEmptyParts);
        QCOMPARE(history.size(), 1 + 3);
        QVERIFY(history[1].startsWith("6\tsent\thistory read\t"));
        QVERIFY(history[3].startsWith("12\tsent\thistory read\t"));
        QVERIFY(history[1].endsWith(bytesToHexCommand(QByteArray(8, char(6)))));
    }

    void frameDescriptions_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("what");
        const auto row = [](const char* tag, const QString& frame, bool sent, const char* request,
                            const char* what) {
            QTest::newRow(tag) << frame << sent << QString(request) << QString(what);
        };
        row("read request", "01 03 05 58 00 41 04 E5", true, "", "read 0x0558, count 65");
        row("read reply names its request", appendCrcHex("01 03 04 00 01 00 02"), false,
            "01 03 00 10 00 02 C5 CE", "reply to read 0x0010, count 2");
        row("reply with no request", appendCrcHex("01 03 02 00 01"), false, "", "reply, count 1");
        row("write", appendCrcHex("01 10 05 A0 00 02 04 00 01 81 00"), true, "",
            "write 0x05A0, count 2");
        row("echo", appendCrcHex("01 10 05 A0 00 02"), false, "", "echo of write 0x05A0, count 2");
        row("exception", appendCrcHex("01 83 02"), false, "",
            "exception 2 (illegal data address) to function 03");
        row("other function", appendCrcHex("01 06 00 10 00 01"), true, "", "function 06");
        row("short", "01 03 05", false, "", "short frame of 3 bytes");
    }

    void frameDescriptions() {
        QFETCH(QString, frame);
        QFETCH(bool, sent);
        QFETCH(QString, request);
        QTEST(LinkMonitor::describe(hexToBytes(frame), sent, hexToBytes(request)), "what");
    }
};

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
