#include "monitor/batterysystem.h"

#include <QtTest>

Q_DECLARE_METATYPE(BatteryFamily)

// The family rule and the inverter code table.
class TestBatterySystem : public QObject {
    Q_OBJECT

private slots:
    void family_data();
    void family();
    void inverterLists_data();
    void inverterLists();
    void inverterNamesAreUnique();
};

void TestBatterySystem::family_data() {
    QTest::addColumn<QString>("serial");
    QTest::addColumn<BatteryFamily>("family");
    QTest::newRow("P03") << "P030T020" << BatteryFamily::HV;
    QTest::newRow("E0P3") << "E0P3001" << BatteryFamily::HV;
    QTest::newRow("P02") << "P021" << BatteryFamily::LV;
    QTest::newRow("P011") << "P0110" << BatteryFamily::LV;
    QTest::newRow("E0P2") << "E0P2" << BatteryFamily::LV;
    QTest::newRow("lower case") << "p030" << BatteryFamily::LV;
    QTest::newRow("empty") << "" << BatteryFamily::LV;
    QTest::newRow("P0 only") << "P0" << BatteryFamily::LV;
}

void TestBatterySystem::family() {
    QFETCH(QString, serial);
    QFETCH(BatteryFamily, family);
    QCOMPARE(familyOfSerial(serial), family);
}

void TestBatterySystem::inverterLists_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("position");
    QTest::newRow("0") << 0 << "Fronius HV" << 0;
    QTest::newRow("2 first of LV") << 2 << "Goodwe LV/Viessmann LV" << 0;
    QTest::newRow("9") << 9 << "Sungrow HV" << 4;
    QTest::newRow("17 last of LV") << 17 << "Solis LV" << 9;
    QTest::newRow("19 last of HV") << 19 << "SMA STP 5.0-10.0 SE HV" << 9;
    QTest::newRow("20 outside") << 20 << "" << -1;
    QTest::newRow("-1 outside") << -1 << "" << -1;
}

void TestBatterySystem::inverterLists() {
    QFETCH(int, code);
    QFETCH(QString, name);
    QFETCH(int, position);
    QCOMPARE(inverterName(code), name);
    QCOMPARE(inverterListPosition(code), position);
    QCOMPARE(inverterCode(name), name.isEmpty() ? -1 : code);
}

void TestBatterySystem::inverterNamesAreUnique() {
    const auto& table = inverterTable();
    QCOMPARE(table.size(), 20);
    QSet<QString> names;
    for (int i = 0; i < table.size(); ++i) {
        QCOMPARE(table[i].code, i);
        const QString name = QString::fromLatin1(table[i].name);
        QCOMPARE(name.endsWith("HV"), table[i].family == BatteryFamily::HV);
        names.insert(name);
    }
    QCOMPARE(names.size(), 20);
    QCOMPARE(invertersOf(BatteryFamily::HV).size(), 10);
    QCOMPARE(invertersOf(BatteryFamily::LV).size(), 10);
}

QTEST_APPLESS_MAIN(TestBatterySystem)
#include "tst_batterysystem.moc"
