// Repeated refreshes, BMS information reads and history blocks against the simulator
// with random link faults: every operation ends (the buttons come back) and the memory
// the tool holds stays flat. About a minute; VOLTARO_SOAK_SECONDS sets another length.

#include "faultrig.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

// Resident memory of this process, in kB.
qint64 residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

int soakSeconds() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("VOLTARO_SOAK_SECONDS", &ok);
    return ok && seconds > 0 ? seconds : 60;
}

void applyRandomFault(BmuSimulator& simulator, QRandomGenerator& random) {
    clearLinkFaults(simulator);
    switch (random.bounded(6)) {
    case 0:
        break; // a sound link now and then
    case 1:
        simulator.setSplitReplies(2 + random.bounded(6), random.bounded(20));
        break;
    case 2:
        simulator.setReplyDelay(random.bounded(1500));
        break;
    case 3:
        simulator.setDropEveryNth(2 + random.bounded(6));
        break;
    case 4:
        simulator.setCorruptEveryNth(2 + random.bounded(6));
        break;
    default:
        simulator.setCloseAfterFrames(1 + random.bounded(8));
        break;
    }
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void operationsUnderRandomFaults();

private:
    QTemporaryDir folder;
    QString previousFolder;
};

void TestSoak::initTestCase() {
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
}

void TestSoak::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
}

void TestSoak::operationsUnderRandomFaults() {
    FaultRig rig;
    QVERIFY(rig.connectLink());
    rig.button("Btn_Refresh")->click(); // the BMS lists come from a first refresh
    QVERIFY(rig.waitUntilSettled());
    rig.widget<QLineEdit>("lineEdit_His_Data_Qty")->setText(QStringLiteral("20"));

    QRandomGenerator random(20240517); // the same sequence on every run
    QElapsedTimer clock;
    clock.start();
    const qint64 runMs = qint64(soakSeconds()) * 1000;
    qint64 settledKb = -1;
    int operations = 0;
    const char* const buttons[] = {"Btn_Refresh", "Btn_BMSInfo_Read", "Btn_HistoryInfo"};
    while (clock.elapsed() < runMs) {
        applyRandomFault(rig.simulator, random);
        const char* pressed = buttons[random.bounded(3)];
        rig.button(QLatin1String(pressed))->click();
        // Each operation gives the buttons back within its longest time-out.
        QVERIFY2(QTest::qWaitFor([&] { return rig.buttonsBack(); }, 15000),
                 qPrintable(QStringLiteral("%1 never ended (operation %2)")
                                .arg(QLatin1String(pressed))
                                .arg(operations)));
        rig.closeMessageBoxes();
        rig.button("Btn_HistoryInfo_Clear")->click(); // rows a user would clear
        ++operations;
        // Memory after the first third is the reference: allocations of first use are over.
        if (settledKb < 0 && clock.elapsed() > runMs / 3)
            settledKb = residentKb();
    }
    clearLinkFaults(rig.simulator);
    QVERIFY(rig.waitUntilSettled());
    const qint64 finalKb = residentKb();
    qInfo("%d operations; resident memory %lld kB after a third, %lld kB at the end", operations,
          settledKb, finalKb);
    QVERIFY(operations >= 10);
    QVERIFY(settledKb > 0 && finalKb > 0);
    QVERIFY2(finalKb - settledKb < 24 * 1024,
             qPrintable(QStringLiteral("memory grew by %1 kB").arg(finalKb - settledKb)));
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
