#include "history/logtranslation.h"
#include "records.h"

#include <QtTest>

Q_DECLARE_METATYPE(LogUnit)

class TestLogTranslation : public QObject {
    Q_OBJECT

private slots:
    void oneRow_data();
    void oneRow();
    void rowsKeepFileOrder();
    void emptyImportWritesNothing();
};

void TestLogTranslation::oneRow_data() {
    QTest::addColumn<LogUnit>("unit");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("dateTime");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("logData");
    QTest::addColumn<QStringList>("row");

    const QString when = QStringLiteral("2021-03-05 09:07:02");
    QTest::newRow("BMU LV running version")
        << LogUnit::Bmu << "Lumeno LV" << when << "00"
        << "03 0c 00 " << QStringList{when, "00", "Power ON", "| Running Version:V3.12 |"};
    QTest::newRow("same row read as HV")
        << LogUnit::Bmu << "Lumeno HV" << when << "00"
        << "03 0c 00 "
        << QStringList{when, "00", "Power ON",
                       "| F/W Update || Running section: B || Current Version: V0.0 |"};
    QTest::newRow("BMU upper-case hex without blanks")
        << LogUnit::Bmu << "Lumeno LV" << when << "0"
        << "030C" << QStringList{when, "0", "Power ON", "| Running Version:V3.12 |"};
    QTest::newRow("BMU without data bytes") << LogUnit::Bmu << "Lumeno HV" << when << "32"
                                            << "" << QStringList{when, "32", "Power ON", ""};
    QTest::newRow("BMU code not a number reads 0")
        << LogUnit::Bmu << "Lumeno LV" << when << "x1"
        << "0102" << QStringList{when, "x1", "Power ON", "| Running Version:V1.2 |"};
    QTest::newRow("BMU code with blanks")
        << LogUnit::Bmu << "Lumeno LV" << when << " 5 "
        << "00" << QStringList{when, " 5 ", "Power ON", " | Stop Charging |"};
    QTest::newRow("separator of the file replaced by a blank")
        << LogUnit::Bmu << "Lumeno LV"
        << "2021-03-05T09:07:02.000"
        << "05"
        << "00" << QStringList{when, "05", "Power ON", " | Stop Charging |"};
    QTest::newRow("short date text")
        << LogUnit::Bmu << "Lumeno LV"
        << "2021"
        << "05"
        << "00" << QStringList{"2021 ", "05", "Power ON", " | Stop Charging |"};
    QTest::newRow("BMU unknown family leaves the row unwritten")
        << LogUnit::Bmu << "Lumeno XV" << when << "00"
        << "030c" << QStringList{};
    QTest::newRow("no unit leaves the row unwritten")
        << LogUnit::None << "Lumeno LV" << when << "00"
        << "030c" << QStringList{};
    QTest::newRow("BMS row, all zero data")
        << LogUnit::Bms << "Lumeno HV" << when << "04" << QStringLiteral("00 ").repeated(23)
        << QStringList{when,   "04", "Power ON", "None", "None", "None",
                       "None", "",   "0%",       "0%",   "0.0",  "0.0",
                       "0.0",  "0",  "0",        "0",    "0",    "Battery Idling"};
    QTest::newRow("BMS current -10.0")
        << LogUnit::Bms << "Lumeno LV" << when << "02"
        << "00 00 00 00 00 00 00 00 08 00 00 00 00 00 00 9c ff"
        << QStringList{when,
                       "02",
                       "Power ON",
                       "None",
                       "None",
                       "None",
                       "None",
                       "| Charge Mos_Switch is off; || DisCharge Mos_Switch is off; || Relay is "
                       "on; |",
                       "0%",
                       "0%",
                       "0.0",
                       "0.0",
                       "-10.0",
                       "0",
                       "0",
                       "0",
                       "0",
                       ""};
    QTest::newRow("BMS row of an undefined code")
        << LogUnit::Bms << "Lumeno HV" << when << "50"
        << "00" << QStringList{when, "50", "Power ON", "Not defined"};
}

void TestLogTranslation::oneRow() {
    QFETCH(LogUnit, unit);
    QFETCH(QString, family);
    QFETCH(QString, dateTime);
    QFETCH(QString, code);
    QFETCH(QString, logData);
    QFETCH(QStringList, row);

    const SavedLog log{{dateTime}, {code}, {QStringLiteral("Power ON")}, {logData}};
    const TextRows rows = translateSavedLog(log, unit, family);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0], row);
}

void TestLogTranslation::rowsKeepFileOrder() {
    SavedLog log;
    for (int i = 0; i < 5; ++i) {
        log.dateTimes << QStringLiteral("2022-01-0%1 00:00:00").arg(i + 1);
        log.codes << QString::number(i == 2 ? 106 : 0);
        log.descriptions << QStringLiteral("row %1").arg(i);
        log.logData << QStringLiteral("%1 00").arg(i, 2, 10, QLatin1Char('0'));
    }
    const TextRows rows = translateSavedLog(log, LogUnit::Bmu, QStringLiteral("Lumeno LV"));
    QCOMPARE(rows.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(rows[i][0], QStringLiteral("2022-01-0%1 00:00:00").arg(i + 1));
        QCOMPARE(rows[i][2], QStringLiteral("row %1").arg(i));
        QCOMPARE(rows[i][3], i == 2 ? QStringLiteral("No record data")
                                    : QStringLiteral("| Running Version:V%1.0 |").arg(i));
    }
}

void TestLogTranslation::emptyImportWritesNothing() {
    QVERIFY(translateSavedLog({}, LogUnit::Bmu, QStringLiteral("Lumeno HV")).isEmpty());
    QVERIFY(translateSavedLog({}, LogUnit::Bms, QStringLiteral("Lumeno HV")).isEmpty());
}

QTEST_GUILESS_MAIN(TestLogTranslation)
#include "tst_logtranslation.moc"
