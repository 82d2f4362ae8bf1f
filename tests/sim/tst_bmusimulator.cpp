#include "simtestutil.h"

#include "sim/bmusimulator.h"
#include "sim/simoptions.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

// The simulator on a socket: its fault options, its command line, and a Modbus peer
// written by others (Debian's pymodbus client) talking to it.

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
    for (int offset = 0; offset + 3 <= stream.size(); offset += frames.last().size())
        frames.append(stream.mid(offset, 5 + byteAt(stream, offset + 2)));
    return frames;
}

QStringList arguments(const char* line) {
    return QString::fromLatin1(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class TestBmuSimulator : public QObject {
    Q_OBJECT

private slots:
    // One check of each fault option: replies held, cut into segments with pauses.
    void replyTimingAndSegments_data() {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("segments");
        QTest::newRow("seven segments") << 0 << 7;
        QTest::newRow("delayed") << 300 << 1;
    }

    void replyTimingAndSegments() {
        QFETCH(int, delay);
        QFETCH(int, segments);
        BmuSimulator simulator;
        simulator.setReplyDelay(delay);
        simulator.setSplitReplies(segments, 40);
        QVERIFY(simulator.listen());
        Client client(simulator.serverPort());
        QVERIFY(client.isConnected());
        QSignalSpy requests(&simulator, &BmuSimulator::requestReceived);
        QElapsedTimer timer;
        timer.start();
        client.send(hexToBytes(Command::BmsInfoPage));
        QVERIFY(requests.wait(2000));
        if (delay > 0)
            QVERIFY(client.received.isEmpty()); // held past the request
        QTRY_COMPARE(client.received.size(), 135);
        QVERIFY(timer.elapsed() >= delay + 40 * (segments - 1));
        QCOMPARE(client.chunks.size(), segments);
        QVERIFY(crcIsValid(client.received));
    }

    // Twelve reads of 1..12 registers: which are answered, and which with a bad CRC.
    void dropsOrCorruptsEveryNthReply_data() {
        QTest::addColumn<int>("drop");
        QTest::addColumn<int>("corrupt");
        QTest::newRow("drop every third") << 3 << 0;
        QTest::newRow("corrupt every fourth") << 0 << 4;
    }

    void dropsOrCorruptsEveryNthReply() {
        QFETCH(int, drop);
        QFETCH(int, corrupt);
        BmuSimulator simulator;
        simulator.setDropEveryNth(drop);
        simulator.setCorruptEveryNth(corrupt);
        QVERIFY(simulator.listen());
        Client client(simulator.serverPort());
        client.send(numberedReads(12));
        QTRY_COMPARE(simulator.requestCount(), 12);
        QVector<int> expected; // the last request is dropped too: nothing may follow
        for (int k = 1; k <= 12; ++k) {
            if (drop == 0 || k % drop != 0)
                expected.append(k);
        }
        QTRY_COMPARE(cutReplies(client.received).size(), expected.size());
        const QVector<QByteArray> replies = cutReplies(client.received);
        for (int i = 0; i < replies.size(); ++i) {
            QCOMPARE(byteAt(replies[i], 2) / 2, expected[i]);
            QCOMPARE(crcIsValid(replies[i]), corrupt == 0 || (i + 1) % corrupt != 0);
        }
    }

    // The count starts again with every connection.
    void closesAfterNFrames() {
        BmuSimulator simulator;
        simulator.setCloseAfterFrames(2);
        QVERIFY(simulator.listen());
        for (int round = 1; round <= 2; ++round) {
            Client client(simulator.serverPort());
            QVERIFY(client.isConnected());
            QSignalSpy closed(&client.socket, &QTcpSocket::disconnected);
            client.send(readFrame(0x0500, 1));
            QTRY_COMPARE(client.received.size(), 7);
            QCOMPARE(closed.count(), 0);
            client.send(readFrame(0x0500, 1));
            QVERIFY(closed.wait(3000));
            QCOMPARE(client.received.size(), 14); // the last reply came before the close
        }
        QTRY_COMPARE(simulator.openConnections(), 0);
    }

    void parsesTheCommandLine() {
        SimOptions o;
        QString error;
        QVERIFY2(parseSimOptions(arguments("voltaro-bmu-sim --listen 0.0.0.0:9000 --system QPA5 "
                                           "--seed 17 --split 3 --split-pause 5 --delay 100 "
                                           "--drop-every 4 --corrupt-every 6 --close-after 9 "
                                           "--ready-delay 0 --scenario s.json"),
                                 &o, &error),
                 qPrintable(error));
        QCOMPARE(o.host, QHostAddress(QStringLiteral("0.0.0.0")));
        QCOMPARE(o.port, quint16(9000));
        QCOMPARE(o.preset, SystemPreset::Qpa5);
        QVERIFY(o.seeded && o.fixedValues); // a seed holds the values still
        QCOMPARE(o.seed, quint32(17));
        QCOMPARE(QVector<int>({o.splitSegments, o.splitPause, o.replyDelay, o.dropEvery,
                               o.corruptEvery, o.closeAfter, o.readinessDelay}),
                 QVector<int>({3, 5, 100, 4, 6, 9, 0}));
        QCOMPARE(o.scenario, QStringLiteral("s.json"));

        SimOptions demo;
        QVERIFY(parseSimOptions(
            arguments("voltaro-bmu-sim --prepare-demo demo --system lv --data-root srv"), &demo,
            &error));
        QCOMPARE(demo.prepareDemo, QStringLiteral("demo"));
        QCOMPARE(demo.dataRoot, QStringLiteral("srv"));
        QCOMPARE(demo.preset, SystemPreset::LowVoltage);
    }

    void rejectsBadOptions_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("unknown option") << "--fast";
        QTest::newRow("unknown system") << "--system mv";
        QTest::newRow("listen without port") << "--listen 127.0.0.1";
        QTest::newRow("port too large") << "--listen 127.0.0.1:70000";
        QTest::newRow("negative delay") << "--delay -5";
        QTest::newRow("stray argument") << "extra";
    }

    void rejectsBadOptions() {
        QFETCH(QString, line);
        SimOptions options;
        QString error;
        QVERIFY(
            !parseSimOptions(arguments(qPrintable("voltaro-bmu-sim " + line)), &options, &error));
        QVERIFY(!error.isEmpty());
    }

    // A seed holds the values still and the logs end on a fixed day; the scenario file is
    // read, and a missing one is refused.
    void optionsApplyToTheSimulator() {
        QTemporaryDir dir;
        QFile scenario(dir.filePath("scenario.json"));
        QVERIFY(scenario.open(QIODevice::WriteOnly));
        scenario.write(R"({"registers": {"0x050D": "0x8001"}})");
        scenario.close();
        SimOptions options;
        options.fixedValues = true;
        options.seeded = true;
        options.seed = 3;
        options.scenario = scenario.fileName();
        BmuSimulator simulator;
        QString error;
        QVERIFY2(applySimOptions(options, simulator, &error), qPrintable(error));
        QVERIFY(simulator.isStatic());
        QCOMPARE(simulator.device().peekRegister(0x050D), quint16(0x8001));
        BmuDevice reference(SystemPreset::HighVoltage, 3, BmuSimulator::staticLogEnd());
        QCOMPARE(simulator.device().historyLog(0).all(), reference.historyLog(0).all());

        options.scenario = dir.filePath("missing.json");
        QVERIFY(!applySimOptions(options, simulator, &error));
        QVERIFY(!error.isEmpty());
    }

    void pymodbusClientTalksToTheSimulator() {
        BmuSimulator simulator(SystemPreset::HighVoltage);
        QVERIFY(simulator.listen());

        // pymodbus is installed for the system interpreter only.
        qRegisterMetaType<QProcess::ExitStatus>("QProcess::ExitStatus");
        QProcess python;
        python.setProcessChannelMode(QProcess::MergedChannels);
        QSignalSpy started(&python, &QProcess::started);
        QSignalSpy finished(&python, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
        python.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(VOLTARO_SOURCE_DIR "/tests/sim/modbus_conformance.py"),
                      QString::number(simulator.serverPort())});
        QVERIFY2(started.wait(5000), "/usr/bin/python3 does not start");
        QVERIFY(finished.wait(60000));
        const QString output = QString::fromUtf8(python.readAll());
        QVERIFY2(python.exitCode() == 0 && output.trimmed().endsWith(QLatin1String("OK")),
                 qPrintable(output));

        // What pymodbus wrote arrived as it meant it.
        QCOMPARE(simulator.setupWrites(), QVector<QByteArray>{QByteArray::fromHex("090501010100")});
        QCOMPARE(simulator.device().peekRegister(0x0010), quint16(0x0905));
    }
};

QTEST_GUILESS_MAIN(TestBmuSimulator)
#include "tst_bmusimulator.moc"
