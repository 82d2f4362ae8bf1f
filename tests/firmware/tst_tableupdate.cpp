// The parameter-table update through the main window against the simulated BMU.

#include "firmware/tablefile.h"
#include "transferfixture.h"

class TestTableUpdate : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { fixture.stop(); }
    void tableArrivesByteIdentical();
    void unknownBatteryTypeRefusesTheTable();
    void damagedTableFileIsRefused();

private:
    // A window on a high-voltage system whose Data folder holds one table file, of the
    // version the simulated system offers when none is given.
    void startWithTable(QString version = {}, bool damaged = false);
    void expectRefusal(const QString& message);

    TransferFixture fixture;
};

void TestTableUpdate::startWithTable(QString version, bool damaged) {
    fixture.start(SystemPreset::HighVoltage, "installer");
    const SystemProfile& p = fixture.profile();
    if (version.isEmpty())
        version = p.newTable.text();
    QByteArray content = encodeTableFile(demoTableBytes(p));
    if (damaged)
        content[100] = content[100] == 'A' ? 'B' : 'A'; // one Base64 digit changed
    fixture.writeData(QStringLiteral("%1-TAB-%2-%3.bin")
                          .arg(p.tableFilePrefix())
                          .arg(p.batteryTypeCode)
                          .arg(version),
                      content);
    fixture.refresh();
}

void TestTableUpdate::expectRefusal(const QString& message) {
    const int headersBefore = fixture.writesTo(0x0400);
    QTest::mouseClick(fixture.child<QPushButton>("Btn_PT_Update"), Qt::LeftButton);
    QCOMPARE(fixture.pane()->toPlainText(), message);
    QCOMPARE(fixture.pane()->styleSheet(), QString("color:red;"));
    QCOMPARE(fixture.writesTo(0x0400), headersBefore);
}

void TestTableUpdate::tableArrivesByteIdentical() {
    startWithTable();
    const SystemProfile& p = fixture.profile();
    QCOMPARE(fixture.text("label_PT_New"), "V" + p.newTable.text());
    QVERIFY(fixture.pane()->toPlainText().contains("Load parameter table data successfully."));

    QTest::mouseClick(fixture.child<QPushButton>("Btn_PT_Update"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(),
                              QString("Please confirm the version after 2 minutes"), 15000);
    QVERIFY(fixture.pane()->toPlainText().contains("Parameters table Starts to update."));
    QVERIFY(fixture.pane()->toPlainText().contains("update Successful!!!"));
    QCOMPARE(fixture.pane()->styleSheet(), QString("color:green;"));
    QVERIFY(fixture.simulator->tableBytes() == demoTableBytes(p));
    QCOMPARE(fixture.writesTo(0x0407), 9); // 1068 bytes: 8 full packets and one of 44
    QCOMPARE(fixture.writesTo(0x0400), 1);
    QCOMPARE(fixture.child<QProgressBar>("progressBar_PT")->value(), 9);
}

// The header's type code comes from the battery type shown; any other text refuses.
void TestTableUpdate::unknownBatteryTypeRefusesTheTable() {
    startWithTable("9.9");
    QCOMPARE(fixture.text("label_PT_New"), QString("V9.9"));
    fixture.child<QLabel>("label_Batterytype")->setText("XYZ");
    expectRefusal("The battery type is unknown, please refresh the system info firstly.");
}

void TestTableUpdate::damagedTableFileIsRefused() {
    startWithTable("9.9", true);
    expectRefusal("File is destroyed,please download and try again. Or contact with our service "
                  "partner.");
}

QTEST_MAIN(TestTableUpdate)
#include "tst_tableupdate.moc"
