#include "link/catalogue.h"
#include "link/crc.h"
#include "link/hexcommand.h"

#include <QtTest>

class TestCrc : public QObject {
    Q_OBJECT

private slots:
    void checkValues_data() {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<int>("crc");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty array") << "" << 0xFFFF << "FFFF";
        QTest::newRow("first status read") << "01 03 00 00 00 66" << 0xE0C5 << "C5E0";
        QTest::newRow("standard check string") << "31 32 33 34 35 36 37 38 39" << 0x4B37 << "374B";
    }

    void checkValues() {
        QFETCH(QString, hex);
        QFETCH(int, crc);
        QFETCH(QString, text);
        QCOMPARE(int(modbusCrc16(hexToBytes(hex))), crc);
        QCOMPARE(crcText(modbusCrc16(hexToBytes(hex))), text);
    }

    void catalogueCarriesCorrectCrcs() {
        const auto commands = fixedCommands();
        for (const char* command : commands) {
            const QByteArray bytes = hexToBytes(QLatin1String(command));
            QCOMPARE(bytes.size(), 8);
            const QString head = QLatin1String(command).left(17);
            QCOMPARE(appendCrcHex(head), QLatin1String(command));
        }
    }

    void composedRequests_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expectedHead");
        QTest::addColumn<int>("wireBytes");
        QTest::newRow("history, index 3")
            << historyBlockRequest(3) << "01 10 05 A0 00 02 04 0003 81 00" << 13;
        QTest::newRow("fifth BMS") << bmsInfoRequest(5) << "01 10 05 50 00 02 04 0005 81 00" << 13;
        QTest::newRow("extended read")
            << extendedReadRequest() << "01 10 01 00 00 03 06 4D 5A 51 57 4B 00" << 15;
        QTest::newRow("setup write") << setupWriteRequest(QByteArray::fromHex("090501010100"))
                                     << "01 10 00 10 00 03 06 09 05 01 01 01 00" << 15;
    }

    void composedRequests() {
        QFETCH(QString, text);
        QFETCH(QString, expectedHead);
        QFETCH(int, wireBytes);
        QVERIFY(text.startsWith(expectedHead));
        const QByteArray bytes = hexToBytes(text);
        QCOMPARE(bytes.size(), wireBytes);
        const quint16 crc = modbusCrc16(bytes.left(bytes.size() - 2));
        QCOMPARE(quint8(bytes[bytes.size() - 2]), quint8(crc & 0xFF));
        QCOMPARE(quint8(bytes[bytes.size() - 1]), quint8(crc >> 8));
    }

    void fieldsArePadded() {
        QCOMPARE(hexField(1), QStringLiteral("0001"));
        QCOMPARE(hexField(0xABC), QStringLiteral("0ABC"));
        QCOMPARE(hexByte(0x0C), QStringLiteral("0C"));
        QCOMPARE(hexToBytes("04 0003 81 00"), QByteArray::fromHex("0400038100"));
    }
};

QTEST_GUILESS_MAIN(TestCrc)
#include "tst_crc.moc"
