#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "monitorrig.h"
#include "sim/bmsinfoblock.h"

#include <QSlider>

// Monitoring through the real window against the simulated BMU: Refresh fills the Overview
// and selects the setup read's entries, also over a faulty link; the BMS information read
// fills the Diagnosis tab, with the two-pass read of a five-module "QPA" tower.
using Lines = QList<QPair<QString, QColor>>;

class TestMonitorWindow : public QObject {
    Q_OBJECT

private:
    // Values of the running system written as the Overview shows them.
    static QString hundredths(quint16 raw) { return QString::number(raw / 100.0, 'f', 2); }
    static QString celsius(quint16 raw) { return QStringLiteral("%1℃").arg(qint16(raw)); }
    static QString version(quint16 word, const char* suffix) {
        return QStringLiteral("V%1.%2").arg(word >> 8).arg(word & 0xFF) + QLatin1String(suffix);
    }
    // A system without BMS to read: the refresh ends with the setup read.
    static void withoutBms(MonitorRig& rig) {
        rig.sim.setRegister(BmuRegister::SetupFirst, rig.reg(BmuRegister::SetupFirst) & 0xFF00);
    }
    static QColor background(MonitorRig& rig, int row, int column) {
        return rig.widget<QTableWidget>("tableWidget_BMSInfo")
            ->item(row, column)
            ->background()
            .color();
    }

private slots:
    void refreshFillsOverview_data() {
        QTest::addColumn<SystemPreset>("preset");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("batteryWarnings");
        QTest::addColumn<int>("systemStatus");
        QTest::addColumn<QString>("expectedCurrent"); // and the charge state
        QTest::addColumn<Lines>("warnings");
        QTest::addColumn<QString>("inverter");
        QTest::addColumn<QString>("towers");
        QTest::addColumn<QString>("phase");
        QTest::addColumn<int>("splitInto"); // pieces per reply, 0: whole
        QTest::addColumn<int>("delay");     // ms before each reply
        const QColor blue("blue"), red("red"), green("green");
        QTest::newRow("HV, charging, two warnings")
            << SystemPreset::HighVoltage << 0xFFF6 << 0x0001 << 0x0400 << "Current:1.0A|Charging"
            << Lines{{"Warning:Battery Over Voltage;", blue}, {"Air switch abnormal;", red}}
            << "Sungrow HV" << QString("2") << QString("Three") << 0 << 0;
        QTest::newRow("LV, discharging, low SOC, replies in pieces")
            << SystemPreset::LowVoltage << 0x0064 << 0 << 0x0400 << "Current:10.0A|DisCharging"
            << Lines{{"Low SOC;", blue}} << "SMA LV" << QString("3") << QString("Single") << 4 << 0;
        // 700 ms: the first reply arrives after the second read went out, and must not be
        // taken for the second.
        QTest::newRow("five-module QPA, normal, replies 700 ms late")
            << SystemPreset::Qpa5 << 0 << 0 << 0 << "Current:0.0A|DisCharging"
            << Lines{{"Normal", green}} << "Fronius HV" << QString("1") << QString("Three") << 0
            << 700;
    }

    void refreshFillsOverview() {
        QFETCH(SystemPreset, preset);
        QFETCH(int, current);
        QFETCH(int, batteryWarnings);
        QFETCH(int, systemStatus);
        QFETCH(QString, expectedCurrent);
        QFETCH(Lines, warnings);
        QFETCH(QString, inverter);
        QFETCH(QString, towers);
        QFETCH(QString, phase);
        QFETCH(int, splitInto);
        QFETCH(int, delay);
        MonitorRig rig(preset);
        if (splitInto)
            rig.sim.setSplitReplies(splitInto, 20);
        rig.sim.setReplyDelay(delay);
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
        QCOMPARE(rig.widget<QLabel>("label_21")->isHidden(), !hv);
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
        QCOMPARE(rig.text("label_Current") + '|' + rig.text("label_Statu"), expectedCurrent);
        QCOMPARE(rig.text("label_BatVoltage"),
                 QStringLiteral("Bat:%1V").arg(hundredths(rig.reg(BmuRegister::BatteryVoltage))));
        QCOMPARE(rig.text("label_MaxCellTemp"), celsius(rig.reg(BmuRegister::MaxTemperature)));
        QCOMPARE(rig.text("label_MinCellTemp"), QStringLiteral("-5℃"));
        QCOMPARE(rig.widget<QLabel>("label_Temp")->isHidden(), !hv);
        if (hv)
            QCOMPARE(rig.text("label_Temp"), celsius(rig.reg(BmuRegister::BoardTemperature)));
        const QString table = version(rig.reg(BmuRegister::TableVersion), "");
        QCOMPARE(rig.text("label_ThresholdVersion"), table);
        QCOMPARE(rig.text("label_PT_Running"), table);
        const QString output = hundredths(rig.reg(BmuRegister::OutputVoltage));
        QCOMPARE(rig.text("label_PVoltage"), QStringLiteral("Output:%1V").arg(output));
        const double amps = expectedCurrent.section('|', 0, 0).mid(8).chopped(1).toDouble();
        QCOMPARE(
            rig.text("label_Power"),
            QStringLiteral("Power:%1W").arg(QString::number(output.toDouble() * amps, 'f', 2)));
        // The warning lines open the pane; the firmware file check of the refresh may add hints.
        const Lines pane = rig.paneLines("textEdit_BMU_Event");
        QCOMPARE(pane.mid(0, warnings.size()), warnings);
        QVERIFY(!pane.mid(warnings.size()).contains({QStringLiteral("Normal"), QColor("green")}));
        QStringList bmsList;
        for (int i = 1; i <= towers.toInt(); ++i)
            bmsList << QStringLiteral("BMS%1").arg(i);
        QCOMPARE(rig.items("comboBox_BMSInfo"), bmsList);
        QCOMPARE(rig.items("comboBox_ReadHistoryInfo"), QStringList{"BMU"} + bmsList);

        // The setup read that follows selects the system's settings in the lists.
        QTRY_COMPARE(rig.field("lineEditSetupParallels"),
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

    void lostReplyKeepsTheOverview() {
        MonitorRig rig(SystemPreset::LowVoltage);
        withoutBms(rig);
        QVERIFY(rig.connectWindow());
        QVERIFY(rig.refreshAndSettle(3));
        const QString soc = rig.text("label_Soc");
        const QString serial = rig.text("label_SN");
        rig.sim.setRegister(BmuRegister::Soc, 42);

        // The first status reply of the next refresh is lost; only the second arrives.
        rig.sim.setDropEveryNth(rig.sim.requestCount() + 1);
        QVERIFY(rig.refreshAndSettle(2));
        QCOMPARE(rig.text("label_Soc"), soc);
        QCOMPARE(rig.text("label_SN"), serial);
        QCOMPARE(rig.text("label_InverterName"), QStringLiteral("SMA LV"));

        rig.sim.setRegister(BmuRegister::SetupFirst, 0x0700); // Victron LV
        // Refresh A loses its second reply, refresh B its first: the first reply of A and the
        // second of B must not be shown together.
        rig.sim.setDropEveryNth(rig.sim.requestCount() + 2);
        QVERIFY(rig.refreshAndSettle(2));
        rig.sim.setDropEveryNth(rig.sim.requestCount() + 1);
        QVERIFY(rig.refreshAndSettle(2));
        QCOMPARE(rig.text("label_Soc"), soc);

        // The link recovers: the next refresh shows the new values.
        rig.sim.setDropEveryNth(0);
        QVERIFY(rig.refreshAndSettle(3));
        QTRY_COMPARE(rig.text("label_Soc"), QStringLiteral("SOC:42%"));
        QCOMPARE(rig.text("label_InverterName"), QStringLiteral("Victron LV"));
    }

    void bmsInfoFillsDiagnosisTab() {
        MonitorRig rig(SystemPreset::HighVoltage);
        BmuDevice& device = rig.sim.device();
        device.setBmsBytes(1, BmsBlock::Soc, QByteArray::fromHex("03E7"));             // 99.9 %
        device.setBmsBytes(1, BmsBlock::Current, QByteArray::fromHex("FF9C"));         // -10.0 A
        device.setBmsBytes(1, BmsBlock::WarningLevel3, QByteArray::fromHex("8001"));   // bits 15, 0
        device.setBmsBytes(1, BmsBlock::Cells, QByteArray::fromHex("0CE4"));           // cell 1
        device.setBmsBytes(1, BmsBlock::Cells + 254, QByteArray::fromHex("0D05"));     // cell 128
        device.setBmsBytes(1, BmsBlock::Temperatures, QByteArray::fromHex("19"));      // sensor 1
        device.setBmsBytes(1, BmsBlock::Temperatures + 63, QByteArray::fromHex("1E")); // sensor 64
        QVERIFY(rig.connectWindow());

        // Refresh, then the setup read, then the information of the first BMS.
        rig.button("Btn_Refresh")->click();
        const QString serial = QString::fromLatin1(rig.profile().bmsSerial(1));
        QTRY_COMPARE_WITH_TIMEOUT(rig.text("label_BMS_SN"), serial, 12000);
        QCOMPARE(rig.received(hexToBytes(bmsInfoRequest(1))), 1);
        QCOMPARE(rig.text("label_BMS_SOC"), QStringLiteral("SOC:99.9%"));
        QCOMPARE(rig.widget<QSlider>("verticalSlider_BMS")->value(), 99);
        QCOMPARE(rig.text("label_BMS_Current"), QStringLiteral("Charging:-10.0A"));
        QCOMPARE(rig.text("label_BMS_FW"), QStringLiteral("V3.5-A"));
        QCOMPARE(rig.text("label_BMS_ParameterTable_A"), QStringLiteral("V3.6"));
        QCOMPARE(rig.text("label_BMS_ParameterTable_B"), QStringLiteral("V3.5"));
        QVERIFY(rig.text("label_BMS_CellVoltage_Max").contains(QStringLiteral("mV (No.")));
        const QStringList lines{"Battery Over Voltage;", "Current Sensor Failure;"};
        QCOMPARE(rig.widget<QTextEdit>("textEdit_BMS_Event")->toPlainText().split('\n'), lines);
        QCOMPARE(rig.widget<QTextEdit>("textEdit_BMS_Event")->styleSheet(),
                 QStringLiteral("color:red;"));

        QCOMPARE(rig.cell("tableWidget_BMSInfo", 0, 0), QStringLiteral("Battery SN"));
        QCOMPARE(rig.cell("tableWidget_BMSInfo", 0, 1), serial);
        QCOMPARE(rig.cell("tableWidget_BMSInfo", 4, 1), QStringLiteral("Charging:-10.0A"));
        QCOMPARE(rig.cell("tableWidget_BMSInfo", 7, 3), QStringLiteral("1000000000000001"));
        const QColor red(190, 0, 0), green(0, 170, 0);
        QCOMPARE(background(rig, 12, 0), red);
        QCOMPARE(background(rig, 15, 3), red);
        QCOMPARE(background(rig, 12, 1), green);

        // A QPB tower: eight modules of 16 cells, then the temperatures from row 17.
        QCOMPARE(rig.cell("tableWidget_BMS_Cells", 0, 1), QStringLiteral("No.1"));
        QCOMPARE(rig.cell("tableWidget_BMS_Cells", 0, 2), QStringLiteral("3300"));
        QCOMPARE(rig.cell("tableWidget_BMS_Cells", 15, 16), QStringLiteral("3333"));
        QCOMPARE(rig.cell("tableWidget_BMS_Cells", 17, 2), QStringLiteral("25"));
        QCOMPARE(rig.cell("tableWidget_BMS_Cells", 24, 16), QStringLiteral("30"));
        QCOMPARE(rig.widget<QTableWidget>("tableWidget_BMS_Cells")->rowSpan(0, 0), 2);

        // The second BMS, without warnings: the pane turns green, the grid stays red.
        QTRY_VERIFY(rig.button("Btn_BMSInfo_Read")->isEnabled());
        rig.combo("comboBox_BMSInfo")->setCurrentIndex(1);
        rig.button("Btn_BMSInfo_Read")->click();
        QVERIFY(!rig.button("Btn_Refresh")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(rig.text("label_BMS_SN"),
                                  QString::fromLatin1(rig.profile().bmsSerial(2)), 10000);
        QCOMPARE(rig.received(hexToBytes(bmsInfoRequest(2))), 1);
        QCOMPARE(rig.widget<QTextEdit>("textEdit_BMS_Event")->toPlainText(),
                 QStringLiteral("Normal"));
        QCOMPARE(rig.widget<QTextEdit>("textEdit_BMS_Event")->styleSheet(),
                 QStringLiteral("color:green;"));
        QCOMPARE(rig.cell("tableWidget_BMSInfo", 7, 3), QStringLiteral("0000000000000000"));
        QCOMPARE(background(rig, 12, 0), red);
        QCOMPARE(background(rig, 15, 3), red);
    }

    void fiveModuleQpaReadsItsFifthModule() {
        MonitorRig rig(SystemPreset::Qpa5);
        QVERIFY(rig.connectWindow());
        rig.button("Btn_Refresh")->click();
        QTRY_COMPARE_WITH_TIMEOUT(rig.text("label_ModuleNum"), QStringLiteral("5"), 5000);
        QCOMPARE(rig.text("label_Batterytype"), QStringLiteral("QPA"));
        QCOMPARE(rig.cell("tableWidget_BMS_Cells", 16, 1), QStringLiteral("No.129"));

        const BatteryState& battery = rig.sim.device().battery();
        const auto cellText = [&](int cell) {
            return QString::number(battery.cellMillivolts(1, cell));
        };
        // First pass: cells 1..128 and temperatures 1..60.
        QTRY_COMPARE_WITH_TIMEOUT(rig.cell("tableWidget_BMS_Cells", 0, 2), cellText(0), 12000);
        QCOMPARE(rig.cell("tableWidget_BMS_Cells", 21, 2),
                 QString::number(battery.temperature(1, 0)));

        // Second pass, after the extended-read word: cells 129..160 in rows 16..19.
        QTRY_COMPARE_WITH_TIMEOUT(rig.cell("tableWidget_BMS_Cells", 16, 2), cellText(128), 12000);
        QCOMPARE(rig.cell("tableWidget_BMS_Cells", 19, 16), cellText(159));
        QCOMPARE(rig.cell("tableWidget_BMS_Cells", 0, 2), cellText(0));
        QCOMPARE(rig.cell("tableWidget_BMS_Cells", 15, 16), cellText(127));
        QCOMPARE(rig.received(hexToBytes(extendedReadRequest())), 1);
        QCOMPARE(rig.received(hexToBytes(bmsInfoRequest(1))), 2);

        // The pass is over: pressing Read starts with the first pass again.
        QTRY_VERIFY(rig.button("Btn_BMSInfo_Read")->isEnabled());
        rig.button("Btn_BMSInfo_Read")->click();
        QTRY_COMPARE_WITH_TIMEOUT(rig.received(hexToBytes(bmsInfoRequest(1))), 3, 2000);
        QCOMPARE(rig.received(hexToBytes(extendedReadRequest())), 1);
    }
};

QTEST_MAIN(TestMonitorWindow)
#include "tst_monitorwindow.moc"
