// The window's side of the live view and of the safer presses: refusals without a link,
// the live line and stale values, the failed connection's reason, and the login window's
// Enter, remembered role and missing Config.ini.

#include "app/login.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "link/bmusession.h"
#include "sim/bmusimulator.h"

#include "tests/app/openboxes.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>

#include <QtTest>

class TestLiveView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void refusedWithoutLink_data();
    void refusedWithoutLink();
    void liveLineAndStaleValues();
    void connectionFailedSaysWhy();
    void loginWithoutConfig();
    void loginOnEnterRemembersRole();

private:
    QTemporaryDir folder;
    QString previousFolder;
};

void TestLiveView::initTestCase() {
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit()); // the user's settings stay untouched
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
}

void TestLiveView::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
}

void TestLiveView::refusedWithoutLink_data() {
    QTest::addColumn<QString>("button");
    for (const char* name : {"Btn_Refresh", "Btn_BMSInfo_Read", "Btn_Read", "BtnSetup",
                             "Btn_HistoryInfo", "BtnSendFW", "Btn_PT_Update"})
        QTest::newRow(name) << name;
}

void TestLiveView::refusedWithoutLink() {
    QFETCH(QString, button);
    BmuSimulator simulator(SystemPreset::HighVoltage);
    QVERIFY(simulator.listen());
    MainWindow window;
    emit window.loginWindow()->admin();
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    window.findChild<QPushButton*>(button)->click();
    QCOMPARE(takeBoxes(window), QStringList{"Not connected to the BMU: press Connect first."});
    QVERIFY(!window.bmuSession()->isBusy());
    QTest::qWait(50);
    QCOMPARE(simulator.requestLog().size(), 0);
}

void TestLiveView::liveLineAndStaleValues() {
    BmuSimulator simulator(SystemPreset::HighVoltage);
    simulator.setStatic(true);
    QVERIFY(simulator.listen());
    MainWindow window;
    emit window.loginWindow()->admin();
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    window.bmuSession()->setTiming(SessionTiming().scaled(0.1));
    auto* liveLine = window.findChild<QLabel*>(QStringLiteral("label_LiveState"));
    auto* stale = window.findChild<QLabel*>(QStringLiteral("label_Stale"));
    window.findChild<QCheckBox*>(QStringLiteral("checkBox_Live"))->setChecked(true);
    QCOMPARE(liveLine->text(), QStringLiteral("Not connected"));

    window.connectAndRefresh();
    QTRY_VERIFY_WITH_TIMEOUT(liveLine->text().startsWith(QStringLiteral("Live · updated")), 10000);
    takeBoxes(window);
    const QString serial = window.findChild<QLabel*>(QStringLiteral("label_SN"))->text();
    QVERIFY(serial.startsWith(QStringLiteral("P03")));
    QVERIFY(stale->isHidden());

    simulator.close(); // the link drops; the values stay, marked as old
    QTRY_COMPARE(liveLine->text(), QStringLiteral("Not connected"));
    QVERIFY(!stale->isHidden());
    QVERIFY(stale->text().startsWith(QStringLiteral("Link down: values last read ")));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_SN"))->text(), serial);
    window.bmuSession()->disconnectFromBmu();
    window.findChild<QCheckBox*>(QStringLiteral("checkBox_Live"))->setChecked(false);
}

void TestLiveView::connectionFailedSaysWhy() {
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close(); // nothing listens there now
    MainWindow window;
    emit window.loginWindow()->admin();
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), port);
    window.findChild<QPushButton*>(QStringLiteral("Btn_ConnectTCP"))->click();
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = window.findChild<QMessageBox*>()) != nullptr);
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QCOMPARE(box->text(),
             QStringLiteral("Connection failed!\n127.0.0.1:%1: connection refused").arg(port));
    takeBoxes(window);
}

void TestLiveView::loginWithoutConfig() {
    QFile::remove(AppSettings::fileName());
    Login login;
    login.findChild<QLineEdit*>(QStringLiteral("lineEdit_Password"))->setText("anything");
    QTest::mouseClick(login.findChild<QPushButton*>(QStringLiteral("Btn_Login")), Qt::LeftButton);
    const QString message = login.findChild<QLabel*>(QStringLiteral("label_4"))->text();
    QVERIFY(message.contains(QStringLiteral("No passwords are set for this folder")));
    QVERIFY(message.contains(QStringLiteral("voltaro --set-password")));
    QVERIFY(!message.contains(QStringLiteral("wrong")));
}

void TestLiveView::loginOnEnterRemembersRole() {
    for (const QString& role : roleNames())
        QVERIFY(storeRolePassword(role, role + QStringLiteral("-pw")));
    {
        MainWindow window;
        Login* login = window.loginWindow();
        login->findChild<QComboBox*>(QStringLiteral("comboBox"))->setCurrentIndex(2);
        auto* password = login->findChild<QLineEdit*>(QStringLiteral("lineEdit_Password"));
        password->setText(QStringLiteral("inverter_partner-pw"));
        QTest::keyClick(password, Qt::Key_Return);
        QCOMPARE(window.role(), QStringLiteral("inverter_partner"));
    }
    MainWindow again;
    QCOMPARE(again.loginWindow()->findChild<QComboBox*>(QStringLiteral("comboBox"))->currentIndex(),
             2);
    QFile::remove(AppSettings::fileName());
}

QTEST_MAIN(TestLiveView)
#include "tst_liveview.moc"
