#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "records.h"

#include <QtTest>

using namespace TestRecords;

namespace {
const QStringList zeroRow{"2000-00-00 00:00:00", "00", "", QStringLiteral("00 ").repeated(23)};
} // namespace

// The live decoders of a 600-byte log block, BMU and BMS.
class TestLogBlocks : public QObject {
    Q_OBJECT

private slots:
    void bmuCodes_data();
    void bmuCodes();
    void bmsCodes_data();
    void bmsCodes();
    void timeStamps_data();
    void timeStamps();
    void rowsOfWholeBlock_data();
    void rowsOfWholeBlock();
    void bmsEvents_data();
    void bmsEvents();
};

void TestLogBlocks::bmuCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("serialNumber");
    QTest::addColumn<int>("firstDataByte");
    QTest::addColumn<QString>("codeColumn");
    QTest::addColumn<QString>("description");
    auto row = [](const char* name, int code, const char* sn, int byte, const char* column,
                  const char* text) {
        QTest::newRow(name) << code << QString(sn) << byte << QString(column) << QString(text);
    };
    // Codes below 10 with a text show two digits; undefined ones their plain number.
    row("power on", 0, "Z10A7", 0, "00", "Power ON");
    row("P03 any non-zero byte appears", 2, "P03E1", 0x80, "02", "Events appear");
    row("P03 event disappears", 2, "P03E1", 0, "02", "Events disappear");
    row("other serial records", 2, "Z10A7", 1, "02", "Events record");
    row("P03 not at the start records", 2, "E0P3123", 1, "02", "Events record");
    row("lower-case p03 records", 2, "p03E1", 1, "02", "Events record");
    row("no serial number records", 2, "", 1, "02", "Events record");
    row("code 3 undefined, plain number", 3, "", 0, "3", "No Defined");
    row("code 8 undefined", 8, "", 0, "8", "No Defined");
    row("code 100 undefined", 100, "", 0, "100", "No Defined");
    row("firmware start", 101, "", 0, "101", "Firmware Start to Update");
    row("table done", 120, "", 0, "120", "Parameters table updating done");
    row("code 121 undefined", 121, "", 0, "121", "No Defined");
}

void TestLogBlocks::bmuCodes() {
    QFETCH(int, code);
    QFETCH(QString, serialNumber);
    QFETCH(int, firstDataByte);
    QFETCH(QString, codeColumn);
    QFETCH(QString, description);
    const TextRows rows =
        decodeBmuBlock(block({record(code, QByteArray(1, char(firstDataByte)))}), serialNumber);
    QCOMPARE(rows.size(), 20);
    QCOMPARE(rows[0].mid(1, 2), (QStringList{codeColumn, description}));
}

void TestLogBlocks::bmsCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("codeColumn");
    QTest::addColumn<QString>("description");
    auto row = [](const char* name, int code, const char* column, const char* text) {
        QTest::newRow(name) << code << QString(column) << QString(text);
    };
    // Every BMS code below 10 has a text, so each shows two digits.
    row("power on", 0, "00", "Power ON");
    row("timing record is defined here", 3, "03", "Timing Record");
    row("code 9 two digits", 9, "09", "SOC calibration fine");
    row("code 22 undefined", 22, "22", "Not defined");
    row("code 100 undefined", 100, "100", "Not defined");
    row("SN changed", 106, "106", "SN Code was Changed");
    row("code 112 undefined", 112, "112", "Not defined");
}

void TestLogBlocks::bmsCodes() {
    QFETCH(int, code);
    QFETCH(QString, codeColumn);
    QFETCH(QString, description);
    const BmsBlockRows rows = decodeBmsBlock(block({record(code)}));
    QCOMPARE(rows.history.size(), 20);
    QCOMPARE(rows.history[0].mid(0, 3), (QStringList{defaultTimeText, codeColumn, description}));
}

void TestLogBlocks::timeStamps_data() {
    QTest::addColumn<QByteArray>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero-filled fields") << hex("150305090702") << "2021-03-05 09:07:02";
    QTest::newRow("all zero") << hex("000000000000") << "2000-00-00 00:00:00";
    QTest::newRow("last second of the century") << hex("630c1f173b3b") << "2099-12-31 23:59:59";
    QTest::newRow("plain binary, not BCD") << hex("1010101010") << "2016-16-16 16:16:00";
    QTest::newRow("three-digit fields") << hex("64ff80c8ffff") << "20100-255-128 200:255:255";
}

void TestLogBlocks::timeStamps() {
    QFETCH(QByteArray, time);
    QFETCH(QString, text);
    QCOMPARE(decodeBmuBlock(block({record(0, {}, time)}), QString())[0][0], text);
    QCOMPARE(decodeBmsBlock(block({record(0, {}, time)})).history[0][0], text);
}

// Whole blocks through both decoders: the BMU and BMS history rows are alike.
void TestLogBlocks::rowsOfWholeBlock_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    QByteArray upward;
    for (int i = 0; i < 23; ++i)
        upward.append(char(0xA0 + i));
    QTest::newRow("log data lower-case hex, blank after each pair")
        << block({record(5, upward)}) << 0
        << QStringList{defaultTimeText, "05", "",
                       "a0 a1 a2 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad ae af b0 b1 b2 b3 b4 b5 b6 "};
    QTest::newRow("records in block order")
        << block({record(4), record(4), record(7, hex("0102"), hex("150102030405"))}) << 2
        << QStringList{"2021-01-02 03:04:05", "07", "",
                       "01 02 " + QStringLiteral("00 ").repeated(21)};
    QTest::newRow("last record of the block")
        << block({}).replace(570, 2, hex("0415")) << 19
        << QStringList{"2021-00-00 00:00:00", "04", "", QStringLiteral("00 ").repeated(23)};
    QTest::newRow("erased record")
        << QByteArray(600, char(0xFF)) << 7
        << QStringList{"20255-255-255 255:255:255", "255", "", QStringLiteral("ff ").repeated(23)};
    QTest::newRow("cut record reads missing bytes as 0")
        << record(33) + record(102, hex("0203")).left(10) << 1
        << QStringList{defaultTimeText, "102", "", "02 03 " + QStringLiteral("00 ").repeated(21)};
    QTest::newRow("missing records read as 0") << record(33) << 19 << zeroRow;
    QTest::newRow("empty block") << QByteArray() << 0 << zeroRow;
}

void TestLogBlocks::rowsOfWholeBlock() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    const TextRows bmu = decodeBmuBlock(bytes, QStringLiteral("P03"));
    const TextRows bms = decodeBmsBlock(bytes).history;
    QCOMPARE(bmu.size(), 20);
    QCOMPARE(bms.size(), 20);
    // The descriptions differ between the two tables; the code rows check them.
    QStringList bmuRow = bmu[row], bmsRow = bms[row];
    bmuRow[2].clear();
    bmsRow[2].clear();
    QCOMPARE(bmuRow, expected);
    QCOMPARE(bmsRow, expected);
}

void TestLogBlocks::bmsEvents_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextRows>("events");
    const QString t = defaultTimeText;
    // Data bytes d[0..7] are record bytes 7..14: the three words start at d[2], d[4], d[6].
    QTest::newRow("no words set") << block({record(2, hex("ffff000000000000"))}) << TextRows{};
    QTest::newRow("level 2, low byte first, bits joined in order")
        << block({record(2, hex("0000011000000000"))})
        << TextRows{{t, "Warning Level2", "Battery Over Voltage;Short Circuit;"}};
    QTest::newRow("level 3, first and last bit")
        << block({record(2, hex("0000000001800000"))})
        << TextRows{{t, "Warning Level3", "Battery Over Voltage;AirSwitch Abnormal;"}};
    QTest::newRow("alarm, first and last bit")
        << block({record(2, hex("0000000000000180"))})
        << TextRows{{t, "Alarm", "Cells Voltage Sensor Failure;Functional Safety Failure;"}};
    QTest::newRow("level order within a record")
        << block({record(2, hex("0000020004000100"))})
        << TextRows{{t, "Warning Level2", "Battery Under Voltage;"},
                    {t, "Warning Level3", "Cells OverVoltage;"},
                    {t, "Alarm", "Cells Voltage Sensor Failure;"}};
    QTest::newRow("record order, other codes carry no events")
        << block({record(2, hex("0000000000100000")), record(5, hex("0000ffffffffffff")),
                  record(2, hex("0000800000000200"), timeOf(1))})
        << TextRows{{t, "Warning Level3", "Short Circuit;"},
                    {timeText(1), "Warning Level2", "DisCharging High Temperature(Cells);"},
                    {timeText(1), "Alarm", "Temperature Sensor Failure;"}};
    QTest::newRow("words outside bytes 9..14 ignored")
        << block({record(2, hex("ffff000000000000ffffffff"))}) << TextRows{};
    QTest::newRow("erased block") << QByteArray(600, char(0xFF)) << TextRows{};
    QTest::newRow("cut after the level-2 low byte")
        << block({record(0), record(2, hex("00000400ffffffff"))}).left(40)
        << TextRows{{t, "Warning Level2", "Cells OverVoltage;"}};
}

void TestLogBlocks::bmsEvents() {
    QFETCH(QByteArray, bytes);
    QFETCH(TextRows, events);
    QCOMPARE(decodeBmsBlock(bytes).events, events);
}

QTEST_GUILESS_MAIN(TestLogBlocks)
#include "tst_logblocks.moc"
