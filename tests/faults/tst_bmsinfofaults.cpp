// Link faults during a BMS information read of the Diagnosis tab, after a clean refresh that
// listed the BMS.

#include "monitorvalues.h"

#include <QRegularExpression>
#include <QTemporaryDir>

class TestBmsInfoFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void bmsInformation_data() { addLinkFaultRows(); }
    void bmsInformation();

private:
    QTemporaryDir folder;
    QString previousFolder;
    QMap<QString, QString> clean;
};

void TestBmsInfoFaults::initTestCase() {
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    clean = cleanMonitorValues();
    // The clean run shows the system and its first BMS: the comparisons mean something.
    QVERIFY(clean.value("label_SN").startsWith(QLatin1String("P03")));
    QVERIFY(!clean.value("label_BMS_SN").isEmpty());
}

void TestBmsInfoFaults::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
}

void TestBmsInfoFaults::bmsInformation() {
    QFETCH(LinkFault, fault);
    FaultRig rig;
    QVERIFY(rig.connectLink());
    rig.button("Btn_Refresh")->click();
    QVERIFY(rig.waitUntil([&] { return monitorValues(rig) == clean; }));
    // Blank what the read shows, so that its values are seen to come again.
    for (QLabel* label : rig.window.findChildren<QLabel*>(QRegularExpression("^label_BMS_")))
        label->clear();
    checkMonitorOperation(rig, fault, "Btn_BMSInfo_Read", clean);
}

QTEST_MAIN(TestBmsInfoFaults)
#include "tst_bmsinfofaults.moc"
