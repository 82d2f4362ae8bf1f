// The simulated BMU where no test of the tool reaches it: what another Modbus master sees
// (framing, exception replies, silence, transfer verdicts, readiness), scenarios, seeds and
// its command line, one check of each fault option on the socket, and a Modbus client
// written by others (Debian's pymodbus). The operations the tool runs against it are
// tested end to end in tests/session and tests/cli.

#include "app/passwordcodec.h"
#include "link/bytes.h"
#include "link/catalogue.h"
#include "link/crc.h"
#include "link/hexcommand.h"
#include "sim/bmusimulator.h"
#include "sim/demodata.h"
#include "sim/scenario.h"
#include "sim/simoptions.h"

#include <QProcess>
#include <QSettings>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The generated logs end here, whatever the day of the run.
const QDateTime logEnd(QDate(2024, 5, 17), QTime(16, 42, 10));

// A device that answers fetches at once.
BmuDevice testDevice() {
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    device.setReadinessDelay(0);
    return device;
}

// A request written in hex, its CRC appended.
QByteArray frame(const QString& hex) {
    return hexToBytes(appendCrcHex(hex));
}

QByteArray readFrame(quint16 address, quint16 count) {
    return frame("0103" + hexField(address) + hexField(count));
}

// Write of the given bytes from address; the register count is the byte count halved,
// rounded down, as the last packet of an odd length declares it.
QByteArray writeFrame(quint16 address, const QByteArray& data) {
    return frame("0110" + hexField(address) + hexField(quint16(data.size() / 2)) +
                 hexByte(quint8(data.size())) + QString::fromLatin1(data.toHex()));
}

bool crcIsValid(const QByteArray& reply) {
    return reply.size() >= 4 &&
           modbusCrc16(reply.left(reply.size() - 2)) == wordLE(reply, reply.size() - 2);
}

QByteArray ask(BmuDevice& device, const QByteArray& request) {
    return device.handle(RequestParser().feed(request).value(0));
}

bool bmsInfoReady(BmuDevice& device) {
    return wordBE(ask(device, hexToBytes(Command::BmsInfoReadyPoll)), 3) == Command::ReadyValue;
}

QStringList arguments(const QString& line) {
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// A client of the simulator that keeps every chunk it reads.
struct Client {
    explicit Client(quint16 port) {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            chunks.append(socket.readAll());
            received += chunks.last();
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.waitForConnected(3000);
    }
    QTcpSocket socket;
    QVector<QByteArray> chunks;
    QByteArray received;
};

// Cuts a stream of read replies into frames by their byte count, whatever their CRC.
QVector<QByteArray> cutReplies(const QByteArray& stream) {
    QVector<QByteArray> frames;
    for (int offset = 0; offset + 3 <= stream.size(); offset += frames.last().size())
        frames.append(stream.mid(offset, 5 + byteAt(stream, offset + 2)));
    return frames;
}

} // namespace

class TestBmuSimulator : public QObject {
    Q_OBJECT

private slots:
    // Every cut of the stream into two segments gives the frame, after bytes that are no
    // request; two frames in one segment come out as two.
    void parserFindsFramesInAnyCut_data() {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<QByteArray>("request");
        const QByteArray poll = hexToBytes(Command::BmsInfoReadyPoll);
        QTest::newRow("odd last packet") << QByteArray() << writeFrame(0x0647, QByteArray(49, 'y'));
        QTest::newRow("after stray bytes") << QByteArray::fromHex("FF00A5") << poll;
        QTest::newRow("after a read with a bad CRC")
            << QByteArray::fromHex("0103000000660000") << poll;
        QTest::newRow("after a cut-off write") << QByteArray::fromHex("0110001000030609") << poll;
        QTest::newRow("after an unknown function without end")
            << QByteArray::fromHex("0177123456") << poll;
    }

    void parserFindsFramesInAnyCut() {
        QFETCH(QByteArray, prefix);
        QFETCH(QByteArray, request);
        const QByteArray stream = prefix + request;
        for (int cut = 0; cut <= stream.size(); ++cut) {
            RequestParser parser;
            QVector<ModbusRequest> requests = parser.feed(stream.left(cut));
            requests += parser.feed(stream.mid(cut));
            QVERIFY2(!requests.isEmpty(), qPrintable(QString::number(cut)));
            QCOMPARE(requests.last().frame, request);
            if (prefix.isEmpty())
                QCOMPARE(requests.size(), 1);
            QCOMPARE(parser.pendingSize(), 0);
        }
        QCOMPARE(RequestParser().feed(request + request).size(), 2);
    }

    // code 0: no reply at all, as another slave on a serial bus would answer.
    void exceptionsAndSilence_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("code");
        QTest::newRow("read for slave 2") << frame("020300100003") << 0;
        QTest::newRow("broadcast setup write") << frame("00100010000306000100000000") << 0;
        QTest::newRow("read input registers") << frame("010400000001") << 1;
        QTest::newRow("read running past the status block") << readFrame(0x0060, 8) << 2;
        QTest::newRow("write over the end of the setup")
            << writeFrame(0x0012, QByteArray::fromHex("00010002")) << 2;
        QTest::newRow("firmware header of four registers")
            << writeFrame(0x05F0, QByteArray::fromHex("0001000281000004")) << 2;
        QTest::newRow("read of no register") << readFrame(0x0000, 0) << 3;
        QTest::newRow("read of 126 registers") << readFrame(0x0000, 126) << 3;
        QTest::newRow("byte count of two registers for three")
            << frame("0110001000030409050101") << 3;
    }

    void exceptionsAndSilence() {
        QFETCH(QByteArray, request);
        QFETCH(int, code);
        BmuDevice device = testDevice();
        const quint16 setup = device.peekRegister(0x0010);
        QCOMPARE(RequestParser().feed(request).size(), 1); // a frame, which the device judges
        const QByteArray reply = ask(device, request);
        if (code == 0) {
            QVERIFY(reply.isEmpty());
        } else {
            QCOMPARE(reply.size(), 5);
            QVERIFY(crcIsValid(reply));
            QCOMPARE(byteAt(reply, 1), quint8(byteAt(request, 1) | 0x80));
            QCOMPARE(int(byteAt(reply, 2)), code);
        }
        QCOMPARE(device.peekRegister(0x0010), setup);
        QVERIFY(device.setupWrites().isEmpty());
    }

    // A fetched block is ready once the delay has passed, and never for a unit the system
    // lacks.
    void readinessFollowsTheDelay() {
        BmuDevice device = testDevice();
        device.setReadinessDelay(1000);
        QElapsedTimer clock;
        clock.start();
        ask(device, hexToBytes(bmsInfoRequest(1)));
        QVERIFY(!bmsInfoReady(device));
        QTRY_VERIFY_WITH_TIMEOUT(bmsInfoReady(device), 5000);
        QVERIFY(clock.elapsed() >= 1000);
        device.setReadinessDelay(0);
        ask(device, hexToBytes(bmsInfoRequest(3))); // the system has two towers
        QVERIFY(!bmsInfoReady(device));
    }

    void scenarioOverridesWhatTheDeviceComputes() {
        const QByteArray record =
            QByteArray::fromHex("0218051110142a01170040") + QByteArray(19, '\0');
        BmuDevice device = testDevice();
        QString error;
        QVERIFY2(applyScenario(R"({"registers": {"0x050D": "0x8001", "1284": 65526, "0x0300": 7},
                                  "bms": [{"number": 1, "offset": 58, "hex": "80 01"}],
                                  "history": {"0": [")" +
                                   record.toHex(' ') + R"("]}})",
                               device, &error),
                 qPrintable(error));
        device.advance(1200); // the values move on, the overrides stay
        QCOMPARE(wordBE(ask(device, hexToBytes(Command::StatusSecond)), 3 + 2 * 4),
                 quint16(0xFFF6));
        QCOMPARE(device.peekRegister(0x050D), quint16(0x8001));
        ask(device, hexToBytes(bmsInfoRequest(1)));
        QVERIFY(bmsInfoReady(device));
        QCOMPARE(wordBE(ask(device, hexToBytes(Command::BmsInfoPage)), 5 + 58), quint16(0x8001));
        device.reseed(9, logEnd); // a new seed keeps the replaced log
        QCOMPARE(device.historyLog(0).all(), QVector<QByteArray>{record});
        // An overridden unmapped register is read and written from the link until cleared.
        QCOMPARE(wordBE(ask(device, readFrame(0x0300, 1)), 3), quint16(7));
        QCOMPARE(ask(device, writeFrame(0x0300, QByteArray::fromHex("4321"))).size(), 8);
        QCOMPARE(device.peekRegister(0x0300), quint16(0x4321));
        device.clearRegister(0x0300);
        QCOMPARE(byteAt(ask(device, readFrame(0x0300, 1)), 1), quint8(0x83));
    }

    void scenarioRejectsWhatItCannotApply_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("{registers: 1");
        QTest::newRow("an array") << QByteArray("[1, 2]");
        QTest::newRow("address too large") << QByteArray(R"({"registers": {"0x10000": 1}})");
        QTest::newRow("value too large") << QByteArray(R"({"registers": {"0x0500": 70000}})");
        QTest::newRow("no such BMS")
            << QByteArray(R"({"bms": [{"number": 3, "offset": 0, "hex": "00"}]})");
        QTest::newRow("bytes past the block")
            << QByteArray(R"({"bms": [{"number": 1, "offset": 419, "hex": "0000"}]})");
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

    // Every option is taken, and a wrong one refused. A seed holds the values still and gives
    // the same system each time, another seed another; the scenario file is read, a missing
    // one refused.
    void commandLineSetsUpTheSimulator() {
        QTemporaryDir dir;
        QFile scenario(dir.filePath("scenario.json"));
        QVERIFY(scenario.open(QIODevice::WriteOnly));
        scenario.write(R"({"registers": {"0x050D": "0x8001"}})");
        scenario.close();
        SimOptions o;
        QString error;
        QVERIFY2(parseSimOptions(arguments("voltaro-bmu-sim --listen 0.0.0.0:9000 --system QPA5 "
                                           "--seed 17 --split 3 --split-pause 5 --delay 100 "
                                           "--drop-every 4 --corrupt-every 6 --close-after 9 "
                                           "--ready-delay 0 --scenario " +
                                           scenario.fileName()),
                                 &o, &error),
                 qPrintable(error));
        QCOMPARE(o.host, QHostAddress(QStringLiteral("0.0.0.0")));
        QCOMPARE(o.port, quint16(9000));
        QCOMPARE(QVector<int>({o.splitSegments, o.splitPause, o.replyDelay, o.dropEvery,
                               o.corruptEvery, o.closeAfter, o.readinessDelay}),
                 QVector<int>({3, 5, 100, 4, 6, 9, 0}));
        BmuSimulator simulator(o.preset);
        QVERIFY2(applySimOptions(o, simulator, &error), qPrintable(error));
        QVERIFY(simulator.isStatic());
        QCOMPARE(simulator.device().peekRegister(0x050D), quint16(0x8001));
        const BmuDevice same(SystemPreset::Qpa5, 17, BmuSimulator::staticLogEnd());
        const BmuDevice other(SystemPreset::Qpa5, 18, BmuSimulator::staticLogEnd());
        QCOMPARE(simulator.device().historyLog(1).all(), same.historyLog(1).all());
        QVERIFY(other.historyLog(1).all() != same.historyLog(1).all());
        o.scenario = dir.filePath("missing.json");
        QVERIFY(!applySimOptions(o, simulator, &error));

        SimOptions demo;
        QVERIFY(parseSimOptions(
            arguments("voltaro-bmu-sim --prepare-demo demo --system lv --data-root srv"), &demo,
            &error));
        QCOMPARE(QStringList({demo.prepareDemo, demo.dataRoot}), QStringList({"demo", "srv"}));
        QCOMPARE(demo.preset, SystemPreset::LowVoltage);
        for (const char* bad : {"--fast", "--system mv", "--listen 127.0.0.1",
                                "--listen 127.0.0.1:70000", "--delay -5", "extra"}) {
            error.clear();
            QVERIFY2(!parseSimOptions(arguments(QStringLiteral("voltaro-bmu-sim ") + bad), &demo,
                                      &error) &&
                         !error.isEmpty(),
                     bad);
        }
    }

    // The demo folder's Config.ini holds the demo passwords as the tool stores them. (The
    // update files and the download index are taken by tests/cli's flash, table and download.)
    void demoFolderHoldsThePasswords() {
        QTemporaryDir dir;
        QString error;
        QVERIFY2(prepareDemoFolder(dir.path(), SystemPreset::LowVoltage, QString(), &error),
                 qPrintable(error));
        QSettings config(dir.filePath("Config.ini"), QSettings::IniFormat);
        for (const DemoPassword& entry : demoPasswords())
            QCOMPARE(decodeStoredPassword(
                         config.value(QStringLiteral("B/") + QLatin1String(entry.key)).toString()),
                     QString::fromLatin1(entry.password));
    }

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
        QSignalSpy requests(&simulator, &BmuSimulator::requestReceived);
        QElapsedTimer timer;
        timer.start();
        client.socket.write(hexToBytes(Command::BmsInfoPage));
        QVERIFY(requests.wait(2000));
        if (delay > 0)
            QVERIFY(client.received.isEmpty()); // held past the request
        QTRY_COMPARE(client.received.size(), 135);
        QVERIFY(timer.elapsed() >= delay + 40 * (segments - 1));
        QCOMPARE(client.chunks.size(), segments);
        QVERIFY(crcIsValid(client.received));
    }

    // Six reads of 1..6 registers at once, each reply telling by its length which it
    // answers: which are answered, which with a bad CRC, and after which the link closes
    // (the count starts again with every connection).
    void dropsCorruptsOrCloses_data() {
        QTest::addColumn<int>("drop");
        QTest::addColumn<int>("corrupt");
        QTest::addColumn<int>("close");
        QTest::addColumn<QVector<int>>("answered");
        QTest::newRow("drop every third") << 3 << 0 << 0 << QVector<int>{1, 2, 4, 5};
        QTest::newRow("corrupt every fourth") << 0 << 4 << 0 << QVector<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("close after three") << 0 << 0 << 3 << QVector<int>{1, 2, 3};
    }

    void dropsCorruptsOrCloses() {
        QFETCH(int, drop);
        QFETCH(int, corrupt);
        QFETCH(int, close);
        QFETCH(QVector<int>, answered);
        BmuSimulator simulator;
        simulator.setDropEveryNth(drop);
        simulator.setCorruptEveryNth(corrupt);
        simulator.setCloseAfterFrames(close);
        QVERIFY(simulator.listen());
        for (int connection = 0; connection < (close > 0 ? 2 : 1); ++connection) {
            Client client(simulator.serverPort());
            for (int k = 1; k <= 6; ++k)
                client.socket.write(readFrame(0x0000, quint16(k)));
            if (close > 0)
                QTRY_COMPARE(client.socket.state(), QAbstractSocket::UnconnectedState);
            QTRY_COMPARE(cutReplies(client.received).size(), answered.size());
            const QVector<QByteArray> replies = cutReplies(client.received);
            for (int i = 0; i < replies.size(); ++i) {
                QCOMPARE(byteAt(replies[i], 2) / 2, answered[i]);
                QCOMPARE(crcIsValid(replies[i]), corrupt == 0 || (i + 1) % corrupt != 0);
            }
        }
    }

    void pymodbusClientTalksToTheSimulator() {
        BmuSimulator simulator(SystemPreset::HighVoltage);
        QVERIFY(simulator.listen());
        // pymodbus is installed for the system interpreter only.
        QProcess python;
        python.setProcessChannelMode(QProcess::MergedChannels);
        python.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(VOLTARO_SOURCE_DIR "/tests/sim/modbus_conformance.py"),
                      QString::number(simulator.serverPort())});
        QVERIFY2(python.waitForStarted(5000), "/usr/bin/python3 does not start");
        QTRY_VERIFY_WITH_TIMEOUT(python.state() == QProcess::NotRunning, 60000);
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
