#include "monitor/monitorrig.h"

// The setup write of the real window against the simulated BMU.
class TestSetupWrite : public QObject {
    Q_OBJECT

private slots:
    void writeChangesTheSystemAndRefreshShowsIt();
    void badModuleCountIsRefused_data();
    void badModuleCountIsRefused();

private:
    // An LV system of no modules: the refresh ends with the setup read, no BMS read.
    static bool refreshedLowVoltage(MonitorRig& rig) {
        rig.sim.setRegister(BmuRegister::SetupFirst, 0x0600); // SMA LV, 0 modules
        if (!rig.connectWindow())
            return false;
        rig.button("Btn_Refresh")->click();
        return QTest::qWaitFor(
            [&] { return rig.sim.requestCount() == 3 && rig.button("BtnSetup")->isEnabled(); },
            8000);
    }
};

void TestSetupWrite::writeChangesTheSystemAndRefreshShowsIt() {
    ScratchFolder folder;
    MonitorRig rig(SystemPreset::LowVoltage);
    QVERIFY(refreshedLowVoltage(rig));
    QCOMPARE(rig.combo("comboBoxSetupInverter")->currentText(), QStringLiteral("SMA LV"));

    QComboBox* inverter = rig.combo("comboBoxSetupInverter");
    inverter->setCurrentIndex(inverter->findText(QStringLiteral("Victron LV")));
    rig.widget<QLineEdit>("lineEditSetupParallels")->setText(QStringLiteral("2"));
    rig.combo("comboBoxSetupBMS")->setCurrentIndex(1);    // ZRD
    rig.combo("comboBoxSetupGrid")->setCurrentIndex(0);   // Off Grid
    rig.combo("comboBox_SetupPhase")->setCurrentIndex(1); // Three
    rig.button("BtnSetup")->click();
    QVERIFY(!rig.button("Btn_Refresh")->isEnabled());

    QTRY_COMPARE(rig.sim.setupWrites().size(), 1);
    QCOMPARE(rig.sim.setupWrites().first(), QByteArray::fromHex("070201000100"));
    QCOMPARE(rig.reg(BmuRegister::SetupFirst), quint16(0x0702));
    QCOMPARE(rig.reg(BmuRegister::SetupType), quint16(0x0100));
    QCOMPARE(rig.reg(BmuRegister::SetupLast), quint16(0x0100));

    // The echo runs a whole refresh, which reads the new settings back.
    QTRY_COMPARE_WITH_TIMEOUT(rig.received(QByteArray::fromHex("010300100003040E")), 2, 5000);
    QTRY_COMPARE(rig.text("label_InverterName"), QStringLiteral("Victron LV"));
    QCOMPARE(rig.text("label_BMSNo"), QStringLiteral("2"));
    QCOMPARE(rig.text("label_Batterytype"), QStringLiteral("ZRD"));
    QCOMPARE(rig.text("label_Grid"), QStringLiteral("OFF GRID"));
    QCOMPARE(rig.text("label_Phase"), QStringLiteral("Three"));
    QCOMPARE(rig.items("comboBox_BMSInfo"), (QStringList{"BMS1", "BMS2"}));
    QTRY_COMPARE(rig.combo("comboBoxSetupInverter")->currentText(), QStringLiteral("Victron LV"));
    QCOMPARE(rig.widget<QLineEdit>("lineEditSetupParallels")->text(), QStringLiteral("2"));
    QCOMPARE(rig.combo("comboBoxSetupGrid")->currentIndex(), 0);
}

void TestSetupWrite::badModuleCountIsRefused_data() {
    QTest::addColumn<QString>("count");
    QTest::newRow("above one byte") << "256";
    QTest::newRow("negative") << "-3";
    QTest::newRow("not a number") << "two";
}

void TestSetupWrite::badModuleCountIsRefused() {
    QFETCH(QString, count);
    ScratchFolder folder;
    MonitorRig rig(SystemPreset::LowVoltage);
    QVERIFY(refreshedLowVoltage(rig));
    const int state = rig.window.currentRequestState();

    rig.widget<QLineEdit>("lineEditSetupParallels")->setText(count);
    rig.button("BtnSetup")->click();
    const QStringList boxes = rig.closeMessageBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().contains(QStringLiteral("0 to 255")), qPrintable(boxes.first()));
    QVERIFY(rig.button("BtnSetup")->isEnabled());
    QVERIFY(rig.button("Btn_Refresh")->isEnabled());
    QCOMPARE(rig.window.currentRequestState(), state);
    // Nothing went out: a Refresh is the next request the BMU sees.
    rig.button("Btn_Refresh")->click();
    QTRY_COMPARE(rig.sim.requestCount(), 4);
    QCOMPARE(rig.sim.requestLog().last(), QByteArray::fromHex("010300000066C5E0"));
    QVERIFY(rig.sim.setupWrites().isEmpty());
}

QTEST_MAIN(TestSetupWrite)
#include "tst_setupwrite.moc"
