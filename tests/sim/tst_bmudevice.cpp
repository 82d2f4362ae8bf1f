#include "simtestutil.h"

#include <QRandomGenerator>
#include <QtTest>

// The simulated BMU as a Modbus slave: request framing, the reply to every request of the
// catalogue, exceptions, and the three transfers.

namespace {

// The transfers as the catalogue writes them, in the order of TransferTarget.
const struct {
    const char* headerHead; // with the byte count of the five header words
    const char* packetHead; // the register count follows
    const char* resultRead;
} targets[] = {
    {Command::BmuFirmwareHeaderHead, Command::BmuFirmwarePacketHead, Command::BmuUpdateResult},
    {Command::BmsFirmwareHeaderHead, Command::BmsFirmwarePacketHead, Command::BmsUpdateResult},
    {Command::TableHeaderHead, Command::TablePacketHead, Command::TableUpdateResult}};

QByteArray headerFrame(TransferTarget target, const QByteArray& header) {
    return frameWithCrc(hexToBytes(targets[int(target)].headerHead) + header);
}

// Packet k (1-based) of an image: 128 bytes, the last one what is left (maybe none); the
// register count of an odd length is rounded down.
QByteArray packetFrame(TransferTarget target, const QByteArray& image, int number) {
    const QByteArray bytes = image.mid((number - 1) * 128, 128);
    const QByteArray data = words({quint16(number), 0, quint16(bytes.size())}) + bytes;
    return frameWithCrc(hexToBytes(targets[int(target)].packetHead) + char(data.size() / 2) +
                        char(data.size()) + data);
}

int packetCount(const QByteArray& image) {
    return image.size() / 128 + 1; // the last entry is always sent, even when empty
}

QByteArray image(int size) {
    QByteArray bytes;
    QRandomGenerator random{quint32(size)};
    while (bytes.size() < size)
        bytes.append(char(random.bounded(256)));
    return bytes;
}

// Header then every packet; true when every reply is the echo of address and count, with
// its CRC.
bool sendImage(BmuDevice& device, TransferTarget target, const QByteArray& header,
               const QByteArray& bytes) {
    QVector<QByteArray> frames = {headerFrame(target, header)};
    for (int k = 1; k <= packetCount(bytes); ++k)
        frames.append(packetFrame(target, bytes, k));
    for (const QByteArray& frame : frames) {
        if (ask(device, frame) != frameWithCrc(frame.left(6)))
            return false;
    }
    return true;
}

quint16 resultStatus(BmuDevice& device, TransferTarget target) {
    return wordBE(ask(device, QString(targets[int(target)].resultRead)), 7); // third of nine
}

} // namespace

class TestBmuDevice : public QObject {
    Q_OBJECT

private slots:
    void parserSplitsAndJoinsFrames_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("status read") << hexToBytes("01 03 00 00 00 66 C5 E0");
        QTest::newRow("setup write") << writeFrame(0x0010, QByteArray::fromHex("090501010100"));
        QTest::newRow("full packet")
            << writeFrame(0x05F7, words({1, 0, 128}) + QByteArray(128, 'x'));
        QTest::newRow("odd last packet")
            << writeFrame(0x0647, words({9, 0, 43}) + QByteArray(43, 'y'));
        QTest::newRow("unknown function") << frameWithCrc(QByteArray::fromHex("012B0E0100"));
        QTest::newRow("other slave") << frameWithCrc(QByteArray::fromHex("050300100003"));
    }

    void parserSplitsAndJoinsFrames() {
        QFETCH(QByteArray, frame);
        for (int cut = 0; cut <= frame.size(); ++cut) {
            RequestParser parser;
            QVector<ModbusRequest> requests = parser.feed(frame.left(cut));
            requests += parser.feed(frame.mid(cut));
            QCOMPARE(requests.size(), 1);
            QCOMPARE(requests.first().frame, frame);
            QCOMPARE(parser.pendingSize(), 0);
        }
        RequestParser parser; // two requests in one segment come out as two
        const QVector<ModbusRequest> twice = parser.feed(frame + frame);
        QCOMPARE(twice.size(), 2);
        QCOMPARE(twice.last().frame, frame);
    }

    void parserResynchronisesAfterGarbage_data() {
        QTest::addColumn<QByteArray>("prefix");
        QTest::newRow("stray bytes") << QByteArray::fromHex("FF00A5");
        QTest::newRow("read with a bad CRC") << QByteArray::fromHex("0103000000660000");
        QTest::newRow("cut-off write") << QByteArray::fromHex("0110001000030609");
        QTest::newRow("unknown function without end") << QByteArray::fromHex("0177123456");
    }

    void parserResynchronisesAfterGarbage() {
        QFETCH(QByteArray, prefix);
        const QByteArray good = hexToBytes("01 03 05 51 00 01 D5 17");
        RequestParser parser;
        QVector<ModbusRequest> requests = parser.feed(prefix);
        requests += parser.feed(good);
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.last().frame, good);
        QCOMPARE(parser.pendingSize(), 0);
    }

    void catalogueRequestsGetWellFormedReplies_data() {
        QTest::addColumn<QByteArray>("request");
        for (const char* command : fixedCommands())
            QTest::newRow(command) << hexToBytes(QLatin1String(command));
        QTest::newRow("history block request, BMU") << hexToBytes(historyBlockRequest(0));
        QTest::newRow("history block request, BMS2") << hexToBytes(historyBlockRequest(2));
        QTest::newRow("BMS information request") << hexToBytes(bmsInfoRequest(1));
        QTest::newRow("extended-read word") << hexToBytes(extendedReadRequest());
        QTest::newRow("setup write")
            << hexToBytes(setupWriteRequest(QByteArray::fromHex("090501010100")));
        // Transfer headers and packets: imagesArriveByteForByte.
    }

    void catalogueRequestsGetWellFormedReplies() {
        QFETCH(QByteArray, request);
        BmuDevice device = testDevice();
        const QByteArray reply = ask(device, request);
        QVERIFY(crcIsValid(reply));
        QCOMPARE(byteAt(reply, 0), quint8(0x01));
        QCOMPARE(byteAt(reply, 1), byteAt(request, 1)); // not an exception
        if (byteAt(request, 1) == 0x03) {
            const int count = wordBE(request, 4);
            QCOMPARE(reply.size(), 5 + 2 * count);
            QCOMPARE(int(byteAt(reply, 2)), 2 * count);
        } else { // the echo repeats address and register count
            QCOMPARE(reply.size(), 8);
            QCOMPARE(reply.left(6), request.left(6));
        }
    }

    // code 0: no reply at all, as another slave on a serial bus would answer.
    void exceptionsAndSilence_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("code");
        const QByteArray setup = QByteArray::fromHex("10001000030600010000000000");
        QTest::newRow("read for slave 2") << frameWithCrc(QByteArray::fromHex("020300100003")) << 0;
        QTest::newRow("setup write for slave 7") << frameWithCrc('\x07' + setup) << 0;
        QTest::newRow("broadcast setup write") << frameWithCrc('\x00' + setup) << 0;
        QTest::newRow("read of an unmapped register") << readFrame(0x0200, 1) << 2;
        QTest::newRow("read running past the status block") << readFrame(0x0060, 8) << 2;
        QTest::newRow("read between the BMS blocks") << readFrame(0x0552, 2) << 2;
        QTest::newRow("read past the history page") << readFrame(0x05A8, 66) << 2;
        QTest::newRow("read of no register") << readFrame(0x0000, 0) << 3;
        QTest::newRow("read of 126 registers") << readFrame(0x0000, 126) << 3;
        QTest::newRow("read input registers")
            << frameWithCrc(QByteArray::fromHex("010400000001")) << 1;
        QTest::newRow("write single register")
            << frameWithCrc(QByteArray::fromHex("010600100905")) << 1;
        QTest::newRow("unknown function 0x2B")
            << frameWithCrc(QByteArray::fromHex("012B0E0100")) << 1;
        QTest::newRow("write to the serial number") << writeFrame(0x0000, words({0x5030})) << 2;
        QTest::newRow("write over the end of the setup") << writeFrame(0x0012, words({1, 2})) << 2;
        QTest::newRow("firmware header of four registers")
            << writeFrame(0x05F0, words({1, 2, 0x8100, 4})) << 2;
        QTest::newRow("write inside the packet area") << writeFrame(0x05F8, words({1, 2, 3})) << 2;
        QTest::newRow("odd byte count outside a packet")
            << frameWithCrc(QByteArray::fromHex("01100010000103090501")) << 3;
        QTest::newRow("byte count of two registers for three")
            << frameWithCrc(QByteArray::fromHex("0110001000030409050101")) << 3;
    }

    void exceptionsAndSilence() {
        QFETCH(QByteArray, request);
        QFETCH(int, code);
        BmuDevice device = testDevice();
        const quint16 setup = device.peekRegister(0x0010);
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

    void setupWriteChangesLaterReads() {
        BmuDevice device = testDevice();
        const QByteArray data = QByteArray::fromHex("120502020000");
        QCOMPARE(ask(device, setupWriteRequest(data)).size(), 8);
        QCOMPARE(ask(device, QString(Command::SetupRead)).mid(3, 6), data);
        QCOMPARE(ask(device, QString(Command::StatusFirst)).mid(35, 6), data);
        QCOMPARE(device.setupWrites(), QVector<QByteArray>{data});
    }

    void valuesMoveButOverridesWin() {
        BmuDevice device = testDevice();
        device.setRegister(0x050D, 0x8001);
        device.setRegister(0x0300, 0x1234); // unmapped until overridden
        const QByteArray before = ask(device, QString(Command::StatusSecond));
        QCOMPARE(ask(device, QString(Command::StatusSecond)), before); // nothing moves by itself
        for (int minute = 0; minute < 20; ++minute)
            device.advance(60);
        const QByteArray after = ask(device, QString(Command::StatusSecond));
        QVERIFY(after != before);
        // Slowly: twenty minutes move the state of charge by a limited amount.
        QVERIFY(qAbs(int(wordBE(after, 3)) - int(wordBE(before, 3))) <= 40);
        QCOMPARE(ask(device, readFrame(0x050D, 1)).mid(3, 2), words({0x8001}));
        QCOMPARE(ask(device, readFrame(0x0300, 1)).mid(3, 2), words({0x1234}));
        QCOMPARE(ask(device, writeFrame(0x0300, words({0x4321}))).size(), 8);
        QCOMPARE(device.peekRegister(0x0300), quint16(0x4321));
        device.clearRegister(0x0300);
        QCOMPARE(byteAt(ask(device, readFrame(0x0300, 1)), 1), quint8(0x83));
    }

    void sameSeedSameSystem() {
        BmuDevice a = testDevice(SystemPreset::Qpa5, 42);
        BmuDevice b = testDevice(SystemPreset::Qpa5, 42);
        BmuDevice c = testDevice(SystemPreset::Qpa5, 43);
        for (BmuDevice* device : {&a, &b, &c})
            device->advance(300);
        QCOMPARE(ask(a, QString(Command::StatusSecond)), ask(b, QString(Command::StatusSecond)));
        QCOMPARE(a.historyLog(1).all(), b.historyLog(1).all());
        QVERIFY(a.historyLog(0).all() != c.historyLog(0).all());
    }

    void imagesArriveByteForByte_data() {
        QTest::addColumn<TransferTarget>("target");
        QTest::addColumn<int>("size");
        const QVector<QPair<const char*, TransferTarget>> targets = {
            {"BMU", TransferTarget::BmuFirmware},
            {"BMS", TransferTarget::BmsFirmware},
            {"table", TransferTarget::ParameterTable}};
        for (const auto& t : targets) {
            for (int size : {0, 1, 127, 128, 129, 1068, 5001})
                QTest::addRow("%s, %d bytes", t.first, size) << t.second << size;
        }
    }

    void imagesArriveByteForByte() {
        QFETCH(TransferTarget, target);
        QFETCH(int, size);
        BmuDevice device = testDevice();
        const QByteArray bytes = image(size);
        QVERIFY(sendImage(device, target, transferHeader(0x030E, 1, quint32(size)), bytes));
        QCOMPARE(resultStatus(device, target), quint16(0));
        QCOMPARE(device.receivedImage(target), bytes);
        QCOMPARE(device.packetsReceived(target), packetCount(bytes));
    }

    void successShowsTheNewVersion_data() {
        QTest::addColumn<TransferTarget>("target");
        QTest::addColumn<quint16>("address");
        QTest::addColumn<quint16>("expected");
        QTest::addColumn<quint16>("runningSections");
        // The header's version word is 0x030E (V3.14) and its section word B, for tables
        // the type code 1 and version word 0x0307.
        QTest::newRow("BMU into section B")
            << TransferTarget::BmuFirmware << quint16(0x000D) << quint16(0x030E) << quint16(0x0100);
        QTest::newRow("BMS into section B")
            << TransferTarget::BmsFirmware << quint16(0x000E) << quint16(0x030E) << quint16(0x0001);
        QTest::newRow("parameter table") << TransferTarget::ParameterTable << quint16(0x050E)
                                         << quint16(0x0307) << quint16(0x0000);
    }

    void successShowsTheNewVersion() {
        QFETCH(TransferTarget, target);
        QFETCH(quint16, address);
        QFETCH(quint16, expected);
        QFETCH(quint16, runningSections);
        BmuDevice device = testDevice();
        const int logSize = device.historyLog(0).size();
        QVERIFY(device.peekRegister(address) != expected);
        const bool table = target == TransferTarget::ParameterTable;
        sendImage(device, target,
                  table ? transferHeader(1, 0x0307, 300) : transferHeader(0x030E, 1, 300),
                  image(300));
        QVERIFY(device.peekRegister(address) != expected); // applied when the result is read
        QCOMPARE(resultStatus(device, target), quint16(0));
        QCOMPARE(device.peekRegister(address), expected);
        QCOMPARE(device.peekRegister(0x000F), runningSections);
        QVERIFY(device.historyLog(0).size() > logSize);     // the BMU logged the update
        QCOMPARE(resultStatus(device, target), quint16(0)); // reading again changes nothing more
        QCOMPARE(device.peekRegister(address), expected);
    }

    void failuresReportANonZeroStatus_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QVector<int>>(
            "packetNumbers"); // packets of a 300-byte image, in send order
        const QByteArray good = transferHeader(0x030E, 1, 300);
        QTest::newRow("a packet skipped") << good << QVector<int>{1, 3};
        QTest::newRow("packets swapped") << good << QVector<int>{1, 3, 2};
        QTest::newRow("last packet missing") << good << QVector<int>{1, 2};
        QTest::newRow("header announces more")
            << transferHeader(0x030E, 1, 301) << QVector<int>{1, 2, 3};
        QTest::newRow("header announces less")
            << transferHeader(0x030E, 1, 299) << QVector<int>{1, 2, 3};
        QTest::newRow("no header") << QByteArray() << QVector<int>{1, 2, 3};
        QTest::newRow("header without start command")
            << transferHeader(0x030E, 1, 300, 0x0000) << QVector<int>{1, 2, 3};
    }

    void failuresReportANonZeroStatus() {
        QFETCH(QByteArray, header);
        QFETCH(QVector<int>, packetNumbers);
        BmuDevice device = testDevice();
        const quint16 versionB = device.peekRegister(0x000D);
        const QByteArray bytes = image(300);
        if (!header.isEmpty())
            ask(device, headerFrame(TransferTarget::BmuFirmware, header));
        for (int k : packetNumbers)
            QCOMPARE(ask(device, packetFrame(TransferTarget::BmuFirmware, bytes, k)).size(), 8);
        QVERIFY(resultStatus(device, TransferTarget::BmuFirmware) != 0);
        QCOMPARE(device.peekRegister(0x000D), versionB);
        QCOMPARE(device.peekRegister(0x000F), quint16(0x0000));
    }

    void repeatedPacketIsTakenOnce() {
        // The tool sends a packet again when its echo was lost.
        BmuDevice device = testDevice(SystemPreset::LowVoltage);
        const QByteArray bytes = image(300);
        const TransferTarget bms = TransferTarget::BmsFirmware;
        ask(device, headerFrame(bms, transferHeader(0x0207, 1, 300)));
        for (int k : {1, 2, 2, 3, 3})
            ask(device, packetFrame(bms, bytes, k));
        QCOMPARE(device.receivedImage(bms), bytes);
        QCOMPARE(resultStatus(device, bms), quint16(0));
        // A different packet under the number just taken is a fault, not a repeat.
        ask(device, headerFrame(bms, transferHeader(0x0207, 1, 300)));
        ask(device, packetFrame(bms, bytes, 1));
        ask(device, packetFrame(bms, image(301).left(40), 1));
        QVERIFY(resultStatus(device, bms) != 0);
    }
};

QTEST_GUILESS_MAIN(TestBmuDevice)
#include "tst_bmudevice.moc"
