// Link faults during a refresh of the Overview, which goes on to the setup read and the
// information of the first BMS.

#include "monitorvalues.h"

#include <QTemporaryDir>

class TestRefreshFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void refresh_data() { addLinkFaultRows(); }
    void refresh();

private:
    QTemporaryDir folder;
    QString previousFolder;
    QMap<QString, QString> clean;
};

void TestRefreshFaults::initTestCase() {
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    clean = cleanMonitorValues();
    // The clean run shows the system and its first BMS: the comparisons mean something.
    QVERIFY(clean.value("label_SN").startsWith(QLatin1String("P03")));
    QVERIFY(!clean.value("label_BMS_SN").isEmpty());
}

void TestRefreshFaults::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
}

void TestRefreshFaults::refresh() {
    QFETCH(LinkFault, fault);
    FaultRig rig;
    QVERIFY(rig.connectLink());
    checkMonitorOperation(rig, fault, "Btn_Refresh", clean);
}

QTEST_MAIN(TestRefreshFaults)
#include "tst_refreshfaults.moc"
