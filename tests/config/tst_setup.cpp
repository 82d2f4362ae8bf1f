#include "config/setup.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"

#include <QtTest>

Q_DECLARE_METATYPE(BatteryFamily)

// Setup lists by family, decoding a setup read and composing the setup write.
class TestSetup : public QObject {
    Q_OBJECT

private slots:
    void listsBySerial_data();
    void listsBySerial();
    void decodeRead_data();
    void decodeRead();
    void compose_data();
    void compose();
    void refusalsSayWhy();
};

void TestSetup::listsBySerial_data() {
    QTest::addColumn<QString>("serial");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QString>("firstType");
    QTest::addColumn<QString>("firstInverter");
    QTest::addColumn<QString>("lastInverter");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("preselected");
    QTest::newRow("P03") << "P030T0" << true << "QPC"
                         << "Fronius HV"
                         << "SMA STP 5.0-10.0 SE HV"
                         << "Modules in Serial" << 1;
    QTest::newRow("E0P3") << "E0P3" << true << "QPC"
                          << "Fronius HV"
                          << "SMA STP 5.0-10.0 SE HV"
                          << "Modules in Serial" << 1;
    QTest::newRow("P02") << "P021" << true << "ZRC"
                         << "Goodwe LV/Viessmann LV"
                         << "Solis LV"
                         << "Modules in Parallels" << 0;
    QTest::newRow("P011") << "P0115" << true << "ZRC"
                          << "Goodwe LV/Viessmann LV"
                          << "Solis LV"
                          << "Modules in Parallels" << 0;
    QTest::newRow("P010 is neither") << "P0105" << false << ""
                                     << ""
                                     << ""
                                     << "" << 0;
    QTest::newRow("no serial yet") << "" << false << ""
                                   << ""
                                   << ""
                                   << "" << 0;
}

void TestSetup::listsBySerial() {
    QFETCH(QString, serial);
    QFETCH(bool, filled);
    QFETCH(QString, firstType);
    QFETCH(QString, firstInverter);
    QFETCH(QString, lastInverter);
    QFETCH(QString, caption);
    QFETCH(int, preselected);
    const auto lists = setupListsForSerial(serial);
    QCOMPARE(lists.has_value(), filled);
    if (!filled)
        return;
    QCOMPARE(lists->batteryTypes.size(), 3);
    QCOMPARE(lists->batteryTypes.first(), firstType);
    QCOMPARE(lists->inverterNames.size(), 10);
    QCOMPARE(lists->inverterNames.first(), firstInverter);
    QCOMPARE(lists->inverterNames.last(), lastInverter);
    QCOMPARE(lists->countCaption, caption);
    QCOMPARE(lists->preselectedBatteryType, preselected);
}

void TestSetup::decodeRead_data() {
    QTest::addColumn<BatteryFamily>("family");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QList<int>>("indexes");
    const auto hex = [](const char* h) { return QByteArray::fromHex(h); };
    const auto hv = BatteryFamily::HV;
    const auto lv = BatteryFamily::LV;
    QTest::newRow("HV Sungrow, 2 towers of 5")
        << hv << hex("010306092501010100FFFF") << true << 4 << "Sungrow HV"
        << "5" << QList<int>{1, 1, 1};
    QTest::newRow("HV module digit a")
        << hv << hex("0103060D3A02000000FFFF") << true << 6 << "Ingeteam HV"
        << "a" << QList<int>{2, 0, 0};
    QTest::newRow("HV system, LV inverter code 2")
        << hv << hex("010306020501000000FFFF") << true << 0 << "Goodwe LV/Viessmann LV"
        << "5" << QList<int>{1, 0, 0};
    QTest::newRow("LV count decimal")
        << lv << hex("010306110C00020100FFFF") << true << 9 << "Solis LV"
        << "12" << QList<int>{0, 2, 1};
    QTest::newRow("code 19 accepted")
        << hv << hex("010306130100000000FFFF") << true << 9 << "SMA STP 5.0-10.0 SE HV"
        << "1" << QList<int>{0, 0, 0};
    QTest::newRow("code 20 refused") << hv << hex("010306140501010100FFFF") << false << 0 << ""
                                     << "" << QList<int>{};
    QTest::newRow("status reply is not a setup reply")
        << hv << QByteArray::fromHex("010332") + QByteArray(52, '\1') << false << 0 << ""
        << "" << QList<int>{};
    QTest::newRow("short frame") << hv << hex("0103060925") << false << 0 << ""
                                 << "" << QList<int>{};
    QTest::newRow("code 0xFF refused") << lv << hex("010306FF0501010100FFFF") << false << 0 << ""
                                       << "" << QList<int>{};
}

void TestSetup::decodeRead() {
    QFETCH(BatteryFamily, family);
    QFETCH(QByteArray, frame);
    QFETCH(bool, accepted);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, count);
    QFETCH(QList<int>, indexes);
    const auto s = decodeSetupReply(frame, family);
    QCOMPARE(s.has_value(), accepted);
    if (!accepted)
        return;
    QCOMPARE(s->inverterPosition, position);
    QCOMPARE(s->inverterName, name);
    QCOMPARE(s->moduleCount, count);
    QCOMPARE((QList<int>{s->batteryTypeIndex, s->gridIndex, s->phaseIndex}), indexes);
}

void TestSetup::compose_data() {
    QTest::addColumn<QString>("inverter");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("frameHead");
    const QList<int> ones{1, 1, 1};
    QTest::newRow("Sungrow HV, 5")
        << "Sungrow HV"
        << "5" << ones << int(SetupBytes::Ok) << "01 10 00 10 00 03 06 09 05 01 01 01 00";
    QTest::newRow("empty count writes 00") << "Fronius HV"
                                           << "" << QList<int>{0, 2, 0} << int(SetupBytes::Ok)
                                           << "01 10 00 10 00 03 06 00 00 00 02 00 00";
    QTest::newRow("LV inverter, 12") << "Solis LV"
                                     << "12" << QList<int>{2, 0, 1} << int(SetupBytes::Ok)
                                     << "01 10 00 10 00 03 06 11 0C 02 00 01 00";
    QTest::newRow("255 is the largest")
        << "Victron LV"
        << "255" << ones << int(SetupBytes::Ok) << "01 10 00 10 00 03 06 07 FF 01 01 01 00";
    QTest::newRow("blanks around the count")
        << "Victron LV"
        << " 3 " << ones << int(SetupBytes::Ok) << "01 10 00 10 00 03 06 07 03 01 01 01 00";
    QTest::newRow("256 refused") << "Victron LV"
                                 << "256" << ones << int(SetupBytes::BadModuleCount) << "";
    QTest::newRow("negative refused") << "Victron LV"
                                      << "-1" << ones << int(SetupBytes::BadModuleCount) << "";
    QTest::newRow("letters refused") << "Victron LV"
                                     << "abc" << ones << int(SetupBytes::BadModuleCount) << "";
    QTest::newRow("HV digit a refused") << "Kaco HV"
                                        << "a" << ones << int(SetupBytes::BadModuleCount) << "";
    QTest::newRow("decimal fraction refused")
        << "Kaco HV"
        << "2.5" << ones << int(SetupBytes::BadModuleCount) << "";
    QTest::newRow("empty inverter sends nothing")
        << ""
        << "5" << ones << int(SetupBytes::NoInverter) << "";
    QTest::newRow("unknown inverter sends nothing")
        << "Inverter type"
        << "5" << ones << int(SetupBytes::NoInverter) << "";
    QTest::newRow("no battery type chosen")
        << "Kaco HV"
        << "5" << QList<int>{-1, 1, 1} << int(SetupBytes::NoSelection) << "";
}

void TestSetup::compose() {
    QFETCH(QString, inverter);
    QFETCH(QString, count);
    QFETCH(QList<int>, indexes);
    QFETCH(int, outcome);
    QFETCH(QString, frameHead);
    const SetupBytes result =
        composeSetupBytes(inverter, count, indexes[0], indexes[1], indexes[2]);
    QCOMPARE(int(result.outcome), outcome);
    if (result.outcome != SetupBytes::Ok) {
        QVERIFY(result.bytes.isEmpty());
        return;
    }
    QCOMPARE(result.bytes.size(), 6);
    const QString frame = setupWriteRequest(result.bytes);
    QVERIFY2(frame.startsWith(frameHead), qPrintable(frame));
    QCOMPARE(hexToBytes(frame).size(), 15);
}

void TestSetup::refusalsSayWhy() {
    QVERIFY(setupRefusalMessage(SetupBytes::BadModuleCount).contains("0 to 255"));
    QVERIFY(!setupRefusalMessage(SetupBytes::NoSelection).isEmpty());
    QVERIFY(setupRefusalMessage(SetupBytes::Ok).isEmpty());
    QVERIFY(setupRefusalMessage(SetupBytes::NoInverter).isEmpty());
}

QTEST_APPLESS_MAIN(TestSetup)
#include "tst_setup.moc"
