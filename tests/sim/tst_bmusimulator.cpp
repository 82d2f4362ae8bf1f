// The simulated BMU where no test of the tool reaches it: what another Modbus master sees
// (framing, exception replies, silence, transfer verdicts, readiness), scenarios, seeds and its
// command line, one check of each fault option on the socket, and a Modbus client written by others
// (Debian's pymodbus). The operations the tool runs against it are tested end to end in
// tests/session and tests/cli.

#include "link/bytes.h"
#include "link/catalogue.h"
#include "link/crc.h"
#include "link/hexcommand.h"
#include "sim/bmusimulator.h"
#include "sim/scenario.h"
#include "sim/simoptions.h"

#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A device that answers fetches at once.
BmuDevice testDevice() {
    BmuDevice device(SystemPreset::HighVoltage, 1, BmuSimulator::staticLogEnd());
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

QByteArray words(std::initializer_list<quint16> values) {
    QByteArray bytes;
    for (quint16 value : values)
        bytes.append(char(value >> 8)).append(char(value & 0xFF));
    return bytes;
}

// A write of the bytes from address; the register count is the byte count halved, rounded
// down, as the odd last packet of a transfer declares it.
QByteArray writeFrame(quint16 address, const QByteArray& data) {
    return frame("0110" + hexField(address) + hexField(quint16(data.size() / 2)) +
                 QString::number(data.size(), 16).rightJustified(2, QLatin1Char('0')) +
                 QString::fromLatin1(data.toHex()));
}

QByteArray ask(BmuDevice& device, const QByteArray& request) {
    return device.handle(RequestParser().feed(request).value(0));
}

bool bmsInfoReady(BmuDevice& device) {
    return wordBE(ask(device, hexToBytes(Command::BmsInfoReadyPoll)), 3) == Command::ReadyValue;
}

// The simulator's command line, its words one blank apart.
QStringList arguments(const QString& options) {
    return QString("voltaro-bmu-sim " + options).split(QLatin1Char(' '));
}

// The whole read replies of a stream, cut by their byte count whatever their CRC.
QVector<QByteArray> cutReplies(const QByteArray& stream) {
    QVector<QByteArray> frames;
    for (int offset = 0; offset + 5 + byteAt(stream, offset + 2) <= stream.size();
         offset += frames.last().size())
        frames.append(stream.mid(offset, 5 + byteAt(stream, offset + 2)));
    return frames;
}

} // namespace

class TestBmuSimulator : public QObject {
    Q_OBJECT

private slots:
    // code 0: no reply at all, as another slave on a serial bus would answer.
    void exceptionsAndSilence_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("code");
        QTest::newRow("read for slave 2") << frame("020300100003") << 0;
        QTest::newRow("broadcast setup write") << frame("00100010000306000100000000") << 0;
        QTest::newRow("write over the end of the setup")
            << frame("0110 0012 0002 04 00010002") << 2;
        QTest::newRow("firmware header of four registers")
            << frame("0110 05F0 0004 08 0001000281000004") << 2;
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
            QCOMPARE(modbusCrc16(reply), quint16(0)); // a frame's CRC taken over its CRC too
            QCOMPARE(byteAt(reply, 1), quint8(byteAt(request, 1) | 0x80));
            QCOMPARE(int(byteAt(reply, 2)), code);
        }
        QCOMPARE(device.peekRegister(0x0010), setup);
        QVERIFY(device.setupWrites().isEmpty());
    }

    // Every cut of the stream into two reads gives the frame, also after bytes that are no
    // request; two frames in one read come out as two.
    void parserFindsFramesInAnyCut_data() {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<QByteArray>("frame");
        const QByteArray poll = hexToBytes(Command::BmsInfoReadyPoll);
        QTest::newRow("odd last packet")
            << QByteArray() << writeFrame(0x0647, words({9, 0, 43}) + QByteArray(43, 'y'));
        QTest::newRow("unknown function") << QByteArray() << frame("012B0E0100");
        QTest::newRow("after stray bytes") << QByteArray::fromHex("FF00A5") << poll;
        QTest::newRow("after a read with a bad CRC")
            << QByteArray::fromHex("0103000000660000") << poll;
        QTest::newRow("after a cut-off write") << QByteArray::fromHex("0110001000030609") << poll;
        QTest::newRow("after an unknown function without end")
            << QByteArray::fromHex("0177123456") << poll;
    }

    void parserFindsFramesInAnyCut() {
        QFETCH(QByteArray, prefix);
        QFETCH(QByteArray, frame);
        const QByteArray stream = prefix + frame;
        for (int cut = 0; cut <= stream.size(); ++cut) {
            RequestParser parser;
            QVector<ModbusRequest> requests = parser.feed(stream.left(cut));
            requests += parser.feed(stream.mid(cut));
            QVERIFY2(!requests.isEmpty(), qPrintable(QString::number(cut)));
            QCOMPARE(requests.last().frame, frame);
            if (prefix.isEmpty())
                QCOMPARE(requests.size(), 1);
            QCOMPARE(parser.pendingSize(), 0);
        }
        QCOMPARE(RequestParser().feed(frame + frame).size(), 2);
    }

    // The verdict the BMU gives after a firmware transfer: only the announced image, every
    // packet in order, is taken; a packet sent again after a lost echo is taken once.
    void transferVerdicts_data() {
        QTest::addColumn<int>("announced"); // image size in the header; -1: no header
        // Packets of a 301-byte image in send order; a negative number sends that packet
        // with other bytes.
        QTest::addColumn<QVector<int>>("packets");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("repeats taken once") << 301 << QVector<int>{1, 2, 2, 3, 3} << true;
        QTest::newRow("a packet skipped") << 301 << QVector<int>{1, 3} << false;
        QTest::newRow("packets swapped") << 301 << QVector<int>{1, 3, 2} << false;
        QTest::newRow("header announces more") << 302 << QVector<int>{1, 2, 3} << false;
        QTest::newRow("no header") << -1 << QVector<int>{1, 2, 3} << false;
        QTest::newRow("other bytes under a taken number")
            << 301 << QVector<int>{1, -1, 2, 3} << false;
    }

    void transferVerdicts() {
        QFETCH(int, announced);
        QFETCH(QVector<int>, packets);
        QFETCH(bool, accepted);
        BmuDevice device = testDevice();
        QByteArray image, other;
        for (int i = 0; i < 301; ++i) {
            image.append(char(i * 7));
            other.append(char(i * 7 + 1));
        }
        QVector<QByteArray> frames;
        if (announced >= 0) // version, section, start command, size low word first
            frames << writeFrame(0x05F0, words({0x030E, 1, 0x8100, quint16(announced), 0}));
        for (int k : packets) { // 128 bytes a packet, the last one what is left
            const QByteArray bytes = (k < 0 ? other : image).mid((qAbs(k) - 1) * 128, 128);
            frames << writeFrame(0x05F7,
                                 words({quint16(qAbs(k)), 0, quint16(bytes.size())}) + bytes);
        }
        for (const QByteArray& request : frames) // each echoes address and count
            QCOMPARE(ask(device, request), frame(QString::fromLatin1(request.left(6).toHex())));
        const QByteArray result = ask(device, hexToBytes(Command::BmuUpdateResult));
        QCOMPARE(wordBE(result, 7) == 0, accepted); // the third of nine registers
        if (accepted)
            QCOMPARE(device.receivedImage(TransferTarget::BmuFirmware), image);
    }

    // A fetched block is ready once the delay has passed.
    void readinessFollowsTheDelay() {
        BmuDevice device = testDevice();
        device.setReadinessDelay(1000);
        QElapsedTimer clock;
        clock.start();
        ask(device, hexToBytes(bmsInfoRequest(1)));
        QVERIFY(!bmsInfoReady(device));
        QTRY_VERIFY_WITH_TIMEOUT(bmsInfoReady(device), 5000);
        QVERIFY(clock.elapsed() >= 1000);
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
        device.reseed(9, BmuSimulator::staticLogEnd()); // a new seed keeps the replaced log
        QCOMPARE(device.historyLog(0).all(), QVector<QByteArray>{record});
        // An overridden unmapped register is read and written from the link until cleared.
        QCOMPARE(wordBE(ask(device, readFrame(0x0300, 1)), 3), quint16(7));
        QCOMPARE(ask(device, frame("0110 0300 0001 02 4321")).size(), 8);
        QCOMPARE(device.peekRegister(0x0300), quint16(0x4321));
        device.clearRegister(0x0300);
        QCOMPARE(byteAt(ask(device, readFrame(0x0300, 1)), 1), quint8(0x83));
    }

    void scenarioRejectsWhatItCannotApply_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("{registers: 1");
        QTest::newRow("address too large") << QByteArray(R"({"registers": {"0x10000": 1}})");
        QTest::newRow("no such BMS")
            << QByteArray(R"({"bms": [{"number": 3, "offset": 0, "hex": "00"}]})");
        QTest::newRow("bytes past the block")
            << QByteArray(R"({"bms": [{"number": 1, "offset": 419, "hex": "0000"}]})");
        QTest::newRow("short record") << QByteArray(R"({"history": {"0": ["0218"]}})");
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
        QVERIFY2(parseSimOptions(arguments("--listen 0.0.0.0:9000 --system QPA5 "
                                           "--seed 17 --split 3 --split-pause 5 --delay 100 "
                                           "--drop-every 4 --corrupt-every 6 --close-after 9 "
                                           "--ready-delay 0 --scenario " +
                                           scenario.fileName()),
                                 &o, &error),
                 qPrintable(error));
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

        QVERIFY(parseSimOptions(arguments("--prepare-demo demo --system lv --data-root srv"), &o,
                                &error));
        QCOMPARE(QStringList({o.prepareDemo, o.dataRoot}), QStringList({"demo", "srv"}));
        QCOMPARE(o.preset, SystemPreset::LowVoltage);
        for (const char* bad : {"--fast", "--system mv", "--listen 127.0.0.1:70000", "--delay -5"})
            QVERIFY2(!parseSimOptions(arguments(bad), &o, &error), bad);
    }

    // One check of each fault option. Six reads of 1..6 registers at once, each reply
    // telling by its length which it answers: which are answered, which with a bad CRC, how
    // late, in how many pieces, and after which the link closes (the count starts again
    // with every connection).
    void faultOptions_data() {
        QTest::addColumn<int>("split"); // segments, 40 ms apart
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("drop");
        QTest::addColumn<int>("corrupt");
        QTest::addColumn<int>("close");
        QTest::addColumn<QVector<int>>("answered");
        const QVector<int> all{1, 2, 3, 4, 5, 6};
        QTest::newRow("split in seven") << 7 << 0 << 0 << 0 << 0 << all;
        QTest::newRow("delayed") << 1 << 300 << 0 << 0 << 0 << all;
        QTest::newRow("drop every third") << 1 << 0 << 3 << 0 << 0 << QVector<int>{1, 2, 4, 5};
        QTest::newRow("corrupt every fourth") << 1 << 0 << 0 << 4 << 0 << all;
        QTest::newRow("close after three") << 1 << 0 << 0 << 0 << 3 << QVector<int>{1, 2, 3};
    }

    void faultOptions() {
        QFETCH(int, split);
        QFETCH(int, delay);
        QFETCH(int, drop);
        QFETCH(int, corrupt);
        QFETCH(int, close);
        QFETCH(QVector<int>, answered);
        BmuSimulator simulator;
        simulator.setSplitReplies(split, 40);
        simulator.setReplyDelay(delay);
        simulator.setDropEveryNth(drop);
        simulator.setCorruptEveryNth(corrupt);
        simulator.setCloseAfterFrames(close);
        QVERIFY(simulator.listen());
        for (int connection = 0; connection < (close > 0 ? 2 : 1); ++connection) {
            QTcpSocket client;
            QByteArrayList chunks;
            QObject::connect(&client, &QTcpSocket::readyRead, [&] { chunks << client.readAll(); });
            client.connectToHost(QHostAddress::LocalHost, simulator.serverPort());
            QVERIFY(client.waitForConnected(3000));
            QElapsedTimer clock;
            clock.start();
            for (int k = 1; k <= 6; ++k)
                client.write(readFrame(0x0000, quint16(k)));
            if (close > 0)
                QTRY_COMPARE(client.state(), QAbstractSocket::UnconnectedState);
            QTRY_COMPARE(cutReplies(chunks.join()).size(), answered.size());
            QVERIFY(clock.elapsed() >= delay + 40 * (split - 1));
            QVERIFY(chunks.size() >= split);
            const QVector<QByteArray> replies = cutReplies(chunks.join());
            for (int i = 0; i < replies.size(); ++i) {
                QCOMPARE(byteAt(replies[i], 2) / 2, answered[i]);
                QCOMPARE(modbusCrc16(replies[i]) == 0, corrupt == 0 || (i + 1) % corrupt != 0);
            }
        }
    }

    void pymodbusClientTalksToTheSimulator() {
        BmuSimulator simulator(SystemPreset::HighVoltage);
        QVERIFY(simulator.listen());
        // pymodbus is installed for the system interpreter only. The script ends with an error
        // at the first check that fails.
        QProcess python;
        python.setProcessChannelMode(QProcess::MergedChannels);
        python.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(VOLTARO_SOURCE_DIR "/tests/sim/modbus_conformance.py"),
                      QString::number(simulator.serverPort())});
        QTRY_VERIFY_WITH_TIMEOUT(python.state() == QProcess::NotRunning, 60000);
        QVERIFY2(python.exitCode() == 0, python.readAll().constData());
        // What pymodbus wrote arrived as it meant it.
        QCOMPARE(simulator.setupWrites(), QVector<QByteArray>{QByteArray::fromHex("090501010100")});
    }
};

QTEST_GUILESS_MAIN(TestBmuSimulator)
#include "tst_bmusimulator.moc"
