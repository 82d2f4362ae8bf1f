#include "link/catalogue.h"
#include "link/crc.h"
#include "link/frameassembler.h"
#include "link/hexcommand.h"
#include "link/stretchcrc.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QByteArray withCrc(const QString& hexHead) {
    return hexToBytes(appendCrcHex(hexHead));
}

QByteArray readReply(int registers) {
    QByteArray data;
    for (int i = 0; i < registers * 2; ++i)
        data.append(char(i * 7 + 1));
    QByteArray head = QByteArray::fromHex("0103");
    head.append(char(registers * 2));
    head.append(data);
    return withCrc(bytesToHexCommand(head));
}

} // namespace

// The link's framing: the CRC and the requests composed with it, and the assembly of the
// byte stream into reply frames.
class TestLink : public QObject {
    Q_OBJECT

private slots:
    void checkValues_data() {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<int>("crc");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty array") << "" << 0xFFFF << "FFFF";
        QTest::newRow("first status read") << "01 03 00 00 00 66" << 0xE0C5 << "C5E0";
        QTest::newRow("standard check string") << "31 32 33 34 35 36 37 38 39" << 0x4B37 << "374B";
    }

    void checkValues() {
        QFETCH(QString, hex);
        QTEST(int(modbusCrc16(hexToBytes(hex))), "crc");
        QTEST(crcText(modbusCrc16(hexToBytes(hex))), "text");
    }

    void catalogueCarriesCorrectCrcs() {
        const auto commands = fixedCommands();
        for (const char* command : commands) {
            const QByteArray bytes = hexToBytes(QLatin1String(command));
            const QString head = QLatin1String(command).left(17);
            QCOMPARE(appendCrcHex(head), QLatin1String(command));
        }
    }

    void composedRequests_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expectedHead");
        QTest::addColumn<int>("wireBytes");
        QTest::newRow("history, index 3")
            << historyBlockRequest(3) << "01 10 05 A0 00 02 04 0003 81 00" << 13;
        QTest::newRow("fifth BMS") << bmsInfoRequest(5) << "01 10 05 50 00 02 04 0005 81 00" << 13;
        QTest::newRow("extended read")
            << extendedReadRequest() << "01 10 01 00 00 03 06 4D 5A 51 57 4B 00" << 15;
        QTest::newRow("setup write") << setupWriteRequest(QByteArray::fromHex("090501010100"))
                                     << "01 10 00 10 00 03 06 09 05 01 01 01 00" << 15;
    }

    void composedRequests() {
        QFETCH(QString, text);
        QFETCH(QString, expectedHead);
        QVERIFY(text.startsWith(expectedHead));
        const QByteArray bytes = hexToBytes(text);
        QTEST(bytes.size(), "wireBytes");
        const quint16 crc = modbusCrc16(bytes.left(bytes.size() - 2));
        QCOMPARE(quint8(bytes[bytes.size() - 2]), quint8(crc & 0xFF));
        QCOMPARE(quint8(bytes[bytes.size() - 1]), quint8(crc >> 8));
    }

    void splitAtEveryPosition_data();
    void splitAtEveryPosition();
    void twoRepliesInOneSegment();
    void garbageAndBadCrcAreDropped_data();
    void garbageAndBadCrcAreDropped();
    void exceptionRepliesAreRecognised();
    void clearDropsUnfinishedFrame();
    void floodCostsLinearTime_data();
    void floodCostsLinearTime();
    void stretchCrcIsTheCrcOfTheStretch();
};

void TestLink::splitAtEveryPosition_data() {
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("102-register status reply") << readReply(102);
    QTest::newRow("65-register page") << readReply(65);
    QTest::newRow("one register") << readReply(1);
    QTest::newRow("write echo") << withCrc("01 10 05 F7 00 43");
    QTest::newRow("exception") << withCrc("01 83 02");
}

void TestLink::splitAtEveryPosition() {
    QFETCH(QByteArray, frame);
    for (int cut = 0; cut <= frame.size(); ++cut) {
        FrameAssembler assembler;
        QVector<QByteArray> frames = assembler.feed(frame.left(cut));
        frames += assembler.feed(frame.mid(cut));
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames.first(), frame);
        QCOMPARE(assembler.pendingSize(), 0);
    }
    // Byte by byte.
    FrameAssembler assembler;
    QVector<QByteArray> frames;
    for (char byte : frame)
        frames += assembler.feed(QByteArray(1, byte));
    QCOMPARE(frames, QVector<QByteArray>{frame});
}

void TestLink::twoRepliesInOneSegment() {
    FrameAssembler assembler;
    const QByteArray first = withCrc("01 10 05 A0 00 02");
    const QByteArray second = readReply(1);
    const auto frames = assembler.feed(first + second);
    QCOMPARE(frames, (QVector<QByteArray>{first, second}));
}

void TestLink::garbageAndBadCrcAreDropped_data() {
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("validFrames");
    const QByteArray good = readReply(3);
    QByteArray badCrc = good;
    badCrc[badCrc.size() - 1] = char(badCrc[badCrc.size() - 1] ^ 0x55);
    QTest::addColumn<int>("crcFailures");
    QTest::newRow("leading garbage") << QByteArray::fromHex("FFFE0001") + good << 1 << 0;
    QTest::newRow("bad CRC") << badCrc << 0 << 1;
    QTest::newRow("bad CRC then good") << badCrc + good << 1 << 1;
    QTest::newRow("good, two bad") << good + badCrc + badCrc << 1 << 2;
    QTest::newRow("unknown function") << QByteArray::fromHex("0107AABBCC") + good << 1 << 0;
    QTest::newRow("odd byte count") << QByteArray::fromHex("010303") + good << 1 << 0;
    QTest::newRow("two 0xFF bytes") << QByteArray::fromHex("FFFF") << 0 << 0;
    QTest::newRow("empty") << QByteArray() << 0 << 0;
}

void TestLink::garbageAndBadCrcAreDropped() {
    QFETCH(QByteArray, stream);
    QFETCH(int, validFrames);
    QFETCH(int, crcFailures);
    // At once and byte by byte: a failure is told once, whatever the segments.
    for (int segment : {stream.size(), 1}) {
        FrameAssembler assembler;
        QVector<QByteArray> frames, failed;
        for (int at = 0; at < stream.size(); at += segment)
            frames += assembler.feed(stream.mid(at, segment), &failed);
        QCOMPARE(frames.size(), validFrames);
        for (const QByteArray& frame : frames)
            QCOMPARE(frame, readReply(3));
        QCOMPARE(failed.size(), crcFailures);
        for (const QByteArray& frame : failed)
            QCOMPARE(frame.size(), readReply(3).size());
    }
}

void TestLink::exceptionRepliesAreRecognised() {
    FrameAssembler assembler;
    const auto frames = assembler.feed(withCrc("01 90 02") + withCrc("01 83 01"));
    QCOMPARE(frames.size(), 2);
    QVERIFY(FrameAssembler::isException(frames[0]));
    QCOMPARE(quint8(frames[0][2]), quint8(2));
    QVERIFY(!FrameAssembler::isException(readReply(1)));
}

void TestLink::clearDropsUnfinishedFrame() {
    FrameAssembler assembler;
    const QByteArray frame = readReply(65);
    QVERIFY(assembler.feed(frame.left(40)).isEmpty());
    assembler.clear();
    QVERIFY(assembler.feed(frame.mid(40)).isEmpty());
    QCOMPARE(assembler.feed(frame), QVector<QByteArray>{frame});
}

// A megabyte of junk, fed at once or in 4 KB segments as a flooded socket delivers it,
// must cost time in proportion to its length (dropping one byte at a time from the front
// of the buffer made it quadratic: seconds for one readyRead), keep no more than one frame
// waiting, and leave the next good reply to be found.
void TestLink::floodCostsLinearTime_data() {
    QTest::addColumn<QByteArray>("flood");
    QTest::addColumn<int>("segment");
    constexpr int size = 1 << 20;
    // Read headers of the longest reply over and over: every third byte starts a frame
    // whose CRC must be checked, and none is good.
    QByteArray headers;
    while (headers.size() < size)
        headers.append("\x01\x03\xF8", 3);
    QByteArray noise(size, Qt::Uninitialized);
    QRandomGenerator random(12);
    for (char& byte : noise)
        byte = char(random.bounded(256));
    QTest::newRow("read headers, at once") << headers << size;
    QTest::newRow("noise, 4 KB segments") << noise << 4096;
}

void TestLink::floodCostsLinearTime() {
    QFETCH(QByteArray, flood);
    QFETCH(int, segment);
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
    QVector<QByteArray> frames;
    for (int i = 0; i < FrameAssembler::MaxFrameLength && frames.isEmpty(); ++i)
        frames = assembler.feed(i == 0 ? reply : QByteArray(1, '\0'));
    QCOMPARE(frames, QVector<QByteArray>{reply});
}

// The constant-time CRC of a stretch is the CRC computed byte by byte, for every stretch up
// to the longest frame, after the buffer grew in pieces and lost bytes at its front.
void TestLink::stretchCrcIsTheCrcOfTheStretch() {
    QByteArray stream(700, Qt::Uninitialized);
    QRandomGenerator random(3);
    for (char& byte : stream)
        byte = char(random.bounded(256));
    StretchCrc crcs;
    crcs.append(stream.constData(), 100);
    crcs.append(stream.constData() + 100, 600);
    crcs.dropFront(300); // the buffer now holds stream[300, 700)
    const QByteArray buffer = stream.mid(300);
    for (int start = 0; start < buffer.size(); ++start) {
        for (int end = start; end <= qMin(buffer.size(), start + StretchCrc::MaxLength); ++end) {
            if (crcs.crcOf(start, end) != modbusCrc16(buffer.mid(start, end - start)))
                QFAIL(qPrintable(QStringLiteral("stretch [%1, %2)").arg(start).arg(end)));
        }
    }
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
