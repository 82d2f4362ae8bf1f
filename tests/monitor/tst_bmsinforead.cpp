#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "monitorrig.h"
#include "sim/bmsinfoblock.h"

#include <QSlider>

// The BMS information read of the real window against the simulated BMU: labels, event
// pane, information table, warning grid and cell table, and the two-pass read of a
// five-module "QPA" tower.
class TestBmsInfoRead : public QObject {
    Q_OBJECT

private slots:
    void fillsDiagnosisTab();
    void fiveModuleQpaReadsItsFifthModule();

private:
    static QColor background(MonitorRig& rig, int row, int column) {
        return rig.table("tableWidget_BMSInfo")->item(row, column)->background().color();
    }
};

void TestBmsInfoRead::fillsDiagnosisTab() {
    ScratchFolder folder;
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
    QVERIFY(rig.text("label_BMS_Battery_voltage").endsWith('V'));
    QCOMPARE(rig.paneLines("textEdit_BMS_Event").size(), 2);
    QCOMPARE(rig.paneLines("textEdit_BMS_Event").first().first,
             QStringLiteral("Battery Over Voltage;"));
    QCOMPARE(rig.paneLines("textEdit_BMS_Event").last().first,
             QStringLiteral("Current Sensor Failure;"));
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
    QCOMPARE(rig.cell("tableWidget_BMS_Cells", 15, 15), QStringLiteral("No.128"));
    QCOMPARE(rig.cell("tableWidget_BMS_Cells", 15, 16), QStringLiteral("3333"));
    QCOMPARE(rig.cell("tableWidget_BMS_Cells", 16, 0), QStringLiteral("Module"));
    QCOMPARE(rig.cell("tableWidget_BMS_Cells", 17, 2), QStringLiteral("25"));
    QCOMPARE(rig.cell("tableWidget_BMS_Cells", 24, 16), QStringLiteral("30"));
    QCOMPARE(rig.table("tableWidget_BMS_Cells")->rowSpan(0, 0), 2);

    // The second BMS, without warnings: the pane turns green, the grid stays red.
    QTRY_VERIFY(rig.button("Btn_BMSInfo_Read")->isEnabled());
    rig.combo("comboBox_BMSInfo")->setCurrentIndex(1);
    rig.button("Btn_BMSInfo_Read")->click();
    QVERIFY(!rig.button("Btn_Refresh")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(rig.text("label_BMS_SN"),
                              QString::fromLatin1(rig.profile().bmsSerial(2)), 10000);
    QCOMPARE(rig.received(hexToBytes(bmsInfoRequest(2))), 1);
    QCOMPARE(rig.paneLines("textEdit_BMS_Event").size(), 1);
    QCOMPARE(rig.paneLines("textEdit_BMS_Event").first().first, QStringLiteral("Normal"));
    QCOMPARE(rig.widget<QTextEdit>("textEdit_BMS_Event")->styleSheet(),
             QStringLiteral("color:green;"));
    QCOMPARE(rig.cell("tableWidget_BMSInfo", 7, 3), QStringLiteral("0000000000000000"));
    QCOMPARE(background(rig, 12, 0), red);
    QCOMPARE(background(rig, 15, 3), red);

    // The export proposes a name on the desktop made of the BMS serial and the list entry.
    QString caption, proposed, filter;
    rig.window.askSaveFileName = [&](QWidget*, const QString& c, const QString& p,
                                     const QString& f) {
        caption = c;
        proposed = p;
        filter = f;
        return QString();
    };
    rig.button("Btn_CellInfo_Export")->click();
    QCOMPARE(caption, QStringLiteral("Save"));
    QVERIFY2(proposed.contains(QStringLiteral("/%1+BMS2 Cells Information 20")
                                   .arg(QString::fromLatin1(rig.profile().bmsSerial(2)))),
             qPrintable(proposed));
    QCOMPARE(filter, QStringLiteral("Excel File( *.xls *.xlsx);;TXT-Files (*.txt)"));
}

void TestBmsInfoRead::fiveModuleQpaReadsItsFifthModule() {
    ScratchFolder folder;
    MonitorRig rig(SystemPreset::Qpa5);
    QVERIFY(rig.connectWindow());
    rig.button("Btn_Refresh")->click();
    QTRY_COMPARE_WITH_TIMEOUT(rig.text("label_ModuleNum"), QStringLiteral("5"), 5000);
    QCOMPARE(rig.text("label_Batterytype"), QStringLiteral("QPA"));
    QCOMPARE(rig.cell("tableWidget_BMS_Cells", 16, 0), QStringLiteral("Module 5"));
    QCOMPARE(rig.cell("tableWidget_BMS_Cells", 16, 1), QStringLiteral("No.129"));
    QCOMPARE(rig.cell("tableWidget_BMS_Cells", 20, 12), QStringLiteral("Temp.-℃"));

    const BatteryState& battery = rig.sim.device().battery();
    const auto cellText = [&](int cell) {
        return QString::number(battery.cellMillivolts(1, cell));
    };

    // First pass: cells 1..128 and temperatures 1..60.
    QTRY_COMPARE_WITH_TIMEOUT(rig.cell("tableWidget_BMS_Cells", 0, 2), cellText(0), 12000);
    QCOMPARE(rig.cell("tableWidget_BMS_Cells", 15, 16), cellText(127));
    QCOMPARE(rig.cell("tableWidget_BMS_Cells", 21, 2), QString::number(battery.temperature(1, 0)));

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

QTEST_MAIN(TestBmsInfoRead)
#include "tst_bmsinforead.moc"
