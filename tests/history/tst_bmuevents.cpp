#include "history/bmuevents.h"
#include "records.h"

#include <QtTest>

using namespace TestRecords;

class TestBmuEvents : public QObject {
    Q_OBJECT

private slots:
    void codeAndDescription_data();
    void codeAndDescription();
    void timeStamps_data();
    void timeStamps();
    void logDataIsLowerCaseHexWithTrailingBlanks();
    void erasedRecord();
    void recordsInBlockOrder();
    void shortBlockReadsMissingBytesAsZero();
};

void TestBmuEvents::codeAndDescription_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("serialNumber");
    QTest::addColumn<int>("firstDataByte");
    QTest::addColumn<QString>("codeColumn");
    QTest::addColumn<QString>("description");

    const QString hv = QStringLiteral("P03E1234567");
    const QString lv = QStringLiteral("Z10A7654321");
    QTest::newRow("power on") << 0 << lv << 0 << "00"
                              << "Power ON";
    QTest::newRow("power off") << 1 << lv << 0 << "01"
                               << "Power OFF";
    QTest::newRow("P03 event appears") << 2 << hv << 1 << "02"
                                       << "Events appear";
    QTest::newRow("P03 event disappears") << 2 << hv << 0 << "02"
                                          << "Events disappear";
    QTest::newRow("P03 any non-zero byte appears") << 2 << hv << 0x80 << "02"
                                                   << "Events appear";
    QTest::newRow("other serial records") << 2 << lv << 1 << "02"
                                          << "Events record";
    QTest::newRow("E0P3 serial records") << 2 << "E0P3123" << 1 << "02"
                                         << "Events record";
    QTest::newRow("lower-case p03 records") << 2 << "p03E1" << 1 << "02"
                                            << "Events record";
    QTest::newRow("no serial number records") << 2 << "" << 1 << "02"
                                              << "Events record";
    QTest::newRow("code 3 undefined, plain number") << 3 << lv << 0 << "3"
                                                    << "No Defined";
    QTest::newRow("code 4 two digits") << 4 << lv << 0 << "04"
                                       << "Start Charging";
    QTest::newRow("stop charging") << 5 << lv << 0 << "05"
                                   << "Stop Charging";
    QTest::newRow("start discharging") << 6 << lv << 0 << "06"
                                       << "Start DisCharging";
    QTest::newRow("stop discharging") << 7 << lv << 0 << "07"
                                      << "Stop DisCharging";
    QTest::newRow("code 8 undefined") << 8 << lv << 0 << "8"
                                      << "No Defined";
    QTest::newRow("status changed") << 32 << hv << 0 << "32"
                                    << "System status changed";
    QTest::newRow("erase BMS firmware") << 33 << hv << 0 << "33"
                                        << "Erase BMS Firmware";
    QTest::newRow("functional safety") << 36 << hv << 0 << "36"
                                       << "Functional Safety Info";
    QTest::newRow("SOP") << 38 << hv << 0 << "38"
                         << "SOP Info";
    QTest::newRow("BCU hardware") << 39 << hv << 0 << "39"
                                  << "BCU Hardware failt";
    QTest::newRow("code 100 undefined") << 100 << hv << 0 << "100"
                                        << "No Defined";
    QTest::newRow("firmware start") << 101 << hv << 0 << "101"
                                    << "Firmware Start to Update";
    QTest::newRow("firmware done") << 102 << hv << 0 << "102"
                                   << "Firmware Update Successful";
    QTest::newRow("firmware failure") << 103 << hv << 0 << "103"
                                      << "Firmware Update failure";
    QTest::newRow("jump section") << 104 << hv << 0 << "104"
                                  << "Firmware Jumpinto other section";
    QTest::newRow("table update") << 105 << hv << 0 << "105"
                                  << "Parameters table Update";
    QTest::newRow("SN changed") << 106 << hv << 0 << "106"
                                << "SN Code Changed";
    QTest::newRow("code 107 undefined") << 107 << hv << 0 << "107"
                                        << "No Defined";
    QTest::newRow("date time") << 111 << hv << 0 << "111"
                               << "DateTime Calibration";
    QTest::newRow("BMS disconnected") << 112 << hv << 0 << "112"
                                      << "BMS disconnected with BMU";
    QTest::newRow("F/W reset") << 113 << hv << 0 << "113"
                               << "BMU F/W Reset";
    QTest::newRow("watchdog") << 114 << hv << 0 << "114"
                              << "BMU Watchdog Reset";
    QTest::newRow("precharge") << 115 << hv << 0 << "115"
                               << "PreCharge Failed";
    QTest::newRow("address") << 116 << hv << 0 << "116"
                             << "Address registration failed";
    QTest::newRow("table load") << 117 << hv << 0 << "117"
                                << "Parameters table Load Failed";
    QTest::newRow("timing log") << 118 << hv << 0 << "118"
                                << "System timing log";
    QTest::newRow("code 119 undefined") << 119 << hv << 0 << "119"
                                        << "No Defined";
    QTest::newRow("table done") << 120 << hv << 0 << "120"
                                << "Parameters table updating done";
    QTest::newRow("code 121 undefined") << 121 << hv << 0 << "121"
                                        << "No Defined";
}

void TestBmuEvents::codeAndDescription() {
    QFETCH(int, code);
    QFETCH(QString, serialNumber);
    QFETCH(int, firstDataByte);
    QFETCH(QString, codeColumn);
    QFETCH(QString, description);

    const TextRows rows =
        decodeBmuBlock(block({record(code, QByteArray(1, char(firstDataByte)))}), serialNumber);
    QCOMPARE(rows.size(), 20);
    QCOMPARE(rows[0].size(), 4);
    QCOMPARE(rows[0][1], codeColumn);
    QCOMPARE(rows[0][2], description);
}

void TestBmuEvents::timeStamps_data() {
    QTest::addColumn<QByteArray>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero-filled fields") << hex("150305090702") << "2021-03-05 09:07:02";
    QTest::newRow("all zero") << hex("000000000000") << "2000-00-00 00:00:00";
    QTest::newRow("last second of the century") << hex("630c1f173b3b") << "2099-12-31 23:59:59";
    QTest::newRow("plain binary, not BCD") << hex("1010101010") << "2016-16-16 16:16:00";
    QTest::newRow("three-digit fields") << hex("64ff80c8ffff") << "20100-255-128 200:255:255";
}

void TestBmuEvents::timeStamps() {
    QFETCH(QByteArray, time);
    QFETCH(QString, text);
    QCOMPARE(decodeBmuBlock(block({record(0, {}, time)}), QString())[0][0], text);
}

void TestBmuEvents::logDataIsLowerCaseHexWithTrailingBlanks() {
    QByteArray data;
    for (int i = 0; i < 23; ++i)
        data.append(char(0xA0 + i));
    const QString expected = QStringLiteral("a0 a1 a2 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad ae af b0 "
                                            "b1 b2 b3 b4 b5 b6 ");
    const QString text = decodeBmuBlock(block({record(36, data)}), QString())[0][3];
    QCOMPARE(text, expected);
    QCOMPARE(text.size(), 69);
}

void TestBmuEvents::erasedRecord() {
    const TextRows rows = decodeBmuBlock(QByteArray(600, char(0xFF)), QStringLiteral("P03"));
    QCOMPARE(rows.size(), 20);
    QString ffPairs;
    for (int i = 0; i < 23; ++i)
        ffPairs += QStringLiteral("ff ");
    const QStringList expected{"20255-255-255 255:255:255", "255", "No Defined", ffPairs};
    for (const QStringList& row : rows)
        QCOMPARE(row, expected);
}

void TestBmuEvents::recordsInBlockOrder() {
    QVector<QByteArray> records;
    for (int k = 0; k < 20; ++k)
        records << record(k % 2 ? 4 : 5, QByteArray(1, char(k)), hex("1501010000") + char(k));
    const TextRows rows = decodeBmuBlock(block(records), QString());
    QCOMPARE(rows.size(), 20);
    for (int k = 0; k < 20; ++k) {
        QCOMPARE(rows[k][0], QStringLiteral("2021-01-01 00:00:%1").arg(k, 2, 10, QLatin1Char('0')));
        QCOMPARE(rows[k][1], k % 2 ? QStringLiteral("04") : QStringLiteral("05"));
        QVERIFY(rows[k][3].startsWith(QStringLiteral("%1 ").arg(k, 2, 16, QLatin1Char('0'))));
    }
}

void TestBmuEvents::shortBlockReadsMissingBytesAsZero() {
    // One whole record and the first 10 bytes of the second.
    const QByteArray bytes = record(33, hex("01")) + record(102, hex("0203")).left(10);
    const TextRows rows = decodeBmuBlock(bytes, QString());
    QCOMPARE(rows.size(), 20);
    QCOMPARE(rows[0][1], QStringLiteral("33"));
    QCOMPARE(rows[1][1], QStringLiteral("102"));
    QCOMPARE(rows[1][3].left(12), QStringLiteral("02 03 00 00 "));
    QCOMPARE(rows[19], (QStringList{"2000-00-00 00:00:00", "00", "Power ON",
                                    QStringLiteral("00 ").repeated(23)}));
    QCOMPARE(decodeBmuBlock(QByteArray(), QString()).size(), 20);
}

QTEST_GUILESS_MAIN(TestBmuEvents)
#include "tst_bmuevents.moc"
