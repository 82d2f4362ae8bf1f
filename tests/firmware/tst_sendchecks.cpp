// What the firmware update button refuses, by role, through the main window against the
// simulated BMU.

#include "transferfixture.h"

namespace {

// The image offered, relative to the version the target runs.
enum class Offer { Nothing, Newer, Same, OlderSub, MainOne, MainThree };

const char sameFirst[] = "If you didn't download the Firmware, please download it then try again. ";
const char olderSub[] = "Please download the latest Firmware, then try to update again. ";
const char refreshFirst[] = "1.Please Refresh the system info firstly. ";
const char downloadFirst[] = "2.Ensure you have downloaded the firmware files. ";

} // namespace

Q_DECLARE_METATYPE(Offer)

class TestSendChecks : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { fixture.stop(); }
    void firmwareButton_data();
    void firmwareButton();
    void damagedFileLeavesNothingToSend();

private:
    // Reuses the running window while the rows keep the system and the role.
    void ensureFixture(SystemPreset preset, const QString& role, bool noRunningVersion = false);
    void offer(const QString& target, Offer offer);

    TransferFixture fixture;
    QString fixtureKey;
};

void TestSendChecks::ensureFixture(SystemPreset preset, const QString& role,
                                   bool noRunningVersion) {
    const QString key = QStringLiteral("%1/%2/%3").arg(int(preset)).arg(role).arg(noRunningVersion);
    if (key == fixtureKey)
        return;
    fixture.stop();
    fixtureKey.clear();
    fixture.start(preset, role);
    if (noRunningVersion)
        fixture.simulator->setRegister(0x000C, 0x000C); // BMU section A reads V0.12
    fixture.refresh();
    fixtureKey = key;
}

void TestSendChecks::offer(const QString& target, Offer offer) {
    const SystemProfile& p = fixture.profile();
    const bool bmu = target == "BMU";
    const FirmwareVersion running = bmu ? (p.bmuRunning == SectionA ? p.bmuA : p.bmuB)
                                        : (p.bmsRunning == SectionA ? p.bmsA : p.bmsB);
    const QByteArray image = TransferFixture::imageOf(300);
    fixture.clearData();
    switch (offer) {
    case Offer::Nothing:
        break;
    case Offer::Newer:
        fixture.writeImage(target, image, running.main, running.sub + 1);
        break;
    case Offer::Same:
        fixture.writeImage(target, image, running.main, running.sub);
        break;
    case Offer::OlderSub:
        fixture.writeImage(target, image, running.main, running.sub - 1);
        break;
    case Offer::MainOne:
        fixture.writeImage(target, image, 1, 40);
        break;
    case Offer::MainThree:
        fixture.writeImage(target, image, 3, 40);
        break;
    }
    fixture.chooseTarget(target);
}

void TestSendChecks::firmwareButton_data() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::addColumn<QString>("role");
    QTest::addColumn<bool>("noRunningVersion");
    QTest::addColumn<QString>("target");
    QTest::addColumn<Offer>("offer");
    QTest::addColumn<QStringList>("lines"); // the pane after the press; empty: sent
    QTest::addColumn<QString>("style");

    const auto hv = SystemPreset::HighVoltage;
    const QString installer = "installer";
    QTest::newRow("installer, same BMU version")
        << hv << installer << false << "BMU" << Offer::Same
        << QStringList{sameFirst, "If you have downloaded the Firmware already, so the BMU "
                                  "Firmware has been latest."}
        << "";
    QTest::newRow("installer, older sub version")
        << hv << installer << false << "BMU" << Offer::OlderSub << QStringList{olderSub} << "";
    QTest::newRow("installer, low-voltage image on a high-voltage system")
        << hv << installer << false << "BMU" << Offer::MainOne
        << QStringList{"The firmware is NOT for HV system, please double confirm. "}
        << "color:red;";
    QTest::newRow("installer, newer version is sent")
        << hv << installer << false << "BMS" << Offer::Newer << QStringList{} << "";
    QTest::newRow("installer, high-voltage image on a low-voltage system")
        << SystemPreset::LowVoltage << installer << false << "BMU" << Offer::MainThree
        << QStringList{"The firmware is NOT for LV system, please double confirm. "}
        << "color:red;";
    QTest::newRow("installer, BMU reports main version 0")
        << hv << installer << true << "BMU" << Offer::Newer
        << QStringList{"Can not find the version information, please check the communication "
                       "between BMU and BMS."}
        << "color:red;";
    QTest::newRow("admin, nothing loaded is still refused")
        << hv << "admin" << false << "BMU" << Offer::Nothing
        << QStringList{refreshFirst, downloadFirst} << "";
    QTest::newRow("admin, same version is sent")
        << hv << "admin" << false << "BMU" << Offer::Same << QStringList{} << "";
    QTest::newRow("service partner, older sub version is sent")
        << hv << "service_partner" << false << "BMS" << Offer::OlderSub << QStringList{} << "";
}

void TestSendChecks::firmwareButton() {
    QFETCH(SystemPreset, preset);
    QFETCH(QString, role);
    QFETCH(bool, noRunningVersion);
    QFETCH(QString, target);
    QFETCH(Offer, offer);
    QFETCH(QStringList, lines);
    QFETCH(QString, style);
    ensureFixture(preset, role, noRunningVersion);
    this->offer(target, offer);

    const quint16 headerRegister = target == "BMU" ? 0x05F0 : 0x0640;
    const int headersBefore = fixture.writesTo(headerRegister);
    auto* send = fixture.child<QPushButton>("BtnSendFW");
    QTest::mouseClick(send, Qt::LeftButton);
    if (lines.isEmpty()) {
        const QString done =
            target == "BMU" ? "Update Successful!!!" : "The process will take about 15 minutes.";
        QTRY_COMPARE_WITH_TIMEOUT(fixture.lastLine(), done, 15000);
        QCOMPARE(fixture.writesTo(headerRegister) - headersBefore, 1);
        return;
    }
    QCOMPARE(fixture.pane()->toPlainText(), lines.join('\n'));
    if (!style.isEmpty())
        QCOMPARE(fixture.pane()->styleSheet(), style);
    QVERIFY(send->isEnabled());
    QCOMPARE(fixture.writesTo(headerRegister), headersBefore); // nothing went out
}

// A file that fails its CRC check must not leave the image loaded before it ready to go.
void TestSendChecks::damagedFileLeavesNothingToSend() {
    ensureFixture(SystemPreset::HighVoltage, "admin");
    offer("BMU", Offer::Newer);
    QCOMPARE(fixture.pane()->toPlainText(), QString("Load Firmware data successfully."));
    QVERIFY(!fixture.text("labelMainVersion_FW").isEmpty());

    const QString name = QDir("Data").entryList(QDir::Files).value(0);
    QByteArray damaged = TransferFixture::imageOf(300);
    damaged[77] = char(damaged[77] ^ 0x01);
    fixture.writeData(name, damaged);
    fixture.chooseTarget("BMU");
    QCOMPARE(fixture.pane()->toPlainText(),
             QString("The firmware file is incomplete, please delete it from local folder "
                     "'...//Data', then re-download a new firmware from server."));
    QCOMPARE(fixture.pane()->styleSheet(), QString("color:red;"));
    QVERIFY(fixture.text("labelMainVersion_FW").isEmpty());
    QVERIFY(fixture.text("labelSubVersion_FW").isEmpty());

    const int headersBefore = fixture.writesTo(0x05F0);
    QTest::mouseClick(fixture.child<QPushButton>("BtnSendFW"), Qt::LeftButton);
    QCOMPARE(fixture.pane()->toPlainText(), QStringList({refreshFirst, downloadFirst}).join('\n'));
    QCOMPARE(fixture.writesTo(0x05F0), headersBefore);
}

QTEST_MAIN(TestSendChecks)
#include "tst_sendchecks.moc"
