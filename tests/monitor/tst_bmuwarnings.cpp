#include "monitor/bmuwarnings.h"

#include <QtTest>

Q_DECLARE_METATYPE(BatteryFamily)

// The warning lines of the Overview's status pane.
class TestBmuWarnings : public QObject {
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void everyBatteryBitHasAText();
};

using Lines = QVector<WarningLine>;
Q_DECLARE_METATYPE(Lines)

void TestBmuWarnings::lines_data() {
    QTest::addColumn<BatteryFamily>("family");
    QTest::addColumn<int>("batteryWord");
    QTest::addColumn<int>("systemWord");
    QTest::addColumn<Lines>("expected");
    const auto blue = [](const char* t) { return WarningLine{t, "blue"}; };
    const auto red = [](const char* t) { return WarningLine{t, "red"}; };
    const auto hv = BatteryFamily::HV;
    const auto lv = BatteryFamily::LV;

    QTest::newRow("both zero: Normal") << hv << 0 << 0 << Lines{{"Normal", "green"}};
    QTest::newRow("LV both zero: Normal") << lv << 0 << 0 << Lines{{"Normal", "green"}};
    QTest::newRow("battery bit 0")
        << hv << 0x0001 << 0 << Lines{blue("Warning:Battery Over Voltage;")};
    QTest::newRow("system bit 7 has no text: empty pane") << hv << 0 << 0x0080 << Lines{};
    QTest::newRow("HV bit 10 red") << hv << 0 << 0x0400 << Lines{red("Air switch abnormal;")};
    QTest::newRow("LV bit 10 blue") << lv << 0 << 0x0400 << Lines{blue("Low SOC;")};
    QTest::newRow("LV bits 15 and 14 silent") << lv << 0 << 0xC000 << Lines{};
    QTest::newRow("HV bits 15 and 14")
        << hv << 0 << 0xC000 << Lines{blue("Current warning;"), blue("Output voltage warning;")};
    QTest::newRow("LV bit 13 red") << lv << 0 << 0x2000 << Lines{red("PT is incorrect;")};
    QTest::newRow("HV bit 13 blue") << hv << 0 << 0x2000 << Lines{blue("Sensor failed;")};
    QTest::newRow("precharge red in both") << lv << 0 << 0x0004 << Lines{red("Precharge failed;")};
    QTest::newRow("battery alarms red")
        << hv << 0xA010 << 0
        << Lines{red("Alarm:V-Sensor Failed;"), red("Alarm:Short Circuit;"),
                 red("Alarm:Current Sensor Failed;")};
    QTest::newRow("battery word first, system word from bit 15 down")
        << hv << 0x8001 << 0x0301
        << Lines{blue("Warning:Battery Over Voltage;"), red("Alarm:Current Sensor Failed;"),
                 blue("BMS updating;"), blue("BMU updating;"),
                 blue("Address registration failed;")};
}

void TestBmuWarnings::lines() {
    QFETCH(BatteryFamily, family);
    QFETCH(int, batteryWord);
    QFETCH(int, systemWord);
    QFETCH(Lines, expected);
    QCOMPARE(bmuWarningLines(family, quint16(batteryWord), quint16(systemWord)), expected);
}

void TestBmuWarnings::everyBatteryBitHasAText() {
    const Lines all = bmuWarningLines(BatteryFamily::LV, 0xFFFF, 0);
    QCOMPARE(all.size(), 16);
    QSet<QString> distinct;
    for (const WarningLine& line : all) {
        QVERIFY(line.text.startsWith("Warning:") || line.text.startsWith("Alarm:"));
        QCOMPARE(line.colour, line.text.startsWith("Alarm:") ? QString("red") : QString("blue"));
        distinct.insert(line.text);
    }
    QCOMPARE(distinct.size(), 16);
    // All system bits but bit 7 speak for HV; LV has no text for bits 15 and 14 either.
    QCOMPARE(bmuWarningLines(BatteryFamily::HV, 0, 0xFFFF).size(), 15);
    QCOMPARE(bmuWarningLines(BatteryFamily::LV, 0, 0xFFFF).size(), 13);
}

QTEST_APPLESS_MAIN(TestBmuWarnings)
#include "tst_bmuwarnings.moc"
