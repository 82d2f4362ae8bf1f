#include "history/logtranslation.h"
#include "records.h"

#include <QtTest>

using namespace TestRecords;

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
        {when, "00", "Power ON", "| F/W Update || Running section: B || Current Version: V0.0 |"});
    row("BMU upper-case hex without blanks", LogUnit::Bmu, "Lumeno LV", when, "0", "030C",
        {when, "0", "Power ON", lvVersion});
    row("BMU without data bytes", LogUnit::Bmu, "Lumeno HV", when, "32", "",
        {when, "32", "Power ON", ""});
    row("BMU code not a number reads 0", LogUnit::Bmu, "Lumeno LV", when, "x1", "030c",
        {when, "x1", "Power ON", lvVersion});
    row("BMU code with blanks", LogUnit::Bmu, "Lumeno LV", when, " 5 ", "00",
        {when, " 5 ", "Power ON", " | Stop Charging |"});
    row("separator of the file replaced by a blank", LogUnit::Bmu, "Lumeno LV",
        "2021-03-05T09:07:02.000", "05", "00", {when, "05", "Power ON", " | Stop Charging |"});
    row("short date text", LogUnit::Bmu, "Lumeno LV", "2021", "05", "00",
        {"2021 ", "05", "Power ON", " | Stop Charging |"});
    row("BMU unknown family leaves the row unwritten", LogUnit::Bmu, "Lumeno XV", when, "00",
        "030c", {});
    row("no unit leaves the row unwritten", LogUnit::None, "Lumeno LV", when, "00", "030c", {});
    row("BMS row, all zero data", LogUnit::Bms, "Lumeno HV", when, "04",
        QStringLiteral("00 ").repeated(23),
        {when, "04", "Power ON", "None", "None", "None", "None", "", "0%", "0%", "0.0", "0.0",
         "0.0", "0", "0", "0", "0", "Battery Idling"});
    row("BMS current -10.0, little-endian", LogUnit::Bms, "Lumeno LV", when, "02",
        "00 00 00 00 00 00 00 00 08 00 00 00 00 00 00 9c ff",
        {when, "02", "Power ON", "None", "None", "None", "None",
         "| Charge Mos_Switch is off; || DisCharge Mos_Switch is off; || Relay is on; |", "0%",
         "0%", "0.0", "0.0", "-10.0", "0", "0", "0", "0", ""});
    row("BMS row of an undefined code", LogUnit::Bms, "Lumeno HV", when, "50", "00",
        {when, "50", "Power ON", "Not defined"});
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
