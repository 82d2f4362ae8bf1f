#include "app/login.h"
#include "app/mainwindow.h"
#include "app/rememberedfolders.h"
#include "app/settings.h"
#include "app/styles.h"
#include "firmware/firmwarefile.h"
#include "link/bmusession.h"
#include "link/crc.h"
#include "sim/bmusimulator.h"

#include "tests/app/openboxes.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void roleViews_data();
    void roleViews();
    void pressPerTab();
    void rememberedFolders_data();
    void rememberedFolders();
    void fitsASmallScreen();

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
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit()); // the user's settings stay untouched
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    for (const QString& role : roleNames())
        QVERIFY(storeRolePassword(role, role + QStringLiteral("-pw")));
}

void TestMainWindow::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
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

void TestMainWindow::pressPerTab() {
    QVERIFY(QDir().mkpath("Data"));
    BmuSimulator simulator(SystemPreset::HighVoltage);
    simulator.setStatic(true);
    simulator.setReadinessDelay(40);
    QVERIFY(simulator.listen());
    const SystemProfile& p = simulator.device().profile();
    QByteArray image(300, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 7);
    QFile file(QStringLiteral("Data/BMU-%1-%2.%3-%4-%5.bin")
                   .arg(p.familyCode)
                   .arg(p.newBmu.main)
                   .arg(p.newBmu.sub)
                   .arg(p.bmuRunning == SectionA ? "B" : "A", crcText(modbusCrc16(image))));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image) == image.size());
    file.close();

    MainWindow window;
    emit window.loginWindow()->admin();
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    window.bmuSession()->setTiming(SessionTiming().scaled(0.2));
    auto button = [&](const char* name) { return child<QPushButton>(window, name); };
    auto label = [&](const char* name) { return child<QLabel>(window, name)->text(); };
    auto settled = [&] {
        return button("Btn_Refresh")->isEnabled() && !window.bmuSession()->isBusy();
    };

    button("Btn_ConnectTCP")->click();
    QTRY_COMPARE(button("Btn_ConnectTCP")->text(), QStringLiteral("Disconnect"));
    QTRY_VERIFY(!window.findChildren<QMessageBox*>().isEmpty());
    QCOMPARE(takeBoxes(window), QStringList{"Connection successfully!"});
    QCOMPARE(label("label_LinkState"),
             QStringLiteral("Connected to 127.0.0.1:%1").arg(simulator.serverPort()));

    // System Info: the refresh, with the first BMS read after it.
    button("Btn_Refresh")->click();
    QVERIFY(!button("Btn_Refresh")->isEnabled());
    QVERIFY(!button("Btn_PT_Update")->isEnabled()); // no takeover of the running read
    QTRY_VERIFY_WITH_TIMEOUT(settled(), 10000);
    QVERIFY(label("label_SN").startsWith("P03"));
    QVERIFY(label("label_BMS_SN").endsWith("01"));
    QVERIFY(button("Btn_PT_Update")->isEnabled());

    // Diagnosis: another tower.
    child<QComboBox>(window, "comboBox_BMSInfo")->setCurrentIndex(1);
    // Nothing of BMS1 stays on show under BMS2's name.
    for (const char* shown : {"label_BMS_SN", "label_BMS_SOC", "label_BMS_FW", "label_BMS_Current"})
        QVERIFY2(label(shown).isEmpty(), shown);
    button("Btn_BMSInfo_Read")->click();
    QTRY_VERIFY_WITH_TIMEOUT(settled() && label("label_BMS_SN").endsWith("02"), 10000);

    // Setup: the settings read back are written, and the system refreshed.
    button("BtnSetup")->click();
    QTRY_VERIFY_WITH_TIMEOUT(simulator.setupWrites().size() == 1 && settled(), 10000);

    // History: one block of the BMU's log, with fast reads.
    child<QCheckBox>(window, "checkBox_FastReads")->setChecked(true);
    QVERIFY(window.bmuSession()->timing().fastReads);
    QVERIFY(child<QLabel>(window, "label_FastReads")->isVisible());
    child<QComboBox>(window, "comboBox_ReadHistoryInfo")->setCurrentIndex(0);
    child<QLineEdit>(window, "lineEdit_His_Data_Qty")->setText("20");
    button("Btn_HistoryInfo")->click();
    auto* history = child<QTableWidget>(window, "tableWidget_HistoryInfo_BMU");
    QTRY_VERIFY_WITH_TIMEOUT(history->rowCount() == 20 && settled(), 10000);
    QVERIFY(!history->item(0, 0)->text().isEmpty());
    child<QCheckBox>(window, "checkBox_FastReads")->setChecked(false);

    // Update: the newer image loaded by the refresh goes out.
    button("BtnSendFW")->click();
    QMessageBox* question = window.findChild<QMessageBox*>();
    QVERIFY(question && question->text().contains(QStringLiteral("Keep the system powered")));
    question->button(QMessageBox::Yes)->click();
    auto* pane = child<QTextEdit>(window, "textEdit_FW_Update");
    QTRY_VERIFY_WITH_TIMEOUT(pane->toPlainText().endsWith("Update Successful!!!"), 10000);
    QCOMPARE(simulator.bmuFirmwareImage(), image);
}

void TestMainWindow::rememberedFolders_data() {
    QTest::addColumn<QString>("remembered"); // the folder chosen last ("" none, "gone" deleted)
    QTest::addColumn<QString>("suggested");
    QTest::addColumn<QString>("start");
    QTest::newRow("nothing remembered") << ""
                                        << "/desk/log.xlsx"
                                        << "/desk/log.xlsx";
    QTest::newRow("the name goes to the folder") << "out"
                                                 << "/desk/log.xlsx"
                                                 << "out/log.xlsx";
    QTest::newRow("no name suggested") << "out"
                                       << ""
                                       << "out";
    QTest::newRow("folder since deleted") << "gone"
                                          << "/desk/log.xlsx"
                                          << "/desk/log.xlsx";
}

void TestMainWindow::rememberedFolders() {
    QFETCH(QString, remembered);
    QFETCH(QString, suggested);
    QFETCH(QString, start);
    QSettings settings(folder.filePath("folders.ini"), QSettings::IniFormat);
    settings.clear();
    RememberedFolders folders(settings);
    const QString out = folder.filePath("out");
    QVERIFY(QDir().mkpath(out));
    folders.remember("export", QString()); // a cancelled dialog remembers nothing
    if (remembered == "out")
        folders.remember("export", out + "/earlier.xlsx");
    if (remembered == "gone")
        folders.remember("export", folder.filePath("gone/earlier.xlsx"));
    start.replace("out", out);
    QCOMPARE(folders.startPath("export", suggested), start);
    QCOMPARE(folders.startPath("import", suggested), suggested); // kept apart
}

void TestMainWindow::fitsASmallScreen() {
    MainWindow window;
    emit window.loginWindow()->admin();
    const QRect available = window.screen()->availableGeometry();
    QVERIFY(available.contains(window.frameGeometry()));
    // What no longer fits is reached by scrolling.
    auto* scroll = child<QScrollArea>(window, "scrollArea_Central");
    const QSize needed = scroll->widget()->minimumSizeHint();
    if (needed.width() > scroll->viewport()->width())
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
    if (needed.height() > scroll->viewport()->height())
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
