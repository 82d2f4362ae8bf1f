// Transfers through the main window when the simulated BMU drops its answers: retries
// that recover, and the failures, each said in red, when it stays silent. Built twice:
// for the firmware transfer and, with VOLTARO_TABLE_FAULTS, for the parameter table.

#include "transferfixture.h"

class TestTransferFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { fixture.stop(); }
    void init();
    void cleanup();
    void droppedEchoesAreRetried();
    void silentHeaderEndsInRed();
    void silentPacketsEndInRed();

private:
    void send();
    int headers() { return fixture.writesTo(table ? 0x0400 : 0x05F0); }
    int packets() { return fixture.writesTo(packetRegister); }

#if VOLTARO_TABLE_FAULTS
    static constexpr bool table = true;
#else
    static constexpr bool table = false;
#endif
    const quint16 packetRegister = table ? 0x0407 : 0x05F7;
    TransferFixture fixture;
    QByteArray image = TransferFixture::imageOf(3 * 128 + 20);
    QMetaObject::Connection silencer;
};

void TestTransferFaults::initTestCase() {
    fixture.start(SystemPreset::HighVoltage, "admin");
    fixture.writeTable();
    fixture.refresh();
}

void TestTransferFaults::init() {
    fixture.pane()->clear();
}

void TestTransferFaults::cleanup() {
    QObject::disconnect(silencer);
    fixture.simulator->setDropEveryNth(0);
}

void TestTransferFaults::send() {
    if (table)
        QTest::mouseClick(fixture.child<QPushButton>("Btn_PT_Update"), Qt::LeftButton);
    else
        fixture.sendBmuImage(image);
}

// A packet whose echo is lost goes out again after 3 s; the BMU takes it once.
void TestTransferFaults::droppedEchoesAreRetried() {
    const int packetsBefore = packets();
    fixture.simulator->setDropEveryNth(4);
    send();
    const QString done =
        table ? "Please confirm the version after 2 minutes" : "Update Successful!!!";
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(), done, 30000);
    QCOMPARE(fixture.pane()->styleSheet(), QString("color:green;"));
    const QByteArray expected = table ? demoTableBytes(fixture.profile()) : image;
    const QByteArray received =
        table ? fixture.simulator->tableBytes() : fixture.simulator->bmuFirmwareImage();
    QVERIFY(received == expected);
    QVERIFY(packets() - packetsBefore > expected.size() / 128 + 1); // some were sent again
}

// Three header writes, 2 s and then 3 s apart, then the failure.
void TestTransferFaults::silentHeaderEndsInRed() {
    const int headersBefore = headers();
    const int packetsBefore = packets();
    fixture.simulator->setDropEveryNth(1);
    send();
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(), QString("No response, please try again."), 15000);
    QCOMPARE(fixture.pane()->styleSheet(), QString("color:red;"));
    QCOMPARE(headers() - headersBefore, 3);
    QCOMPARE(packets(), packetsBefore);
    QVERIFY(fixture.child<QPushButton>("BtnSendFW")->isEnabled());
}

// The BMU falls silent from the second packet on: that packet goes out four times
// (firmware) or twice (table), then the failure; nothing claims success and a late
// echo cannot restart the transfer.
void TestTransferFaults::silentPacketsEndInRed() {
    const int packetsBefore = packets();
    silencer = connect(fixture.simulator.get(), &BmuSimulator::requestReceived, this,
                       [this, packetsBefore] {
                           if (packets() - packetsBefore == 2)
                               fixture.simulator->setDropEveryNth(1);
                       });
    send();
    const QString failure =
        table ? "Updating failure, please try again!"
              : "Transferring Data Error,please double check the Wifi connection.";
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(), failure, 20000);
    QCOMPARE(fixture.pane()->styleSheet(), QString("color:red;"));
    QCOMPARE(packets() - packetsBefore, 1 + (table ? 2 : 4));
    QVERIFY(!fixture.pane()->toPlainText().contains("Successful"));
    QCOMPARE(fixture.window->currentRequestState(), 0);
}

QTEST_MAIN(TestTransferFaults)
#include "tst_transferfaults.moc"
