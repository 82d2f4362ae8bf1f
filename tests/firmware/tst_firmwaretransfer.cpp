// Firmware images sent through the main window to the simulated BMU: what the BMU
// received must be the file, byte for byte, whatever the size.

#include "transferfixture.h"

class TestFirmwareTransfer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { fixture.stop(); }
    void imageArrivesByteIdentical_data();
    void imageArrivesByteIdentical();

private:
    TransferFixture fixture;
};

// One window and one BMU for all sizes; the admin role sends without the installer's
// version checks, so the BMU's version change after each update does not matter.
void TestFirmwareTransfer::initTestCase() {
    fixture.start(SystemPreset::HighVoltage, "admin");
    fixture.refresh();
}

void TestFirmwareTransfer::imageArrivesByteIdentical_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("size");
    QTest::newRow("BMU, empty image") << "BMU" << 0;
    QTest::newRow("BMU, one byte") << "BMU" << 1;
    QTest::newRow("BMU, 127 bytes") << "BMU" << 127;
    QTest::newRow("BMU, exactly one packet") << "BMU" << 128;
    QTest::newRow("BMU, 129 bytes") << "BMU" << 129;
    QTest::newRow("BMS, 1068 bytes") << "BMS" << 1068;
    QTest::newRow("BMU, 200 KiB with an odd last packet") << "BMU" << 200 * 1024 + 45;
}

void TestFirmwareTransfer::imageArrivesByteIdentical() {
    QFETCH(QString, target);
    QFETCH(int, size);
    const bool bmu = target == "BMU";
    const FirmwareVersion newer = bmu ? fixture.profile().newBmu : fixture.profile().newBms;
    const QByteArray image = TransferFixture::imageOf(size, size);
    fixture.clearData();
    fixture.writeImage(target, image, newer.main, newer.sub);
    fixture.chooseTarget(target);
    QCOMPARE(fixture.text("labelMainVersion_FW"), QString::number(newer.main));
    QCOMPARE(fixture.text("labelSubVersion_FW"), QString::number(newer.sub));

    const quint16 headerRegister = bmu ? 0x05F0 : 0x0640;
    const quint16 packetRegister = bmu ? 0x05F7 : 0x0647;
    const int headersBefore = fixture.writesTo(headerRegister);
    const int packetsBefore = fixture.writesTo(packetRegister);
    auto* send = fixture.child<QPushButton>("BtnSendFW");
    QTest::mouseClick(send, Qt::LeftButton);
    QVERIFY(!send->isEnabled()); // locked while packets go out
    const QString done = bmu ? "Update Successful!!!" : "The process will take about 15 minutes.";
    QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(), done, 60000);

    const QByteArray received =
        bmu ? fixture.simulator->bmuFirmwareImage() : fixture.simulator->bmsFirmwareImage();
    QCOMPARE(received.size(), image.size());
    QVERIFY(received == image);
    const int packets = size / 128 + 1;
    QCOMPARE(fixture.writesTo(packetRegister) - packetsBefore, packets); // each packet once
    QCOMPARE(fixture.writesTo(headerRegister) - headersBefore, 1);
    QCOMPARE(fixture.child<QProgressBar>("progressBarFW")->value(), packets);
    QCOMPARE(fixture.pane()->styleSheet(), QString("color:green;"));
    QVERIFY(fixture.pane()->toPlainText().contains("Firmware Starts to update."));
    QVERIFY(send->isEnabled());
}

QTEST_MAIN(TestFirmwareTransfer)
#include "tst_firmwaretransfer.moc"
