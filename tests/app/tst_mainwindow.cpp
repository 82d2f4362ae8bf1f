#include "app/login.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "app/styles.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList lockedNames = {
    "Btn_Refresh",       "Btn_BMSInfo_Read",    "BtnSetup",        "Btn_Read",
    "BtnSendFW",         "BtnDownloadFWfile",   "Btn_HistoryInfo", "Btn_HistoryInfo_Clear",
    "Btn_TransFromFile", "Btn_CellInfo_Export", "pushButton_2",    "pushBtn_Trans_to_Excel"};
const QStringList styledOnlyNames = {"Btn_ConnectTCP", "Btn_PT_Update", "Btn_clear"};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void initialState();
    void roleViews_data();
    void roleViews();
    void lockAndUnlock();
    void customTabSizeOnlyOnMainTabs();

private:
    template <class T> T* child(MainWindow& window, const QString& name) {
        T* widget = window.findChild<T*>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }

    QTemporaryDir folder;
    QString previousFolder;
};

void TestMainWindow::initTestCase() {
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    for (const QString& role : roleNames())
        QVERIFY(storeRolePassword(role, role + QStringLiteral("-pw")));
}

void TestMainWindow::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
}

void TestMainWindow::initialState() {
    MainWindow window;
    QVERIFY(!window.isVisible());
    QVERIFY(window.loginWindow()->isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Voltaro_V1.6.1"));
    QCOMPARE(window.size(), QSize(1300, 700));
    auto* tabs = child<QTabWidget>(window, "tabWidget");
    QCOMPARE(tabs->tabPosition(), QTabWidget::West);
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    QCOMPARE(titles, (QStringList{"System Info", "Diagnosis", "Update", "History", "Contact"}));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(child<QTabWidget>(window, "tabWidget_2")->currentIndex(), 0);
    QCOMPARE(child<QTabWidget>(window, "tabWidget_History")->currentIndex(), 0);
    QCOMPARE(child<QStackedWidget>(window, "stackedWidget")->currentIndex(), 1);
    QCOMPARE(child<QStackedWidget>(window, "stackedWidget")->count(), 65);
    QVERIFY(window.findChild<QTableWidget*>("tableWidget_HistoryInfo_BMS_64"));
    QCOMPARE(child<QStackedWidget>(window, "stackedWidget_Trans")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(window, "comboBoxSetupBMS")->currentIndex(), -1);
    QVERIFY(child<QPushButton>(window, "Btn_Read")->isHidden());
    QCOMPARE(child<QPushButton>(window, "Btn_ConnectTCP")->text(), QStringLiteral("Connect"));
    QCOMPARE(child<QLabel>(window, "label_ContactHeader")->styleSheet(),
             QStringLiteral("color:red;"));

    auto* events = child<QTableWidget>(window, "tableWidget_Events");
    QCOMPARE(events->columnCount(), 3);
    QCOMPARE(events->rowCount(), 250);
    QCOMPARE(events->horizontalHeaderItem(1)->text(), QStringLiteral("Fault Level"));
    QCOMPARE(events->columnWidth(0), 250);
}

void TestMainWindow::roleViews_data() {
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("roleName");
    QTest::addColumn<bool>("translation");
    QTest::addColumn<bool>("tool");
    QTest::addColumn<bool>("details");
    QTest::addColumn<bool>("section");
    QTest::newRow("installer") << 0 << "installer" << false << false << false << false;
    QTest::newRow("service partner") << 1 << "service_partner" << true << false << false << false;
    QTest::newRow("inverter partner")
        << 2 << "inverter_partner" << false << false << false << false;
    QTest::newRow("admin") << 3 << "admin" << true << true << true << true;
}

void TestMainWindow::roleViews() {
    QFETCH(int, role);
    QFETCH(QString, roleName);
    QFETCH(bool, translation);
    QFETCH(bool, tool);
    QFETCH(bool, details);
    QFETCH(bool, section);

    MainWindow window;
    Login* login = window.loginWindow();
    login->findChild<QComboBox*>("comboBox")->setCurrentIndex(role);
    login->findChild<QLineEdit*>("lineEdit_Password")->setText(roleName + "-pw");
    QTest::mouseClick(login->findChild<QPushButton*>("Btn_Login"), Qt::LeftButton);

    QVERIFY(window.isVisible());
    QVERIFY(!login->isVisible());
    QCOMPARE(window.role(), roleName);
    auto* history = child<QTabWidget>(window, "tabWidget_History");
    auto* diagnosis = child<QTabWidget>(window, "tabWidget_2");
    QVERIFY(history->isTabEnabled(0) && history->isTabEnabled(1));
    QCOMPARE(history->isTabEnabled(2), translation);
    QCOMPARE(history->isTabEnabled(3), tool);
    QCOMPARE(diagnosis->isTabEnabled(2), details);
    QCOMPARE(!child<QLabel>(window, "label_7")->isHidden(), section);
    QCOMPARE(!child<QLabel>(window, "label_APPVersion")->isHidden(), section);
    QCOMPARE(history->styleSheet().isEmpty(), translation && tool);
    if (!tool) {
        QCOMPARE(history->styleSheet(), QLatin1String(Style::HiddenDisabledTab));
        // A hidden tab takes no width in its bar.
        history->tabBar()->ensurePolished();
        QCOMPARE(history->tabBar()->tabRect(3).width(), 0);
    }
}

void TestMainWindow::lockAndUnlock() {
    MainWindow window;
    window.lockButtons();
    for (const QString& name : lockedNames) {
        auto* button = child<QPushButton>(window, name);
        QVERIFY2(!button->isEnabled(), qPrintable(name));
        QCOMPARE(button->styleSheet(), QLatin1String(Style::GrayButton));
    }
    for (const QString& name : styledOnlyNames) {
        auto* button = child<QPushButton>(window, name);
        QVERIFY2(button->isEnabled(), qPrintable(name)); // Connect always stays usable
        QCOMPARE(button->styleSheet(), QLatin1String(Style::GrayButton));
    }
    QVERIFY(!child<QComboBox>(window, "comboBox")->isEnabled());

    window.unlockButtons();
    for (const QString& name : lockedNames + styledOnlyNames) {
        auto* button = child<QPushButton>(window, name);
        QVERIFY2(button->isEnabled(), qPrintable(name));
        QCOMPARE(button->styleSheet(), QLatin1String(Style::BlackButton));
    }
    QVERIFY(child<QComboBox>(window, "comboBox")->isEnabled());
}

void TestMainWindow::customTabSizeOnlyOnMainTabs() {
    MainWindow window;
    window.show();
    auto* main = child<QTabWidget>(window, "tabWidget")->tabBar();
    QCOMPARE(main->tabRect(0).size(), QSize(180, 80));
    auto* inner = child<QTabWidget>(window, "tabWidget_History")->tabBar();
    QVERIFY(inner->tabRect(0).size() != QSize(180, 80));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
