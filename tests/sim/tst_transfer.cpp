#include "simtestutil.h"

#include "link/catalogue.h"
#include "sim/bmudevice.h"
#include "sim/transfer.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

const QDateTime logEnd(QDate(2024, 5, 17), QTime(16, 42, 10));

struct Target {
    quint16 header;
    quint16 packets;
    const char* resultRead;
};

Target targetOf(TransferTarget target) {
    switch (target) {
    case TransferTarget::BmuFirmware:
        return {0x05F0, 0x05F7, Command::BmuUpdateResult};
    case TransferTarget::BmsFirmware:
        return {0x0640, 0x0647, Command::BmsUpdateResult};
    case TransferTarget::ParameterTable:
        return {0x0400, 0x0407, Command::TableUpdateResult};
    }
    return {};
}

QByteArray header(quint16 word0, quint16 word1, quint32 size, quint16 command = 0x8100) {
    return words({word0, word1, command, quint16(size & 0xFFFF), quint16(size >> 16)});
}

// Packet k (1-based) of an image: 128 bytes, the last one what is left (maybe none).
QByteArray packet(const QByteArray& image, int number) {
    const QByteArray bytes = image.mid((number - 1) * 128, 128);
    return words({quint16(number), 0, quint16(bytes.size())}) + bytes;
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

quint16 resultStatus(BmuDevice& device, TransferTarget target) {
    const QByteArray reply = ask(device, QString(targetOf(target).resultRead));
    return wordBE(reply, 7); // the third of the nine registers
}

} // namespace

Q_DECLARE_METATYPE(TransferTarget)

class TestTransfer : public QObject {
    Q_OBJECT

private slots:
    void imagesArriveByteForByte_data();
    void imagesArriveByteForByte();
    void successShowsTheNewVersion_data();
    void successShowsTheNewVersion();
    void failuresReportANonZeroStatus_data();
    void failuresReportANonZeroStatus();
    void repeatedPacketIsTakenOnce();
};

void TestTransfer::imagesArriveByteForByte_data() {
    QTest::addColumn<TransferTarget>("target");
    QTest::addColumn<int>("size");
    const struct {
        const char* name;
        TransferTarget target;
    } targets[] = {{"BMU", TransferTarget::BmuFirmware},
                   {"BMS", TransferTarget::BmsFirmware},
                   {"table", TransferTarget::ParameterTable}};
    for (const auto& t : targets) {
        for (int size : {0, 1, 127, 128, 129, 1068, 5001}) {
            QTest::addRow("%s, %d bytes", t.name, size) << t.target << size;
        }
    }
}

void TestTransfer::imagesArriveByteForByte() {
    QFETCH(TransferTarget, target);
    QFETCH(int, size);
    const Target t = targetOf(target);
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    const QByteArray bytes = image(size);
    const QByteArray headerFrame = writeFrame(t.header, header(0x030E, 1, quint32(size)));
    QCOMPARE(ask(device, headerFrame), frameWithCrc(headerFrame.left(6)));
    for (int k = 1; k <= packetCount(bytes); ++k) {
        const QByteArray frame = writeFrame(t.packets, packet(bytes, k));
        // Each packet is echoed: address and the declared register count.
        QCOMPARE(ask(device, frame), frameWithCrc(frame.left(6)));
    }
    QCOMPARE(resultStatus(device, target), quint16(0));
    QCOMPARE(device.receivedImage(target), bytes);
    QCOMPARE(device.packetsReceived(target), packetCount(bytes));
}

void TestTransfer::successShowsTheNewVersion_data() {
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
    QTest::newRow("parameter table")
        << TransferTarget::ParameterTable << quint16(0x050E) << quint16(0x0307) << quint16(0x0000);
}

void TestTransfer::successShowsTheNewVersion() {
    QFETCH(TransferTarget, target);
    QFETCH(quint16, address);
    QFETCH(quint16, expected);
    QFETCH(quint16, runningSections);
    const Target t = targetOf(target);
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    const int logSize = device.historyLog(0).size();
    QVERIFY(device.peekRegister(address) != expected);
    const QByteArray bytes = image(300);
    const QByteArray head =
        target == TransferTarget::ParameterTable ? header(1, 0x0307, 300) : header(0x030E, 1, 300);
    ask(device, writeFrame(t.header, head));
    for (int k = 1; k <= packetCount(bytes); ++k)
        ask(device, writeFrame(t.packets, packet(bytes, k)));
    QVERIFY(device.peekRegister(address) != expected); // applied when the result is read
    QCOMPARE(resultStatus(device, target), quint16(0));
    QCOMPARE(device.peekRegister(address), expected);
    QCOMPARE(device.peekRegister(0x000F), runningSections);
    QVERIFY(device.historyLog(0).size() > logSize); // the BMU logged the update
    // Reading the result again changes nothing more.
    QCOMPARE(resultStatus(device, target), quint16(0));
    QCOMPARE(device.peekRegister(address), expected);
}

void TestTransfer::failuresReportANonZeroStatus_data() {
    QTest::addColumn<QByteArray>("headerWords");
    QTest::addColumn<QVector<int>>("packetNumbers"); // packets of a 300-byte image, in send order
    QTest::newRow("a packet skipped") << header(0x030E, 1, 300) << QVector<int>{1, 3};
    QTest::newRow("packets swapped") << header(0x030E, 1, 300) << QVector<int>{1, 3, 2};
    QTest::newRow("last packet missing") << header(0x030E, 1, 300) << QVector<int>{1, 2};
    QTest::newRow("header announces more") << header(0x030E, 1, 301) << QVector<int>{1, 2, 3};
    QTest::newRow("header announces less") << header(0x030E, 1, 299) << QVector<int>{1, 2, 3};
    QTest::newRow("no header") << QByteArray() << QVector<int>{1, 2, 3};
    QTest::newRow("header without start command")
        << header(0x030E, 1, 300, 0x0000) << QVector<int>{1, 2, 3};
}

void TestTransfer::failuresReportANonZeroStatus() {
    QFETCH(QByteArray, headerWords);
    QFETCH(QVector<int>, packetNumbers);
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    const quint16 versionB = device.peekRegister(0x000D);
    const QByteArray bytes = image(300);
    if (!headerWords.isEmpty())
        ask(device, writeFrame(0x05F0, headerWords));
    for (int k : packetNumbers)
        QCOMPARE(ask(device, writeFrame(0x05F7, packet(bytes, k))).size(), 8);
    QVERIFY(resultStatus(device, TransferTarget::BmuFirmware) != 0);
    QCOMPARE(device.peekRegister(0x000D), versionB);
    QCOMPARE(device.peekRegister(0x000F), quint16(0x0000));
}

void TestTransfer::repeatedPacketIsTakenOnce() {
    // The tool sends a packet again when its echo was lost.
    BmuDevice device(SystemPreset::LowVoltage, 1, logEnd);
    const QByteArray bytes = image(300);
    ask(device, writeFrame(0x0640, header(0x0207, 1, 300)));
    for (int k : {1, 2, 2, 3, 3})
        ask(device, writeFrame(0x0647, packet(bytes, k)));
    QCOMPARE(device.receivedImage(TransferTarget::BmsFirmware), bytes);
    QCOMPARE(resultStatus(device, TransferTarget::BmsFirmware), quint16(0));
    // A different packet under the number just taken is a fault, not a repeat.
    ask(device, writeFrame(0x0640, header(0x0207, 1, 300)));
    ask(device, writeFrame(0x0647, packet(bytes, 1)));
    ask(device, writeFrame(0x0647, packet(image(301), 1).left(40)));
    QVERIFY(resultStatus(device, TransferTarget::BmsFirmware) != 0);
}

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
