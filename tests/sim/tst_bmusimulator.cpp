#include "simtestutil.h"

#include "link/catalogue.h"
#include "link/frameassembler.h"
#include "sim/bmusimulator.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A client of the simulator that keeps every chunk it reads.
class Client : public QObject {
public:
    explicit Client(quint16 port) {
        connect(&socket, &QTcpSocket::readyRead, this, [this] {
            const QByteArray chunk = socket.readAll();
            chunks.append(chunk);
            received += chunk;
        });
        QSignalSpy connected(&socket, &QTcpSocket::connected);
        socket.connectToHost(QHostAddress::LocalHost, port);
        connected.wait(3000);
    }
    bool isConnected() const { return socket.state() == QAbstractSocket::ConnectedState; }
    void send(const QByteArray& bytes) { socket.write(bytes); }

    QTcpSocket socket;
    QVector<QByteArray> chunks;
    QByteArray received;
};

// Reads of 1, 2, ... n registers from 0x0000: each reply tells by its length which
// request it answers.
QByteArray numberedReads(int n) {
    QByteArray bytes;
    for (int k = 1; k <= n; ++k)
        bytes += readFrame(0x0000, quint16(k));
    return bytes;
}

// Cuts a stream of read replies into frames by their byte count, whatever their CRC.
QVector<QByteArray> cutReplies(const QByteArray& stream) {
    QVector<QByteArray> frames;
    int offset = 0;
    while (offset + 3 <= stream.size()) {
        const int length = 5 + byteAt(stream, offset + 2);
        frames.append(stream.mid(offset, length));
        offset += length;
    }
    return frames;
}

} // namespace

class TestBmuSimulator : public QObject {
    Q_OBJECT

private slots:
    void replyComesInOneSegment();
    void splitRepliesArriveInSegments_data();
    void splitRepliesArriveInSegments();
    void delayHoldsTheReply();
    void dropsEveryNthReply_data();
    void dropsEveryNthReply();
    void corruptsEveryNthReply_data();
    void corruptsEveryNthReply();
    void closesAfterNFrames();
    void recordsRequestsOfEveryClient();
    void valuesMoveUntilStatic();
    void scenarioFileOverridesRegisters();
};

void TestBmuSimulator::replyComesInOneSegment() {
    BmuSimulator simulator;
    QVERIFY(simulator.listen());
    Client client(simulator.serverPort());
    QVERIFY(client.isConnected());
    client.send(hexToBytes(Command::StatusFirst));
    QTRY_COMPARE(client.received.size(), 209);
    QCOMPARE(client.chunks.size(), 1);
    QVERIFY(crcIsValid(client.received));
}

void TestBmuSimulator::splitRepliesArriveInSegments_data() {
    QTest::addColumn<int>("segments");
    QTest::newRow("two") << 2;
    QTest::newRow("three") << 3;
    QTest::newRow("seven") << 7;
}

void TestBmuSimulator::splitRepliesArriveInSegments() {
    QFETCH(int, segments);
    BmuSimulator simulator;
    simulator.setSplitReplies(segments, 40);
    QVERIFY(simulator.listen());
    Client client(simulator.serverPort());
    QElapsedTimer timer;
    timer.start();
    client.send(hexToBytes(Command::BmsInfoPage));
    QTRY_COMPARE(client.received.size(), 135);
    QVERIFY(timer.elapsed() >= 40 * (segments - 1));
    QCOMPARE(client.chunks.size(), segments);
    QVERIFY(crcIsValid(client.received));
}

void TestBmuSimulator::delayHoldsTheReply() {
    BmuSimulator simulator;
    simulator.setReplyDelay(300);
    QVERIFY(simulator.listen());
    Client client(simulator.serverPort());
    QSignalSpy requests(&simulator, &BmuSimulator::requestReceived);
    QElapsedTimer timer;
    timer.start();
    client.send(hexToBytes(Command::SetupRead));
    QVERIFY(requests.wait(2000));
    QVERIFY(client.received.isEmpty());
    QTRY_COMPARE(client.received.size(), 11);
    QVERIFY(timer.elapsed() >= 300);
}

void TestBmuSimulator::dropsEveryNthReply_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("every second") << 2;
    QTest::newRow("every third") << 3;
}

void TestBmuSimulator::dropsEveryNthReply() {
    QFETCH(int, n);
    BmuSimulator simulator;
    simulator.setDropEveryNth(n);
    QVERIFY(simulator.listen());
    Client client(simulator.serverPort());
    const int requests = 3 * n;
    client.send(numberedReads(requests));
    QTRY_COMPARE(simulator.requestCount(), requests);
    // The last request is dropped; the one before is the last to be answered.
    QTRY_VERIFY(cutReplies(client.received).size() == requests - 3);
    QVector<int> answered;
    for (const QByteArray& reply : cutReplies(client.received)) {
        QVERIFY(crcIsValid(reply));
        answered.append(byteAt(reply, 2) / 2);
    }
    QVector<int> expected;
    for (int k = 1; k <= requests; ++k) {
        if (k % n != 0)
            expected.append(k);
    }
    QCOMPARE(answered, expected);
}

void TestBmuSimulator::corruptsEveryNthReply_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("every reply") << 1;
    QTest::newRow("every fourth") << 4;
}

void TestBmuSimulator::corruptsEveryNthReply() {
    QFETCH(int, n);
    BmuSimulator simulator;
    simulator.setCorruptEveryNth(n);
    QVERIFY(simulator.listen());
    Client client(simulator.serverPort());
    client.send(numberedReads(8));
    QTRY_COMPARE(cutReplies(client.received).size(), 8);
    const QVector<QByteArray> replies = cutReplies(client.received);
    for (int k = 1; k <= 8; ++k) {
        QCOMPARE(int(byteAt(replies[k - 1], 2)), 2 * k);
        QCOMPARE(crcIsValid(replies[k - 1]), k % n != 0);
    }
}

void TestBmuSimulator::closesAfterNFrames() {
    BmuSimulator simulator;
    simulator.setCloseAfterFrames(3);
    QVERIFY(simulator.listen());
    for (int round = 1; round <= 2; ++round) {
        Client client(simulator.serverPort());
        QVERIFY(client.isConnected());
        QSignalSpy closed(&client.socket, &QTcpSocket::disconnected);
        for (int k = 1; k <= 2; ++k) {
            client.send(readFrame(0x0500, 1));
            QTRY_COMPARE(client.received.size(), 7 * k);
        }
        QCOMPARE(closed.count(), 0);
        client.send(readFrame(0x0500, 1));
        QVERIFY(closed.wait(3000));
        QCOMPARE(client.received.size(), 21); // the third reply came before the close
        QCOMPARE(simulator.connectionCount(), round);
    }
    QTRY_COMPARE(simulator.openConnections(), 0);
}

void TestBmuSimulator::recordsRequestsOfEveryClient() {
    BmuSimulator simulator(SystemPreset::LowVoltage);
    QVERIFY(simulator.listen());
    QSignalSpy spy(&simulator, &BmuSimulator::requestReceived);
    Client first(simulator.serverPort());
    Client second(simulator.serverPort());
    const QByteArray setup = hexToBytes(setupWriteRequest(QByteArray::fromHex("060301000000")));
    first.send(setup);
    second.send(hexToBytes(Command::StatusSecond));
    QTRY_COMPARE(first.received.size(), 8);
    QTRY_COMPARE(second.received.size(), 55);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(simulator.requestCount(), 2);
    QVERIFY(simulator.requestLog().contains(setup));
    QCOMPARE(simulator.setupWrites(), QVector<QByteArray>{QByteArray::fromHex("060301000000")});
    QCOMPARE(simulator.connectionCount(), 2);
}

void TestBmuSimulator::valuesMoveUntilStatic() {
    BmuSimulator simulator;
    const QVector<quint16> start = {simulator.device().peekRegister(0x0504),
                                    simulator.device().peekRegister(0x0501)};
    auto current = [&simulator] { return simulator.device().peekRegister(0x0504); };
    QTRY_VERIFY_WITH_TIMEOUT(current() != start[0], 6000); // the drift runs every second
    simulator.setStatic(true);
    QVERIFY(simulator.isStatic());
    // Static: the generated logs end at a fixed date, whatever the day of the run.
    const QByteArray newest = simulator.device().historyLog(0).all().first();
    QCOMPARE(int(byteAt(newest, 1)), BmuSimulator::staticLogEnd().date().year() % 100);
    QCOMPARE(int(byteAt(newest, 2)), BmuSimulator::staticLogEnd().date().month());
}

void TestBmuSimulator::scenarioFileOverridesRegisters() {
    QTemporaryDir dir;
    const QString path = dir.filePath("scenario.json");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"registers": {"0x050D": "0x0003", "0x0061": 1024}})");
    file.close();
    BmuSimulator simulator;
    QString error;
    QVERIFY2(simulator.loadScenario(path, &error), qPrintable(error));
    QCOMPARE(simulator.device().peekRegister(0x050D), quint16(3));
    QCOMPARE(simulator.device().peekRegister(0x0061), quint16(1024));
    QVERIFY(!simulator.loadScenario(dir.filePath("missing.json"), &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestBmuSimulator)
#include "tst_bmusimulator.moc"
