#include "simtestutil.h"

#include "sim/bmusimulator.h"
#include "sim/scenario.h"
#include "sim/simoptions.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

// The simulator on a socket: its fault options, its command line, scenarios, and a Modbus
// peer written by others (Debian's pymodbus client) talking to it.

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
    // Replies held, cut into segments with pauses between them.
    void replyTimingAndSegments_data() {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("segments");
        QTest::newRow("one segment") << 0 << 1;
        QTest::newRow("two segments") << 0 << 2;
        QTest::newRow("seven segments") << 0 << 7;
        QTest::newRow("delayed") << 300 << 1;
        QTest::newRow("delayed, three segments") << 200 << 3;
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
        QTest::newRow("drop every second") << 2 << 0;
        QTest::newRow("drop every third") << 3 << 0;
        QTest::newRow("corrupt every reply") << 0 << 1;
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

    void closesAfterNFrames() {
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

    void recordsRequestsOfEveryClient() {
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

    void valuesMoveUntilStatic() {
        BmuSimulator simulator;
        const quint16 start = simulator.device().peekRegister(0x0504);
        // The drift runs every second.
        QTRY_VERIFY_WITH_TIMEOUT(simulator.device().peekRegister(0x0504) != start, 6000);
        simulator.setStatic(true);
        QVERIFY(simulator.isStatic());
        // Static: the generated logs end at a fixed date, whatever the day of the run.
        const QByteArray newest = simulator.device().historyLog(0).all().first();
        QCOMPARE(int(byteAt(newest, 1)), BmuSimulator::staticLogEnd().date().year() % 100);
        QCOMPARE(int(byteAt(newest, 2)), BmuSimulator::staticLogEnd().date().month());
    }

    void scenarioFileAppliesEveryPart() {
        const QByteArray record =
            QByteArray::fromHex("0218051110142a01170040") + QByteArray(19, '\0');
        QTemporaryDir dir;
        QFile file(dir.filePath("scenario.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"registers": {"0x050D": "0x8001", "1284": 65526, "0x0061": 1024},
                       "bms": [{"number": 1, "offset": 58, "hex": "80 01"}],
                       "history": {"0": [")" +
                   record.toHex(' ') + R"("]}})");
        file.close();
        BmuSimulator simulator;
        simulator.setReadinessDelay(0);
        QString error;
        QVERIFY2(simulator.loadScenario(file.fileName(), &error), qPrintable(error));
        BmuDevice& device = simulator.device();
        QCOMPARE(device.peekRegister(0x050D), quint16(0x8001));
        QCOMPARE(device.peekRegister(0x0504), quint16(0xFFF6)); // -1.0 A: charging
        QCOMPARE(device.peekRegister(0x0061), quint16(1024));   // unmapped until overridden
        QCOMPARE(wordBE(readBmsBlock(device, 1), 58), quint16(0x8001));
        QCOMPARE(device.historyLog(0).all(), QVector<QByteArray>{record});
        device.reseed(9, logEnd); // a new seed keeps the replaced log
        QCOMPARE(device.historyLog(0).all(), QVector<QByteArray>{record});
        QVERIFY(!simulator.loadScenario(dir.filePath("missing.json"), &error));
        QVERIFY(!error.isEmpty());
    }

    void scenarioRejectsWhatItCannotApply_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("{registers: 1");
        QTest::newRow("an array") << QByteArray("[1, 2]");
        QTest::newRow("address too large") << QByteArray(R"({"registers": {"0x10000": 1}})");
        QTest::newRow("address not a number") << QByteArray(R"({"registers": {"soc": 1}})");
        QTest::newRow("value too large") << QByteArray(R"({"registers": {"0x0500": 70000}})");
        QTest::newRow("negative value") << QByteArray(R"({"registers": {"0x0500": -1}})");
        QTest::newRow("no such BMS")
            << QByteArray(R"({"bms": [{"number": 3, "offset": 0, "hex": "00"}]})");
        QTest::newRow("bytes past the block")
            << QByteArray(R"({"bms": [{"number": 1, "offset": 419, "hex": "0000"}]})");
        QTest::newRow("odd hex") << QByteArray(
            R"({"bms": [{"number": 1, "offset": 0, "hex": "123"}]})");
        QTest::newRow("short record") << QByteArray(R"({"history": {"0": ["0218"]}})");
        QTest::newRow("no such log") << QByteArray(R"({"history": {"5": []}})");
    }

    void scenarioRejectsWhatItCannotApply() {
        QFETCH(QByteArray, json);
        BmuDevice device = testDevice();
        // A valid part before the bad one must not be applied either.
        if (json.startsWith("{\"") && !json.contains("registers"))
            json.insert(1, R"("registers": {"0x0500": 7}, )");
        QString error;
        QVERIFY(!applyScenario(json, device, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(device.peekRegister(0x0500) != 7);
        QVERIFY(device.historyLog(0).size() > 20);
    }

    void parsesTheCommandLine() {
        SimOptions defaults;
        QString error;
        QVERIFY(parseSimOptions({"voltaro-bmu-sim"}, &defaults, &error));
        QCOMPARE(defaults.host, QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(defaults.port, quint16(8080));
        QCOMPARE(defaults.preset, SystemPreset::HighVoltage);
        QVERIFY(!defaults.fixedValues);

        SimOptions o;
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
        QTest::newRow("not an address") << "--listen battery:8080";
        QTest::newRow("split into no segment") << "--split 0";
        QTest::newRow("negative delay") << "--delay -5";
        QTest::newRow("seed not a number") << "--seed abc";
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

    void optionsApplyToTheSimulator() {
        SimOptions options;
        options.fixedValues = true;
        options.seeded = true;
        options.seed = 3;
        options.scenario = QStringLiteral("/nonexistent/scenario.json");
        BmuSimulator simulator;
        QString error;
        QVERIFY(!applySimOptions(options, simulator, &error));
        QVERIFY(simulator.isStatic());
        BmuDevice reference(SystemPreset::HighVoltage, 3, BmuSimulator::staticLogEnd());
        QCOMPARE(simulator.device().historyLog(0).all(), reference.historyLog(0).all());
    }

    void pymodbusClientTalksToTheSimulator() {
        BmuSimulator simulator(SystemPreset::HighVoltage);
        simulator.setReadinessDelay(50);
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
