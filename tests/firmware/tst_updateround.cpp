// The whole update as a user runs it against the demo's update server and simulated BMU:
// download, BMU and BMS firmware, parameter table.

#include "ftpserverprocess.h"
#include "transferfixture.h"

class TestUpdateRound : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void downloadThenUpdateEverything();

private:
    void press(const char* button) {
        QTest::mouseClick(fixture.child<QPushButton>(button), Qt::LeftButton);
    }

    TransferFixture fixture;
    FtpServerProcess server;
};

void TestUpdateRound::cleanup() {
    fixture.stop();
    server.stop();
}

void TestUpdateRound::downloadThenUpdateEverything() {
    fixture.start(SystemPreset::HighVoltage, "installer");
    QTemporaryDir published;
    QString error;
    QVERIFY2(
        prepareDemoFolder(QDir::currentPath(), SystemPreset::HighVoltage, published.path(), &error),
        qPrintable(error));
    server.start(published.path());
    QVERIFY(server.port() != 0);
    UpdateServer updateServer;
    updateServer.host = QStringLiteral("127.0.0.1");
    updateServer.port = server.port();
    fixture.window->setUpdateServer(updateServer);
    const SystemProfile& p = fixture.profile();

    fixture.refresh();
    QVERIFY(fixture.text("labelMainVersion_FW").isEmpty()); // nothing downloaded yet

    press("BtnDownloadFWfile");
    QTRY_VERIFY_WITH_TIMEOUT(fixture.lastLine().startsWith("Download firmware file success."),
                             20000);
    QCOMPARE(server.retrievals().size(), 4); // log.txt, two images, one table
    QCOMPARE(fixture.text("labelMainVersion_FW"), QString::number(p.newBmu.main));
    QCOMPARE(fixture.text("labelSubVersion_FW"), QString::number(p.newBmu.sub));

    press("BtnSendFW");
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(), QString("Update Successful!!!"), 20000);
    QVERIFY(fixture.simulator->bmuFirmwareImage() == demoFirmwareImage(p, false));

    fixture.chooseTarget("BMS");
    QCOMPARE(fixture.text("labelSubVersion_FW"), QString::number(p.newBms.sub));
    press("BtnSendFW");
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(),
                              QString("The process will take about 15 minutes."), 20000);
    QVERIFY(fixture.simulator->bmsFirmwareImage() == demoFirmwareImage(p, true));

    // The refresh shows the BMU's new firmware and finds the downloaded table.
    fixture.refresh();
    QCOMPARE(fixture.text("label_Current_SubVersion_FW"), QString::number(p.newBmu.sub));
    QCOMPARE(fixture.text("label_PT_New"), "V" + p.newTable.text());
    press("Btn_PT_Update");
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(),
                              QString("Please confirm the version after 2 minutes"), 20000);
    QVERIFY(fixture.simulator->tableBytes() == demoTableBytes(p));
}

QTEST_MAIN(TestUpdateRound)
#include "tst_updateround.moc"
