#include "firmware/packets.h"
#include "firmware/transferheader.h"
#include "link/bytes.h"
#include "link/crc.h"
#include "link/hexcommand.h"

#include <QtTest>

namespace {

// A deterministic image whose bytes differ from packet to packet.
QByteArray imageOf(int size) {
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 7 + i / 128) & 0xFF);
    return image;
}

} // namespace

class TestPackets : public QObject {
    Q_OBJECT

private slots:
    void packetFramesCarryTheImage_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("packets");
        QTest::addColumn<int>("lastLength");
        QTest::addColumn<int>("lastRegisterCount");
        QTest::newRow("empty image") << 0 << 1 << 0 << 3;
        QTest::newRow("127 bytes") << 127 << 1 << 127 << 66;
        QTest::newRow("exactly one packet") << 128 << 2 << 0 << 3;
        QTest::newRow("table length") << 1068 << 9 << 44 << 25;
    }

    // Every frame is parsed field by field and the data reassembled: what the BMU receives
    // must be the image, byte for byte.
    void packetFramesCarryTheImage() {
        QFETCH(int, size);
        QFETCH(int, packets);
        QFETCH(int, lastLength);
        QFETCH(int, lastRegisterCount);

        const QByteArray image = imageOf(size);
        const QStringList list = splitIntoPackets(image);
        QCOMPARE(list.size(), packets);
        QCOMPARE(packetCountFor(size), qint64(packets));

        QByteArray received;
        for (int i = 0; i < list.size(); ++i) {
            const bool last = i == list.size() - 1;
            const QByteArray frame = hexToBytes(packetCommand(Packet::BmuFirstRegister, list, i));
            const int length = last ? lastLength : 128;
            QCOMPARE(frame.size(), 13 + length + 2);
            QCOMPARE(frame.left(4), QByteArray::fromHex("011005F7"));
            QCOMPARE(int(wordBE(frame, 4)), last ? lastRegisterCount : 0x43);
            QCOMPARE(int(byteAt(frame, 6)), length + 6);
            QCOMPARE(int(wordBE(frame, 7)), i + 1);
            QCOMPARE(int(wordBE(frame, 9) << 16 | wordBE(frame, 11)), length);
            QCOMPARE(modbusCrc16(frame.left(frame.size() - 2)), wordLE(frame, frame.size() - 2));
            received += frame.mid(13, length);
        }
        QCOMPARE(received, image);
        QCOMPARE(list.last().size(), 2 * lastLength);
        QVERIFY(list.first() == list.first().toLower());
    }

    void knownFrames_data() {
        QTest::addColumn<int>("firstRegister");
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expectedHead");
        const QByteArray twoPackets = imageOf(128) + QByteArray("\xAB", 1);
        QTest::newRow("BMU, short packet of one byte")
            << 0x05F7 << twoPackets << 1 << "01 10 05 F7 00 03 07 00 02 00 00 00 01 AB";
        QTest::newRow("BMS, empty closing packet")
            << 0x0647 << imageOf(128) << 1 << "01 10 06 47 00 03 06 00 02 00 00 00 00";
        QTest::newRow("table, full first packet")
            << 0x0407 << imageOf(1068) << 0 << "01 10 04 07 00 43 86 00 01 00 00 00 80 00 07 0E";
    }

    void knownFrames() {
        QFETCH(int, firstRegister);
        QFETCH(QByteArray, image);
        QFETCH(int, index);
        QFETCH(QString, expectedHead);
        const QString command =
            packetCommand(quint16(firstRegister), splitIntoPackets(image), index);
        QVERIFY2(command.startsWith(expectedHead), qPrintable(command.left(60)));
        QCOMPARE(appendCrcHex(command.left(command.size() - 6)), command);
    }

    void packetNumberingLimit() {
        const qint64 largestImage = qint64(65534) * 128 + 127;
        QVERIFY(fitsPacketNumbering(0));
        QVERIFY(fitsPacketNumbering(largestImage));
        QCOMPARE(packetCountFor(largestImage), qint64(65535));
        QVERIFY(!fitsPacketNumbering(largestImage + 1));
        QVERIFY(!fitsPacketNumbering(-1));
    }

    void indexOutsideTheListGivesNothing() {
        const QStringList list = splitIntoPackets(imageOf(200));
        QVERIFY(packetCommand(Packet::BmuFirstRegister, list, -1).isEmpty());
        QVERIFY(packetCommand(Packet::BmuFirstRegister, list, 2).isEmpty());
        QVERIFY(packetCommand(Packet::BmuFirstRegister, {}, 0).isEmpty());
    }

    void firmwareHeader_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("main");
        QTest::addColumn<int>("sub");
        QTest::addColumn<QString>("section");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("expected");
        QTest::newRow("BMU 17.5 section A")
            << int(FirmwareTarget::Bmu) << 17 << 5 << "A" << qint64(0x00012345)
            << "01 10 05 F0 00 05 0A 11 05 00 00 81 00 23 45 00 01";
        QTest::newRow("BMS 3.12 section B")
            << int(FirmwareTarget::Bms) << 3 << 12 << "B" << qint64(204800)
            << "01 10 06 40 00 05 0A 03 0C 00 01 81 00 20 00 00 03";
        QTest::newRow("empty image, largest versions")
            << int(FirmwareTarget::Bmu) << 255 << 255 << "A" << qint64(0)
            << "01 10 05 F0 00 05 0A FF FF 00 00 81 00 00 00 00 00";
        QTest::newRow("section text other than A counts as B")
            << int(FirmwareTarget::Bmu) << 1 << 0 << "a" << qint64(1)
            << "01 10 05 F0 00 05 0A 01 00 00 01 81 00 00 01 00 00";
    }

    void firmwareHeader() {
        QFETCH(int, target);
        QFETCH(int, main);
        QFETCH(int, sub);
        QFETCH(QString, section);
        QFETCH(qint64, size);
        QFETCH(QString, expected);
        const QString text = firmwareHeaderText(FirmwareTarget(target), main, sub, section, size);
        QCOMPARE(hexToBytes(text), hexToBytes(expected));
    }

    void firmwareHeaderRefusals_data() {
        QTest::addColumn<int>("main");
        QTest::addColumn<int>("sub");
        QTest::addColumn<qint64>("size");
        QTest::newRow("main version 256") << 256 << 0 << qint64(10);
        QTest::newRow("sub version 300") << 1 << 300 << qint64(10);
        QTest::newRow("negative version") << -1 << 0 << qint64(10);
        QTest::newRow("65536 packets") << 1 << 0 << qint64(65535) * 128;
    }

    void firmwareHeaderRefusals() {
        QFETCH(int, main);
        QFETCH(int, sub);
        QFETCH(qint64, size);
        QVERIFY(firmwareHeaderText(FirmwareTarget::Bmu, main, sub, "A", size).isEmpty());
    }

    void tableHeader_data() {
        QTest::addColumn<QString>("batteryType");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* type, const char* expected) {
            QTest::newRow(*type ? type : "no type") << type << expected;
        };
        row("ZRA/ZRA Mini", "01 10 04 00 00 05 0A 00 02 03 07 81 00 04 2C 00 00");
        row("ZRA", ""); // alone, unknown
        row("", "");
    }

    void tableHeader() {
        QFETCH(QString, batteryType);
        QFETCH(QString, expected);
        QByteArray table(1068, '\x5A');
        table[1057] = 3; // main version
        table[1058] = char(0xEE);
        table[1059] = 7; // sub version
        const QString text = tableHeaderText(batteryType, table);
        QCOMPARE(hexToBytes(text), hexToBytes(expected));
        QCOMPARE(tableTypeCode(batteryType).has_value(), !expected.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPackets)
#include "tst_packets.moc"
