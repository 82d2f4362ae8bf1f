#include "simtestutil.h"

#include <QtTest>

class TestRequestParser : public QObject {
    Q_OBJECT

private slots:
    void splitAtEveryPosition_data();
    void splitAtEveryPosition();
    void resynchronisesAfterGarbage_data();
    void resynchronisesAfterGarbage();
    void fieldsOfAWrite();
};

void TestRequestParser::splitAtEveryPosition_data() {
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("status read") << hexToBytes("01 03 00 00 00 66 C5 E0");
    QTest::newRow("setup write") << writeFrame(0x0010, QByteArray::fromHex("090501010100"));
    QTest::newRow("full packet") << writeFrame(0x05F7, words({1, 0, 128}) + QByteArray(128, 'x'));
    QTest::newRow("odd last packet") << writeFrame(0x0647, words({9, 0, 43}) + QByteArray(43, 'y'));
    QTest::newRow("unknown function") << frameWithCrc(QByteArray::fromHex("012B0E0100"));
    QTest::newRow("other slave") << frameWithCrc(QByteArray::fromHex("050300100003"));
}

void TestRequestParser::splitAtEveryPosition() {
    QFETCH(QByteArray, frame);
    for (int cut = 0; cut <= frame.size(); ++cut) {
        RequestParser parser;
        QVector<ModbusRequest> requests = parser.feed(frame.left(cut));
        requests += parser.feed(frame.mid(cut));
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().frame, frame);
        QCOMPARE(parser.pendingSize(), 0);
    }
    // Two requests in one segment come out as two.
    RequestParser parser;
    const QVector<ModbusRequest> twice = parser.feed(frame + frame);
    QCOMPARE(twice.size(), 2);
    QCOMPARE(twice.last().frame, frame);
}

void TestRequestParser::resynchronisesAfterGarbage_data() {
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("stray bytes") << QByteArray::fromHex("FF00A5");
    QTest::newRow("read with a bad CRC") << QByteArray::fromHex("0103000000660000");
    QTest::newRow("cut-off write") << QByteArray::fromHex("0110001000030609");
    QTest::newRow("unknown function without end") << QByteArray::fromHex("0177123456");
}

void TestRequestParser::resynchronisesAfterGarbage() {
    QFETCH(QByteArray, prefix);
    const QByteArray good = hexToBytes("01 03 05 51 00 01 D5 17");
    RequestParser parser;
    QVector<ModbusRequest> requests = parser.feed(prefix);
    requests += parser.feed(good);
    QVERIFY(!requests.isEmpty());
    QCOMPARE(requests.last().frame, good);
    QCOMPARE(parser.pendingSize(), 0);
}

void TestRequestParser::fieldsOfAWrite() {
    const QByteArray data = QByteArray::fromHex("4D5A51574B00");
    const ModbusRequest request = parseRequest(writeFrame(0x0100, data));
    QCOMPARE(request.slave, quint8(1));
    QCOMPARE(request.function, quint8(0x10));
    QCOMPARE(request.address, quint16(0x0100));
    QCOMPARE(request.count, quint16(3));
    QCOMPARE(request.data, data);
}

QTEST_GUILESS_MAIN(TestRequestParser)
#include "tst_requestparser.moc"
