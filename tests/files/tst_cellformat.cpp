#include "files/cellformat.h"

#include <QtTest>

class TestCellFormat : public QObject {
    Q_OBJECT

private slots:
    void numbers_data();
    void numbers();
    void dateSerials_data();
    void dateSerials();
    void dateFormats_data();
    void dateFormats();
};

void TestCellFormat::numbers_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 65535.0 << "65535";
    QTest::newRow("negative integer") << -1.0 << "-1";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fraction") << 12.5 << "12.5";
    QTest::newRow("twelve-digit integer") << 123456789012.0 << "123456789012";
    QTest::newRow("date serial as plain number") << 45033.33684027778 << "45033.3368402778";
}

void TestCellFormat::numbers() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(generalNumberText(value), text);
}

void TestCellFormat::dateSerials_data() {
    QTest::addColumn<double>("serial");
    QTest::addColumn<bool>("epoch1904");
    QTest::addColumn<QString>("text");
    QTest::newRow("openpyxl serial") << 45033.33684027778 << false << "2023-04-17 08:05:03";
    QTest::newRow("LibreOffice rounding") << 45033.3368402778 << false << "2023-04-17 08:05:03";
    QTest::newRow("just before midnight rounds up")
        << 45033.999999999 << false << "2023-04-18 00:00:00";
    QTest::newRow("first day") << 1.0 << false << "1900-01-01 00:00:00";
    QTest::newRow("last day before the phantom leap day") << 59.0 << false << "1900-02-28 00:00:00";
    QTest::newRow("day after the phantom leap day") << 61.0 << false << "1900-03-01 00:00:00";
    QTest::newRow("1904 system") << 0.5 << true << "1904-01-01 12:00:00";
    QTest::newRow("negative stays a number") << -3.0 << false << "-3";
}

void TestCellFormat::dateSerials() {
    QFETCH(double, serial);
    QFETCH(bool, epoch1904);
    QFETCH(QString, text);
    QCOMPARE(serialDateTimeText(serial, epoch1904), text);
}

void TestCellFormat::dateFormats_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("isDate");
    QTest::newRow("built-in general") << 0 << "" << false;
    QTest::newRow("built-in m/d/yy") << 14 << "" << true;
    QTest::newRow("built-in datetime") << 22 << "" << true;
    QTest::newRow("built-in time") << 46 << "" << true;
    QTest::newRow("built-in text") << 49 << "" << false;
    QTest::newRow("custom openpyxl") << 165 << "yyyy-mm-dd hh:mm:ss" << true;
    QTest::newRow("custom LibreOffice escaped") << 165 << "yyyy\\-mm\\-dd\\ hh:mm:ss" << true;
    QTest::newRow("custom General") << 164 << "General" << false;
    QTest::newRow("quoted letters") << 170 << "0.00\" days\"" << false;
    QTest::newRow("colour section") << 171 << "[Red]0.00" << false;
    QTest::newRow("currency locale") << 172 << "[$-409]#,##0" << false;
    QTest::newRow("elapsed hours") << 173 << "[h]:mm" << true;
    QTest::newRow("escaped letter") << 174 << "0\\d" << false;
}

void TestCellFormat::dateFormats() {
    QFETCH(int, id);
    QFETCH(QString, code);
    QFETCH(bool, isDate);
    QCOMPARE(isDateFormat(id, code), isDate);
}

QTEST_APPLESS_MAIN(TestCellFormat)
#include "tst_cellformat.moc"
