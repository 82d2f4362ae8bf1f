// The link monitor window: who may open it, that it records only while open and not
// paused, and that it saves the rows of the chosen operation.

#include "app/linkmonitorwindow.h"
#include "app/mainwindow.h"
#include "config/setupread.h"
#include "link/linkmonitor.h"
#include "tests/session/operations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

class TestLinkMonitorWindow : public QObject {
    Q_OBJECT

private slots:
    void entryPerRole_data();
    void entryPerRole();
    void recordsWhileOpenAndSaves();
};

void TestLinkMonitorWindow::entryPerRole_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<bool>("entry");
    QTest::newRow("installer") << "showInstallerView" << false;
    QTest::newRow("service partner") << "showServicePartnerView" << true;
    QTest::newRow("inverter partner") << "showInverterPartnerView" << false;
    QTest::newRow("admin") << "showAdminView" << true;
}

void TestLinkMonitorWindow::entryPerRole() {
    QFETCH(QString, view);
    QFETCH(bool, entry);
    MainWindow window;
    QVERIFY(QMetaObject::invokeMethod(&window, qPrintable(view)));
    auto* button = window.findChild<QPushButton*>("Btn_LinkMonitor");
    QVERIFY(button);
    QCOMPARE(button->isVisible(), entry);
}

void TestLinkMonitorWindow::recordsWhileOpenAndSaves() {
    SessionRig rig;
    QVERIFY(rig.connectLink());
    LinkMonitor monitor(&rig.session);
    LinkMonitorWindow window(&monitor);
    const LinkLog& log = *monitor.log();

    // Closed: nothing recorded.
    QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    QCOMPARE(log.rowCount(), 0);

    window.show();
    QCOMPARE(rig.run(new SetupRead(1)).outcome, Outcome::Done);
    const int setupRows = log.rowCount();
    QVERIFY(setupRows > 0);
    QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    const int rows = log.rowCount();
    QVERIFY(rows > setupRows);

    // Paused: nothing more.
    window.findChild<QCheckBox*>()->setChecked(true);
    QCOMPARE(rig.run(new SetupRead(1)).outcome, Outcome::Done);
    QCOMPARE(log.rowCount(), rows);

    // Saved: the rows of the operation chosen.
    auto* operations = window.findChild<QComboBox*>("comboBox_LinkMonitorOperation");
    QCOMPARE(operations->count(), 3); // all, setup read, refresh
    operations->setCurrentText("setup read");
    QTemporaryDir dir;
    const QString path = dir.filePath("monitor.txt");
    window.askSavePath = [&](QWidget*) { return path; };
    window.save();
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    QCOMPARE(text, log.text("setup read"));
    QCOMPARE(text.count('\n'), 1 + setupRows);

    window.findChild<QCheckBox*>()->setChecked(false);
    QVERIFY(monitor.isRecording());
    window.close();
    QVERIFY(!monitor.isRecording());
}

QTEST_MAIN(TestLinkMonitorWindow)
#include "tst_linkmonitorwindow.moc"
