#include "simtestutil.h"

#include "link/catalogue.h"
#include "sim/bmudevice.h"

#include <QtTest>

namespace {

const QDateTime logEnd(QDate(2024, 5, 17), QTime(16, 42, 10));

QByteArray firmwareHeader(const char* head, quint16 version, quint16 section, quint32 size) {
    return hexToBytes(appendCrcHex(
        QLatin1String(head) + QLatin1Char(' ') +
        bytesToHexCommand(
            words({version, section, 0x8100, quint16(size & 0xFFFF), quint16(size >> 16)}))));
}

} // namespace

class TestBmuDevice : public QObject {
    Q_OBJECT

private slots:
    void catalogueRequestsGetWellFormedReplies_data();
    void catalogueRequestsGetWellFormedReplies();
    void exceptionReplies_data();
    void exceptionReplies();
    void otherSlavesGetNoReply_data();
    void otherSlavesGetNoReply();
    void statusBlockDescribesThePreset_data();
    void statusBlockDescribesThePreset();
    void setupWriteChangesLaterReads();
    void registerOverrideWinsAndTakesWrites();
    void valuesMoveUnlessLeftAlone();
    void sameSeedSameSystem();
};

void TestBmuDevice::catalogueRequestsGetWellFormedReplies_data() {
    QTest::addColumn<QByteArray>("request");
    for (const char* command : fixedCommands())
        QTest::newRow(command) << hexToBytes(QLatin1String(command));
    QTest::newRow("history block request, BMU") << hexToBytes(historyBlockRequest(0));
    QTest::newRow("history block request, BMS2") << hexToBytes(historyBlockRequest(2));
    QTest::newRow("BMS information request") << hexToBytes(bmsInfoRequest(1));
    QTest::newRow("extended-read word") << hexToBytes(extendedReadRequest());
    QTest::newRow("setup write") << hexToBytes(
        setupWriteRequest(QByteArray::fromHex("090501010100")));
    QTest::newRow("BMU firmware header")
        << firmwareHeader(Command::BmuFirmwareHeaderHead, 0x030E, 1, 300);
    QTest::newRow("BMS firmware header")
        << firmwareHeader(Command::BmsFirmwareHeaderHead, 0x0307, 1, 300);
    QTest::newRow("parameter table header")
        << firmwareHeader(Command::TableHeaderHead, 1, 0x0307, 1068);
    const QByteArray packet = words({1, 0, 128}) + QByteArray(128, '\x5A');
    QTest::newRow("BMU firmware packet") << writeFrame(0x05F7, packet);
    QTest::newRow("BMS firmware packet") << writeFrame(0x0647, packet);
    QTest::newRow("parameter table packet") << writeFrame(0x0407, packet);
    QTest::newRow("last packet of odd length")
        << writeFrame(0x05F7, words({1, 0, 77}) + QByteArray(77, '\x11'));
}

void TestBmuDevice::catalogueRequestsGetWellFormedReplies() {
    QFETCH(QByteArray, request);
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    const QByteArray reply = ask(device, request);
    QVERIFY(crcIsValid(reply));
    QCOMPARE(byteAt(reply, 0), quint8(0x01));
    QCOMPARE(byteAt(reply, 1), byteAt(request, 1)); // not an exception
    if (byteAt(request, 1) == 0x03) {
        const int count = wordBE(request, 4);
        QCOMPARE(reply.size(), 5 + 2 * count);
        QCOMPARE(int(byteAt(reply, 2)), 2 * count);
    } else {
        // The echo repeats address and register count.
        QCOMPARE(reply.size(), 8);
        QCOMPARE(reply.left(6), request.left(6));
    }
}

void TestBmuDevice::exceptionReplies_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("code");
    QTest::newRow("read of an unmapped register") << readFrame(0x0200, 1) << 2;
    QTest::newRow("read running past the status block") << readFrame(0x0060, 8) << 2;
    QTest::newRow("read between the BMS blocks") << readFrame(0x0552, 2) << 2;
    QTest::newRow("read past the history page") << readFrame(0x05A8, 66) << 2;
    QTest::newRow("read of no register") << readFrame(0x0000, 0) << 3;
    QTest::newRow("read of 126 registers") << readFrame(0x0000, 126) << 3;
    QTest::newRow("read input registers") << frameWithCrc(QByteArray::fromHex("010400000001")) << 1;
    QTest::newRow("write single register")
        << frameWithCrc(QByteArray::fromHex("010600100905")) << 1;
    QTest::newRow("unknown function 0x2B") << frameWithCrc(QByteArray::fromHex("012B0E0100")) << 1;
    QTest::newRow("write to the serial number") << writeFrame(0x0000, words({0x5030})) << 2;
    QTest::newRow("write over the end of the setup") << writeFrame(0x0012, words({1, 2})) << 2;
    QTest::newRow("firmware header of four registers")
        << writeFrame(0x05F0, words({1, 2, 0x8100, 4})) << 2;
    QTest::newRow("write inside the packet area") << writeFrame(0x05F8, words({1, 2, 3})) << 2;
    QTest::newRow("odd byte count outside a packet")
        << frameWithCrc(QByteArray::fromHex("01100010000103090501")) << 3;
    QTest::newRow("byte count of two registers for three")
        << frameWithCrc(QByteArray::fromHex("011000100003040905 0101")) << 3;
}

void TestBmuDevice::exceptionReplies() {
    QFETCH(QByteArray, request);
    QFETCH(int, code);
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    const QByteArray reply = ask(device, request);
    QCOMPARE(reply.size(), 5);
    QVERIFY(crcIsValid(reply));
    QCOMPARE(byteAt(reply, 1), quint8(byteAt(request, 1) | 0x80));
    QCOMPARE(int(byteAt(reply, 2)), code);
    QVERIFY(device.setupWrites().isEmpty());
}

void TestBmuDevice::otherSlavesGetNoReply_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("read for slave 2") << frameWithCrc(QByteArray::fromHex("020300100003"));
    QTest::newRow("setup write for slave 7")
        << frameWithCrc(QByteArray::fromHex("0710001000030600010000000000"));
    QTest::newRow("broadcast setup write")
        << frameWithCrc(QByteArray::fromHex("0010001000030600010000000000"));
}

void TestBmuDevice::otherSlavesGetNoReply() {
    QFETCH(QByteArray, request);
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    const quint16 setup = device.peekRegister(0x0010);
    QVERIFY(ask(device, request).isEmpty());
    QCOMPARE(device.peekRegister(0x0010), setup);
    QVERIFY(device.setupWrites().isEmpty());
}

void TestBmuDevice::statusBlockDescribesThePreset_data() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::addColumn<QByteArray>("serialPrefix");
    QTest::addColumn<int>("countByte");
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<int>("cellsInSeries");
    QTest::newRow("HV, two towers of five QPB")
        << SystemPreset::HighVoltage << QByteArray("P03") << 0x25 << 1 << 80;
    QTest::newRow("LV, three modules in parallel")
        << SystemPreset::LowVoltage << QByteArray("P02") << 0x03 << 0 << 16;
    QTest::newRow("QPA, one tower of five")
        << SystemPreset::Qpa5 << QByteArray("P03") << 0x15 << 2 << 160;
}

void TestBmuDevice::statusBlockDescribesThePreset() {
    QFETCH(SystemPreset, preset);
    QFETCH(QByteArray, serialPrefix);
    QFETCH(int, countByte);
    QFETCH(int, typeCode);
    QFETCH(int, cellsInSeries);
    BmuDevice device(preset, 1, logEnd);
    const QByteArray first = ask(device, QString(Command::StatusFirst));
    const QByteArray second = ask(device, QString(Command::StatusSecond));
    QCOMPARE(first.size(), 209);
    QCOMPARE(second.size(), 55);

    const QByteArray serial = first.mid(3, 19);
    QVERIFY2(serial.startsWith(serialPrefix), serial.constData());
    QCOMPARE(serial.indexOf('\0'), device.profile().serial.size()); // NUL-terminated text
    QCOMPARE(int(byteAt(first, 3 + 2 * 0x10 + 1)), countByte);
    QCOMPARE(int(byteAt(first, 3 + 2 * 0x11)), typeCode);
    // BMU section A runs its version; the BMS version and table version are set.
    QCOMPARE(wordBE(first, 3 + 2 * 0x0C), device.profile().bmuA.word());
    QCOMPARE(int(byteAt(first, 3 + 2 * 0x0F)), 0);
    QCOMPARE(wordBE(first, 3 + 2 * 0x0E), device.profile().bmsA.word());
    QCOMPARE(wordBE(second, 3 + 2 * 0x0E), device.profile().table.word());

    const int soc = wordBE(second, 3);
    const int maxCell = wordBE(second, 5); // 10 mV
    const int minCell = wordBE(second, 7);
    const int battery = wordBE(second, 13); // 10 mV
    QVERIFY(soc >= 1 && soc <= 100);
    QVERIFY(minCell >= 300 && minCell <= maxCell && maxCell <= 370);
    QVERIFY(qAbs(battery - cellsInSeries * (maxCell + minCell) / 2) <= cellsInSeries * 2);
    const int maxTemp = signed16(wordBE(second, 15));
    const int minTemp = signed16(wordBE(second, 17));
    QVERIFY(minTemp >= 10 && minTemp <= maxTemp && maxTemp <= 45);
    QCOMPARE(wordBE(second, 3 + 2 * 0x0D), quint16(0)); // no warnings
}

void TestBmuDevice::setupWriteChangesLaterReads() {
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    const QByteArray data = QByteArray::fromHex("120502020000");
    QCOMPARE(ask(device, setupWriteRequest(data)).size(), 8);
    QCOMPARE(ask(device, QString(Command::SetupRead)).mid(3, 6), data);
    QCOMPARE(ask(device, QString(Command::StatusFirst)).mid(35, 6), data);
    QCOMPARE(device.setupWrites(), QVector<QByteArray>{data});
}

void TestBmuDevice::registerOverrideWinsAndTakesWrites() {
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    device.setRegister(0x050D, 0x8001);
    device.setRegister(0x0300, 0x1234); // unmapped until overridden
    device.advance(30);
    QCOMPARE(replyWords(ask(device, readFrame(0x050D, 1))), QVector<quint16>{0x8001});
    QCOMPARE(replyWords(ask(device, readFrame(0x0300, 1))), QVector<quint16>{0x1234});
    QCOMPARE(ask(device, writeFrame(0x0300, words({0x4321}))).size(), 8);
    QCOMPARE(device.peekRegister(0x0300), quint16(0x4321));
    device.clearRegister(0x0300);
    QCOMPARE(byteAt(ask(device, readFrame(0x0300, 1)), 1), quint8(0x83));
}

void TestBmuDevice::valuesMoveUnlessLeftAlone() {
    BmuDevice device(SystemPreset::HighVoltage, 7, logEnd);
    const QByteArray before = ask(device, QString(Command::StatusSecond));
    QCOMPARE(ask(device, QString(Command::StatusSecond)), before); // nothing moves by itself
    for (int minute = 0; minute < 20; ++minute)
        device.advance(60);
    const QByteArray after = ask(device, QString(Command::StatusSecond));
    QVERIFY(after != before);
    // Slowly: twenty minutes move the state of charge by a limited amount.
    QVERIFY(qAbs(int(wordBE(after, 3)) - int(wordBE(before, 3))) <= 40);
}

void TestBmuDevice::sameSeedSameSystem() {
    BmuDevice a(SystemPreset::Qpa5, 42, logEnd);
    BmuDevice b(SystemPreset::Qpa5, 42, logEnd);
    BmuDevice c(SystemPreset::Qpa5, 43, logEnd);
    for (BmuDevice* device : {&a, &b, &c})
        device->advance(300);
    QCOMPARE(ask(a, QString(Command::StatusSecond)), ask(b, QString(Command::StatusSecond)));
    QCOMPARE(a.historyLog(1).all(), b.historyLog(1).all());
    QVERIFY(a.historyLog(0).all() != c.historyLog(0).all());
}

QTEST_GUILESS_MAIN(TestBmuDevice)
#include "tst_bmudevice.moc"
