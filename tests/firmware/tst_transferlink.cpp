// A firmware transfer through the main window over a troubled link to the simulated BMU:
// the link closed in the middle, replies split into pieces or garbled, and the BMU's
// own verdict on the image.

#include "transferfixture.h"

class TestTransferLink : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { fixture.stop(); }
    void init() { fixture.pane()->clear(); }
    void cleanup();
    void recoversFromTroubledLink_data();
    void recoversFromTroubledLink();
    void failedResultIsReportedInRed();
    void silentResultReadEndsInRed();

private:
    TransferFixture fixture;
    QMetaObject::Connection silencer;
};

void TestTransferLink::initTestCase() {
    fixture.start(SystemPreset::LowVoltage, "admin");
    fixture.refresh();
}

void TestTransferLink::cleanup() {
    QObject::disconnect(silencer);
    BmuSimulator& simulator = *fixture.simulator;
    simulator.setCloseAfterFrames(0);
    simulator.setSplitReplies(1, 0);
    simulator.setCorruptEveryNth(0);
    simulator.setDropEveryNth(0);
    simulator.device().clearRegister(0x05F2);
}

void TestTransferLink::recoversFromTroubledLink_data() {
    QTest::addColumn<QString>("trouble");
    QTest::newRow("BMU closes the link after the second packet") << "close";
    QTest::newRow("every reply in three pieces") << "split";
    QTest::newRow("every fourth reply garbled") << "corrupt";
}

void TestTransferLink::recoversFromTroubledLink() {
    QFETCH(QString, trouble);
    BmuSimulator& simulator = *fixture.simulator;
    const int connections = simulator.connectionCount();
    if (trouble == "close") // header and two packets on this link, then it closes
        simulator.setCloseAfterFrames(simulator.requestCount() + 3);
    else if (trouble == "split")
        simulator.setSplitReplies(3, 20);
    else
        simulator.setCorruptEveryNth(4);
    const QByteArray image = TransferFixture::imageOf(6 * 128 + 33, 7);
    fixture.sendBmuImage(image);
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(), QString("Update Successful!!!"), 30000);
    QVERIFY(simulator.bmuFirmwareImage() == image);
    if (trouble == "close")
        QVERIFY(simulator.connectionCount() > connections); // the tool linked up again
}

// The BMU reports a status other than 0 for the image: no success, a failure in red.
void TestTransferLink::failedResultIsReportedInRed() {
    silencer = connect(fixture.simulator.get(), &BmuSimulator::requestReceived, this,
                       [this](const QByteArray& frame) {
                           // The status word the result read returns.
                           if (frame.startsWith(QByteArray::fromHex("010305F00009")))
                               fixture.simulator->setRegister(0x05F2, 0x0004);
                       });
    fixture.sendBmuImage(TransferFixture::imageOf(200, 3));
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(), QString("Update failure, please try again."),
                              15000);
    QCOMPARE(fixture.pane()->styleSheet(), QString("color:red;"));
    QVERIFY(!fixture.pane()->toPlainText().contains("Successful"));
}

// The result read goes unanswered: it is read three times, then the run ends in red.
void TestTransferLink::silentResultReadEndsInRed() {
    int resultReads = 0;
    silencer = connect(fixture.simulator.get(), &BmuSimulator::requestReceived, this,
                       [this, &resultReads](const QByteArray& frame) {
                           if (frame.startsWith(QByteArray::fromHex("010305F00009"))) {
                               ++resultReads;
                               fixture.simulator->setDropEveryNth(1);
                           }
                       });
    fixture.sendBmuImage(TransferFixture::imageOf(200, 5));
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(), QString("No response, please try again."), 20000);
    QCOMPARE(fixture.pane()->styleSheet(), QString("color:red;"));
    QCOMPARE(resultReads, 3);
    QVERIFY(!fixture.pane()->toPlainText().contains("Successful"));
}

QTEST_MAIN(TestTransferLink)
#include "tst_transferlink.moc"
