#include "monitorrig.h"

// The Refresh sequence of the real window against the simulated BMU: the Overview,
// the setup read that follows it, and refreshes over a faulty link.
class TestOverviewRefresh : public QObject {
    Q_OBJECT

private slots:
    void fillsOverview_data();
    void fillsOverview();
    void survivesSplitReplies();
    void lateFirstReplyIsNotTakenForTheSecond();
    void droppedFirstReplyKeepsTheOverview();
    void halfOfAnEarlierRefreshIsNotReused();

private:
    // Values of the running system written as the Overview shows them.
    static QString hundredths(quint16 raw) { return QString::number(raw / 100.0, 'f', 2); }
    static QString celsius(quint16 raw) {
        return QStringLiteral("%1℃").arg(raw > 0x7FFF ? raw - 0x10000 : raw);
    }
    static QString version(quint16 word, const char* suffix) {
        return QStringLiteral("V%1.%2").arg(word >> 8).arg(word & 0xFF) + QLatin1String(suffix);
    }

    // A system without BMS to read: the refresh ends with the setup read.
    static void withoutBms(MonitorRig& rig) {
        rig.sim.setRegister(BmuRegister::SetupFirst, rig.reg(BmuRegister::SetupFirst) & 0xFF00);
    }
    static bool refreshAndSettle(MonitorRig& rig, int requests) {
        rig.button("Btn_Refresh")->click();
        return QTest::qWaitFor(
            [&] {
                return rig.sim.requestCount() >= requests && rig.button("Btn_Refresh")->isEnabled();
            },
            8000);
    }
};

using Lines = QList<QPair<QString, QColor>>;

void TestOverviewRefresh::fillsOverview_data() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("batteryWarnings");
    QTest::addColumn<int>("systemStatus");
    QTest::addColumn<QString>("expectedCurrent");
    QTest::addColumn<QString>("chargeState");
    QTest::addColumn<Lines>("warnings");
    QTest::addColumn<QString>("inverter");
    QTest::addColumn<QString>("towers");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QStringList>("bmsList");
    const QColor blue("blue"), red("red"), green("green");

    QTest::newRow("HV, charging, two warnings")
        << SystemPreset::HighVoltage << 0xFFF6 << 0x0001 << 0x0400 << "Current:1.0A"
        << "Charging"
        << Lines{{"Warning:Battery Over Voltage;", blue}, {"Air switch abnormal;", red}}
        << "Sungrow HV"
        << "2"
        << "Three" << QStringList{"BMS1", "BMS2"};
    QTest::newRow("LV, discharging, low SOC")
        << SystemPreset::LowVoltage << 0x0064 << 0 << 0x0400 << "Current:10.0A"
        << "DisCharging" << Lines{{"Low SOC;", blue}} << "SMA LV"
        << "3"
        << "Single" << QStringList{"BMS1", "BMS2", "BMS3"};
    QTest::newRow("five-module QPA, normal")
        << SystemPreset::Qpa5 << 0 << 0 << 0 << "Current:0.0A"
        << "DisCharging" << Lines{{"Normal", green}} << "Fronius HV"
        << "1"
        << "Three" << QStringList{"BMS1"};
}

void TestOverviewRefresh::fillsOverview() {
    QFETCH(SystemPreset, preset);
    QFETCH(int, current);
    QFETCH(int, batteryWarnings);
    QFETCH(int, systemStatus);
    QFETCH(QString, expectedCurrent);
    QFETCH(QString, chargeState);
    QFETCH(Lines, warnings);
    QFETCH(QString, inverter);
    QFETCH(QString, towers);
    QFETCH(QString, phase);
    QFETCH(QStringList, bmsList);
    ScratchFolder folder;
    MonitorRig rig(preset);
    rig.sim.setRegister(BmuRegister::Current, quint16(current));
    rig.sim.setRegister(BmuRegister::BatteryWarnings, quint16(batteryWarnings));
    rig.sim.setRegister(BmuRegister::SystemStatus, quint16(systemStatus));
    rig.sim.setRegister(BmuRegister::MinTemperature, 0xFFFB);
    QVERIFY(rig.connectWindow());

    rig.button("Btn_Refresh")->click();
    QVERIFY(!rig.button("Btn_Refresh")->isEnabled());
    const SystemProfile& p = rig.profile();
    QTRY_COMPARE_WITH_TIMEOUT(rig.text("label_SN"), QString::fromLatin1(p.serial), 5000);

    const bool hv = p.highVoltage;
    QCOMPARE(rig.text("label_BMU"), version(rig.reg(BmuRegister::BmuVersionA), "-A"));
    QCOMPARE(rig.text("label_BMSA"), version(rig.reg(BmuRegister::BmsVersion), "-A"));
    QCOMPARE(rig.text("label_InverterName"), inverter);
    QCOMPARE(rig.text("label_BMSNo"), towers);
    QCOMPARE(rig.label("label_21")->isHidden(), !hv);
    if (hv)
        QCOMPARE(rig.text("label_ModuleNum"), QStringLiteral("5"));
    QCOMPARE(rig.text("label_Batterytype"), p.batteryTypeName);
    QCOMPARE(rig.text("label_Grid"), QStringLiteral("ON GRID"));
    QCOMPARE(rig.text("label_Phase"), phase);
    const quint16 soc = rig.reg(BmuRegister::Soc);
    QCOMPARE(rig.text("label_Soc"), QStringLiteral("SOC:%1%").arg(soc));
    QCOMPARE(rig.widget<QSlider>("verticalSlider")->value(), int(soc));
    QCOMPARE(rig.text("label_MaxCellVoltage"),
             hundredths(rig.reg(BmuRegister::MaxCellVoltage)) + 'V');
    QCOMPARE(rig.text("label_MinCellVoltage"),
             hundredths(rig.reg(BmuRegister::MinCellVoltage)) + 'V');
    QCOMPARE(rig.text("label_Current"), expectedCurrent);
    QCOMPARE(rig.text("label_Statu"), chargeState);
    QCOMPARE(rig.text("label_BatVoltage"),
             QStringLiteral("Bat:%1V").arg(hundredths(rig.reg(BmuRegister::BatteryVoltage))));
    QCOMPARE(rig.text("label_MaxCellTemp"), celsius(rig.reg(BmuRegister::MaxTemperature)));
    QCOMPARE(rig.text("label_MinCellTemp"), QStringLiteral("-5℃"));
    QCOMPARE(rig.label("label_Temp")->isHidden(), !hv);
    if (hv)
        QCOMPARE(rig.text("label_Temp"), celsius(rig.reg(BmuRegister::BoardTemperature)));
    const QString table = version(rig.reg(BmuRegister::TableVersion), "");
    QCOMPARE(rig.text("label_ThresholdVersion"), table);
    QCOMPARE(rig.text("label_PT_Running"), table);
    const QString output = hundredths(rig.reg(BmuRegister::OutputVoltage));
    QCOMPARE(rig.text("label_PVoltage"), QStringLiteral("Output:%1V").arg(output));
    const double amps = expectedCurrent.mid(8).chopped(1).toDouble();
    QCOMPARE(rig.text("label_Power"),
             QStringLiteral("Power:%1W").arg(QString::number(output.toDouble() * amps, 'f', 2)));
    // The warning lines open the pane; the firmware file check of the refresh may add hints.
    QCOMPARE(rig.paneLines("textEdit_BMU_Event").mid(0, warnings.size()), warnings);
    QVERIFY(!rig.paneLines("textEdit_BMU_Event")
                 .mid(warnings.size())
                 .contains({QStringLiteral("Normal"), QColor("green")}));
    QCOMPARE(rig.items("comboBox_BMSInfo"), bmsList);
    QCOMPARE(rig.items("comboBox_ReadHistoryInfo"), QStringList{"BMU"} + bmsList);

    // The setup read that follows selects the system's settings in the lists.
    QTRY_COMPARE(rig.widget<QLineEdit>("lineEditSetupParallels")->text(),
                 QString::number(p.moduleCountByte & (hv ? 0x0F : 0xFF)));
    QCOMPARE(rig.combo("comboBoxSetupInverter")->currentText(), inverter);
    QCOMPARE(rig.combo("comboBoxSetupInverter")->count(), 10);
    QCOMPARE(rig.combo("comboBoxSetupBMS")->currentIndex(), int(p.batteryTypeCode));
    QCOMPARE(rig.combo("comboBoxSetupGrid")->currentIndex(), int(p.gridMode));
    QCOMPARE(rig.combo("comboBox_SetupPhase")->currentIndex(), int(p.phase));
    QCOMPARE(rig.text("label_Parallels"),
             hv ? QStringLiteral("Modules in Serial") : QStringLiteral("Modules in Parallels"));
    QCOMPARE(rig.received(QByteArray::fromHex("010300100003040E")), 1);
}

void TestOverviewRefresh::survivesSplitReplies() {
    ScratchFolder folder;
    MonitorRig rig(SystemPreset::LowVoltage);
    withoutBms(rig);
    rig.sim.setSplitReplies(4, 20);
    QVERIFY(rig.connectWindow());
    QVERIFY(refreshAndSettle(rig, 3));
    QCOMPARE(rig.text("label_SN"), QString::fromLatin1(rig.profile().serial));
    QCOMPARE(rig.text("label_Soc"), QStringLiteral("SOC:%1%").arg(rig.reg(BmuRegister::Soc)));
    QCOMPARE(rig.combo("comboBoxSetupInverter")->currentText(), QStringLiteral("SMA LV"));
}

void TestOverviewRefresh::lateFirstReplyIsNotTakenForTheSecond() {
    // Every reply comes 700 ms late: the first arrives after the second read went out.
    ScratchFolder folder;
    MonitorRig rig(SystemPreset::HighVoltage);
    withoutBms(rig);
    rig.sim.setReplyDelay(700);
    QVERIFY(rig.connectWindow());
    rig.button("Btn_Refresh")->click();
    QTRY_COMPARE_WITH_TIMEOUT(rig.text("label_SN"), QString::fromLatin1(rig.profile().serial),
                              5000);
    QCOMPARE(rig.text("label_Soc"), QStringLiteral("SOC:%1%").arg(rig.reg(BmuRegister::Soc)));
    QCOMPARE(rig.text("label_InverterName"), QStringLiteral("Sungrow HV"));
    QCOMPARE(rig.text("label_Batterytype"), QStringLiteral("QPB"));
    QTRY_COMPARE(rig.combo("comboBoxSetupInverter")->currentText(), QStringLiteral("Sungrow HV"));
}

void TestOverviewRefresh::droppedFirstReplyKeepsTheOverview() {
    ScratchFolder folder;
    MonitorRig rig(SystemPreset::LowVoltage);
    withoutBms(rig);
    QVERIFY(rig.connectWindow());
    QVERIFY(refreshAndSettle(rig, 3));
    const QString soc = rig.text("label_Soc");
    const QString serial = rig.text("label_SN");

    // The first status reply of the next refresh is lost; only the second arrives.
    rig.sim.setRegister(BmuRegister::Soc, 42);
    rig.sim.setDropEveryNth(rig.sim.requestCount() + 1);
    QVERIFY(refreshAndSettle(rig, 5));
    QCOMPARE(rig.text("label_Soc"), soc);
    QCOMPARE(rig.text("label_SN"), serial);
    QCOMPARE(rig.text("label_InverterName"), QStringLiteral("SMA LV"));

    // The link recovers: the next refresh shows the new value.
    rig.sim.setDropEveryNth(0);
    QVERIFY(refreshAndSettle(rig, 8));
    QTRY_COMPARE(rig.text("label_Soc"), QStringLiteral("SOC:42%"));
}

void TestOverviewRefresh::halfOfAnEarlierRefreshIsNotReused() {
    ScratchFolder folder;
    MonitorRig rig(SystemPreset::LowVoltage);
    withoutBms(rig);
    QVERIFY(rig.connectWindow());
    QVERIFY(refreshAndSettle(rig, 3));
    const QString soc = rig.text("label_Soc");

    rig.sim.setRegister(BmuRegister::Soc, 42);
    rig.sim.setRegister(BmuRegister::SetupFirst, 0x0700); // Victron LV
    // Refresh A loses its second reply, refresh B its first: the first reply of A and
    // the second of B must not be shown together.
    rig.sim.setDropEveryNth(rig.sim.requestCount() + 2);
    QVERIFY(refreshAndSettle(rig, 5));
    rig.sim.setDropEveryNth(rig.sim.requestCount() + 1);
    QVERIFY(refreshAndSettle(rig, 7));
    QCOMPARE(rig.text("label_Soc"), soc);
}

QTEST_MAIN(TestOverviewRefresh)
#include "tst_overviewrefresh.moc"
