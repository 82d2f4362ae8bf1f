// Link faults during a setup write: the BMU receives exactly the chosen setup or
// nothing, and the tool reports success only when the BMU acknowledged it.

#include "faultrig.h"

#include "config/setup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>

class TestSetupFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void setupWrite_data() { addLinkFaultRows(); }
    void setupWrite();

private:
    QTemporaryDir folder;
    QString previousFolder;
};

void TestSetupFaults::initTestCase() {
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
}

void TestSetupFaults::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
}

void TestSetupFaults::setupWrite() {
    QFETCH(LinkFault, fault);
    FaultRig rig;
    QVERIFY(rig.connectLink());
    rig.button("Btn_Refresh")->click(); // fills the setup controls from the system
    QVERIFY(rig.waitUntil([&] { return !rig.text("label_BMS_SN").isEmpty(); }));
    const QString phaseBefore = rig.text("label_Phase");
    QVERIFY(!phaseBefore.isEmpty());

    // Another phase and grid mode than the system has.
    auto* phase = rig.widget<QComboBox>("comboBox_SetupPhase");
    auto* grid = rig.widget<QComboBox>("comboBoxSetupGrid");
    phase->setCurrentIndex(1 - phase->currentIndex());
    grid->setCurrentIndex((grid->currentIndex() + 1) % grid->count());
    const SetupBytes chosen =
        composeSetupBytes(rig.widget<QComboBox>("comboBoxSetupInverter")->currentText(),
                          rig.widget<QLineEdit>("lineEditSetupParallels")->text(),
                          rig.widget<QComboBox>("comboBoxSetupBMS")->currentIndex(),
                          grid->currentIndex(), phase->currentIndex());
    QCOMPARE(chosen.outcome, SetupBytes::Ok);
    const QString chosenPhase = phase->currentText();

    // The success line is cleared at once by the refresh that follows it: watch the pane.
    auto* pane = rig.widget<QTextEdit>("textEdit_BMU_Event");
    bool reported = false;
    QObject::connect(pane, &QTextEdit::textChanged, pane, [&] {
        reported = reported || pane->toPlainText().contains(QLatin1String("setting susseccful"));
    });

    const int writesBefore = rig.simulator.setupWrites().size();
    fault.apply(rig.simulator);
    rig.button("BtnSetup")->click();
    QVERIFY2(rig.waitUntilSettled(), "the buttons never came back");

    const QVector<QByteArray> writes = rig.simulator.setupWrites().mid(writesBefore);
    for (const QByteArray& written : writes)
        QCOMPARE(written, chosen.bytes);
    // Success is never reported for a setup the BMU does not have.
    if (reported)
        QVERIFY(!writes.isEmpty());
    if (!fault.replyLost) {
        QVERIFY(reported);
        QCOMPARE(writes.size(), 1);
    }

    // What the BMU has is what the next refresh shows.
    clearLinkFaults(rig.simulator);
    rig.closeMessageBoxes();
    rig.widget<QLabel>("label_Phase")->clear();
    rig.button("Btn_Refresh")->click();
    const QString expected = writes.isEmpty() ? phaseBefore : chosenPhase;
    QVERIFY2(rig.waitUntil([&] { return rig.text("label_Phase") == expected; }),
             qPrintable(rig.text("label_Phase")));
}

QTEST_MAIN(TestSetupFaults)
#include "tst_setupfaults.moc"
