#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "history/logtranslation.h"
#include "records.h"

#include <QtTest>

using namespace TestRecords;

Q_DECLARE_METATYPE(LogUnit)

namespace {
const QStringList zeroRow{"2000-00-00 00:00:00", "00", "", QStringLiteral("00 ").repeated(23)};
} // namespace

// Rows of the history tables: the live decoders of a 600-byte log block, BMU and BMS, and
// the translation of a saved log.
class TestLogRows : public QObject {
    Q_OBJECT

private slots:
    // The code column and the description; rows check the rules, not every code's wording.
    void bmuCodes_data() {
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
        row("P03 not at the start records", 2, "E0P3123", 1, "02", "Events record");
        row("lower-case p03 records", 2, "p03E1", 1, "02", "Events record");
        row("code 3 undefined, plain number", 3, "", 0, "3", "No Defined");
        row("code 121 undefined", 121, "", 0, "121", "No Defined");
    }

    void bmuCodes() {
        QFETCH(int, code);
        QFETCH(QString, serialNumber);
        QFETCH(int, firstDataByte);
        QFETCH(QString, codeColumn);
        QFETCH(QString, description);
        const TextRows rows =
            decodeBmuBlock(block({record(code, QByteArray(1, char(firstDataByte)))}), serialNumber);
        QCOMPARE(rows[0].mid(1, 2), (QStringList{codeColumn, description}));
    }

    void bmsCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("codeColumn");
        QTest::addColumn<QString>("description");
        // Every BMS code below 10 has a text, so each shows two digits.
        QTest::newRow("timing record is defined here") << 3 << QString("03") << "Timing Record";
        QTest::newRow("code 112 undefined") << 112 << QString("112") << "Not defined";
    }

    void bmsCodes() {
        QFETCH(int, code);
        QFETCH(QString, codeColumn);
        QFETCH(QString, description);
        const BmsBlockRows rows = decodeBmsBlock(block({record(code)}));
        QCOMPARE(rows.history[0].mid(0, 3),
                 (QStringList{defaultTimeText, codeColumn, description}));
    }

    void timeStamps_data() {
        QTest::addColumn<QByteArray>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain binary, not BCD") << hex("1010101010") << "2016-16-16 16:16:00";
        QTest::newRow("three-digit fields") << hex("64ff80c8ffff") << "20100-255-128 200:255:255";
    }

    void timeStamps() {
        QFETCH(QByteArray, time);
        QFETCH(QString, text);
        QCOMPARE(decodeBmuBlock(block({record(0, {}, time)}), QString())[0][0], text);
        QCOMPARE(decodeBmsBlock(block({record(0, {}, time)})).history[0][0], text);
    }

    // Whole blocks through both decoders: the BMU and BMS history rows are alike.
    void rowsOfWholeBlock_data() {
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
        QTest::newRow("erased record") << QByteArray(600, char(0xFF)) << 7
                                       << QStringList{"20255-255-255 255:255:255", "255", "",
                                                      QStringLiteral("ff ").repeated(23)};
        QTest::newRow("cut record reads missing bytes as 0")
            << record(33) + record(102, hex("0203")).left(10) << 1
            << QStringList{defaultTimeText, "102", "",
                           "02 03 " + QStringLiteral("00 ").repeated(21)};
        QTest::newRow("empty block") << QByteArray() << 0 << zeroRow;
    }

    void rowsOfWholeBlock() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, row);
        QFETCH(QStringList, expected);
        const TextRows bmu = decodeBmuBlock(bytes, QStringLiteral("P03"));
        const TextRows bms = decodeBmsBlock(bytes).history;
        // The descriptions differ between the two tables; the code rows check them.
        QStringList bmuRow = bmu[row], bmsRow = bms[row];
        bmuRow[2].clear();
        bmsRow[2].clear();
        QCOMPARE(bmuRow, expected);
        QCOMPARE(bmsRow, expected);
    }

    void bmsEvents_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextRows>("events");
        const QString t = defaultTimeText;
        // Data bytes d[0..7] are record bytes 7..14: the three words start at d[2], d[4], d[6].
        QTest::newRow("no words set") << block({record(2, hex("ffff000000000000"))}) << TextRows{};
        QTest::newRow("level 2, low byte first, bits joined in order")
            << block({record(2, hex("0000011000000000"))})
            << TextRows{{t, "Warning Level2", "Battery Over Voltage;Short Circuit;"}};
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
        QTest::newRow("cut after the level-2 low byte")
            << block({record(0), record(2, hex("00000400ffffffff"))}).left(40)
            << TextRows{{t, "Warning Level2", "Cells OverVoltage;"}};
    }

    void bmsEvents() {
        QFETCH(QByteArray, bytes);
        QFETCH(TextRows, events);
        QCOMPARE(decodeBmsBlock(bytes).events, events);
    }

    // One saved row: its family picks the byte order, and text as a spreadsheet program
    // leaves it still reads.
    void translatedRow_data() {
        QTest::addColumn<LogUnit>("unit");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("dateTime");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("logData");
        QTest::addColumn<QStringList>("row");
        const QString when = defaultTimeText;
        const QString lvVersion = QStringLiteral("| Running Version:V3.12 |");
        auto row = [](const char* name, LogUnit unit, const char* family, const QString& dateTime,
                      const char* code, const QString& logData, const QStringList& texts) {
            QTest::newRow(name) << unit << QString(family) << dateTime << QString(code) << logData
                                << texts;
        };
        row("BMU LV running version", LogUnit::Bmu, "Lumeno LV", when, "00", "03 0c 00 ",
            {when, "00", "Power ON", lvVersion});
        row("same row read as HV", LogUnit::Bmu, "Lumeno HV", when, "00", "03 0c 00 ",
            {when, "00", "Power ON",
             "| F/W Update || Running section: B || Current Version: V0.0 |"});
        row("BMU upper-case hex without blanks", LogUnit::Bmu, "Lumeno LV", when, "0", "030C",
            {when, "0", "Power ON", lvVersion});
        row("BMU without data bytes", LogUnit::Bmu, "Lumeno HV", when, "32", "",
            {when, "32", "Power ON", ""});
        row("BMU code not a number reads 0", LogUnit::Bmu, "Lumeno LV", when, "x1", "030c",
            {when, "x1", "Power ON", lvVersion});
        row("separator of the file replaced by a blank", LogUnit::Bmu, "Lumeno LV",
            "2021-03-05T09:07:02.000", "05", "00", {when, "05", "Power ON", " | Stop Charging |"});
        row("BMU unknown family leaves the row unwritten", LogUnit::Bmu, "Lumeno XV", when, "00",
            "030c", {});
        row("no unit leaves the row unwritten", LogUnit::None, "Lumeno LV", when, "00", "030c", {});
        row("BMS current -10.0, little-endian", LogUnit::Bms, "Lumeno LV", when, "02",
            "00 00 00 00 00 00 00 00 08 00 00 00 00 00 00 9c ff",
            {when, "02", "Power ON", "None", "None", "None", "None",
             "| Charge Mos_Switch is off; || DisCharge Mos_Switch is off; || Relay is on; |", "0%",
             "0%", "0.0", "0.0", "-10.0", "0", "0", "0", "0", ""});
        row("BMS row of an undefined code", LogUnit::Bms, "Lumeno HV", when, "50", "00",
            {when, "50", "Power ON", "Not defined"});
    }

    void translatedRow() {
        QFETCH(LogUnit, unit);
        QFETCH(QString, family);
        QFETCH(QString, dateTime);
        QFETCH(QString, code);
        QFETCH(QString, logData);
        const SavedLog log{{dateTime}, {code}, {QStringLiteral("Power ON")}, {logData}};
        const TextRows rows = translateSavedLog(log, unit, family);
        QCOMPARE(rows.size(), 1);
        QTEST(rows[0], "row");
    }
};

QTEST_GUILESS_MAIN(TestLogRows)
#include "tst_logrows.moc"
