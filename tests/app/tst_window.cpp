// The main window as its users meet it: the view of each role, one press per tab against
// the simulated BMU, the live view, the link monitor window and a long translation. What
// the presses do on the link is the session tests'.

#include "app/language.h"
#include "app/linkmonitorwindow.h"
#include "app/login.h"
#include "app/mainwindow.h"
#include "app/rememberedfolders.h"
#include "app/styles.h"
#include "config/setupread.h"
#include "files/translationrun.h"
#include "link/linkmonitor.h"
#include "sim/demodata.h"
#include "tests/files/filefixture.h"
#include "tests/session/operations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

namespace {

template <class T> T* child(QWidget& window, const QString& name) {
    T* widget = window.findChild<T*>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

// The message box the window shows now, if any.
QMessageBox* shownBox(QWidget& window) {
    for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
        if (box->isVisible())
            return box;
    }
    return nullptr;
}

// The texts of the message boxes the window has open now; closes them.
QStringList takeBoxes(QWidget& window) {
    QStringList texts;
    while (QMessageBox* box = shownBox(window)) {
        texts << box->text();
        box->close();
    }
    return texts;
}

// An admin's window, its link pointed at the simulator and its timing scaled down.
void logInAdmin(MainWindow& window, const BmuSimulator& simulator, double scale) {
    emit window.loginWindow()->admin();
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    window.bmuSession()->setTiming(SessionTiming().scaled(scale));
}

// Room for the text of a push button: its contents rectangle, style sheets included.
int buttonRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

// The captions among the visible widgets under root that are empty or clipped.
QStringList textFaults(const QWidget* root) {
    QStringList faults;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        const auto* push = qobject_cast<const QPushButton*>(widget);
        const auto* group = qobject_cast<const QGroupBox*>(widget);
        const auto* label = qobject_cast<const QLabel*>(widget);
        const bool box =
            qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget);
        if (!widget->isVisible() || !(push || group || label || box) ||
            (label && (label->wordWrap() || !label->pixmap(Qt::ReturnByValue).isNull() ||
                       Qt::mightBeRichText(label->text()))))
            continue;
        const QString text = group ? group->title() : widget->property("text").toString();
        const int needed = push || group ? widget->fontMetrics().horizontalAdvance(text)
                                         : widget->sizeHint().width();
        const int room = push ? buttonRoom(push) : widget->width();
        if (text.trimmed().isEmpty() && !label) // a value label may hold nothing yet
            faults << widget->objectName() + QStringLiteral(": empty");
        else if (needed > room)
            faults << QStringLiteral("%1 \"%2\": clipped (%3 > %4)")
                          .arg(widget->objectName(), text)
                          .arg(needed)
                          .arg(room);
    }
    return faults;
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void initTestCase() {
        // The user's own settings stay untouched.
        qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
        QVERIFY(QDir::setCurrent(folder.path()));
        // Config.ini with a password per role, and Data/ with images newer than the BMU runs.
        QString error;
        QVERIFY2(prepareDemoFolder(folder.path(), SystemPreset::HighVoltage, QString(), &error),
                 qPrintable(error));
    }

    void roleViews_data() {
        QTest::addColumn<QString>("role");
        QTest::addColumn<bool>("translation");
        QTest::addColumn<bool>("tool");
        QTest::addColumn<bool>("details");
        QTest::addColumn<bool>("section");
        QTest::addColumn<bool>("linkMonitor");
        QTest::newRow("installer") << "installer" << false << false << false << false << false;
        QTest::newRow("service partner")
            << "service_partner" << true << false << false << false << true;
        QTest::newRow("inverter partner")
            << "inverter_partner" << false << false << false << false << false;
        QTest::newRow("admin") << "admin" << true << true << true << true << true;
    }

    // What each role sees, in a window that fits the (small) screen and scrolls the rest.
    void roleViews() {
        QFETCH(QString, role);
        QFETCH(bool, translation);
        QFETCH(bool, tool);
        QFETCH(bool, section);
        MainWindow window;
        QVERIFY(QMetaObject::invokeMethod(window.loginWindow(), qPrintable(role))); // logged in
        QVERIFY(window.isVisible() && !window.loginWindow()->isVisible());
        QCOMPARE(window.role(), role);
        auto* history = child<QTabWidget>(window, "tabWidget_History");
        QVERIFY(history->isTabEnabled(0) && history->isTabEnabled(1));
        QCOMPARE(history->isTabEnabled(2), translation);
        QCOMPARE(history->isTabEnabled(3), tool);
        QTEST(child<QTabWidget>(window, "tabWidget_2")->isTabEnabled(2), "details");
        QCOMPARE(!child<QLabel>(window, "label_7")->isHidden(), section);
        QCOMPARE(!child<QLabel>(window, "label_APPVersion")->isHidden(), section);
        QTEST(child<QPushButton>(window, "Btn_LinkMonitor")->isVisible(), "linkMonitor");
        if (!tool) { // a hidden tab takes no width in its bar
            QCOMPARE(history->styleSheet(), QLatin1String(Style::HiddenDisabledTab));
            history->tabBar()->ensurePolished();
            QCOMPARE(history->tabBar()->tabRect(3).width(), 0);
        }

        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
        auto* scroll = child<QScrollArea>(window, "scrollArea_Central");
        const QSize needed = scroll->widget()->minimumSizeHint();
        if (needed.width() > scroll->viewport()->width())
            QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
        if (needed.height() > scroll->viewport()->height())
            QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    }

    void pressPerTab() {
        BmuSimulator simulator(SystemPreset::HighVoltage);
        simulator.setStatic(true);
        simulator.setReadinessDelay(40);
        QVERIFY(simulator.listen());
        MainWindow window;
        logInAdmin(window, simulator, 0.2);
        auto button = [&](const char* name) { return child<QPushButton>(window, name); };
        auto label = [&](const char* name) { return child<QLabel>(window, name)->text(); };
        auto settled = [&] {
            return button("Btn_Refresh")->isEnabled() && !window.bmuSession()->isBusy();
        };

        // Without a link every press is refused at once, and nothing is sent.
        for (const char* name : {"Btn_Refresh", "Btn_BMSInfo_Read", "Btn_Read", "BtnSetup",
                                 "Btn_HistoryInfo", "BtnSendFW", "Btn_PT_Update"}) {
            button(name)->click();
            QCOMPARE(takeBoxes(window),
                     QStringList{"Not connected to the BMU: press Connect first."});
            QVERIFY(!window.bmuSession()->isBusy());
        }

        // A failed connection says why.
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 closedPort = closed.serverPort();
        closed.close();
        window.setBmuEndpoint(QStringLiteral("127.0.0.1"), closedPort);
        button("Btn_ConnectTCP")->click();
        QTRY_VERIFY(shownBox(window));
        QCOMPARE(shownBox(window)->icon(), QMessageBox::Warning);
        QCOMPARE(takeBoxes(window),
                 QStringList{QStringLiteral("Connection failed!\n127.0.0.1:%1: connection refused")
                                 .arg(closedPort)});
        QCOMPARE(simulator.requestLog().size(), 0);

        window.setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
        button("Btn_ConnectTCP")->click();
        QTRY_COMPARE(button("Btn_ConnectTCP")->text(), QStringLiteral("Disconnect"));
        QTRY_VERIFY(shownBox(window));
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

        // Diagnosis: another tower. Nothing of BMS1 stays on show under BMS2's name.
        child<QComboBox>(window, "comboBox_BMSInfo")->setCurrentIndex(1);
        for (const char* shown :
             {"label_BMS_SN", "label_BMS_SOC", "label_BMS_FW", "label_BMS_Current"})
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

        // Update: the newer image found by the refresh goes out, once confirmed.
        button("BtnSendFW")->click();
        QMessageBox* question = shownBox(window);
        QVERIFY(question && question->text().contains(QStringLiteral("Keep the system powered")));
        question->button(QMessageBox::Yes)->click();
        auto* pane = child<QTextEdit>(window, "textEdit_FW_Update");
        QTRY_VERIFY_WITH_TIMEOUT(pane->toPlainText().endsWith("Update Successful!!!"), 30000);
        QCOMPARE(simulator.bmuFirmwareImage(),
                 demoFirmwareImage(simulator.device().profile(), false));

        // Live: its reads leave the buttons usable, the refreshes say when; when the link
        // drops, the values stay, marked as old.
        auto* liveLine = child<QLabel>(window, "label_LiveState");
        auto* stale = child<QLabel>(window, "label_Stale");
        child<QCheckBox>(window, "checkBox_Live")->setChecked(true);
        QTRY_VERIFY(window.bmuSession()->currentOperation());
        QVERIFY(button("Btn_Refresh")->isEnabled() && button("Btn_PT_Update")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(liveLine->text().startsWith(QStringLiteral("Live · updated")),
                                 20000);
        QVERIFY(stale->isHidden());
        const QString serial = label("label_SN");
        simulator.close();
        QTRY_COMPARE(liveLine->text(), QStringLiteral("Not connected"));
        QVERIFY(!stale->isHidden());
        QVERIFY(stale->text().startsWith(QStringLiteral("Link down: values last read ")));
        QCOMPARE(label("label_SN"), serial);
        window.bmuSession()->disconnectFromBmu();
        child<QCheckBox>(window, "checkBox_Live")->setChecked(false); // remembered for the user
    }

    // File dialogs open in the folder last chosen while it exists, exports and imports each
    // in their own; a cancelled dialog changes nothing.
    void rememberedFolders() {
        QSettings settings(folder.filePath("folders.ini"), QSettings::IniFormat);
        RememberedFolders folders(settings);
        const QString out = folder.filePath("out");
        QVERIFY(QDir().mkpath(out));
        const QString suggested = QStringLiteral("/desk/log.xlsx");
        QCOMPARE(folders.startPath("export", suggested), suggested);
        folders.remember("export", out + "/earlier.xlsx");
        folders.remember("export", QString());
        QCOMPARE(folders.startPath("export", suggested), out + "/log.xlsx");
        QCOMPARE(folders.startPath("export", QString()), out);
        QCOMPARE(folders.startPath("import", suggested), suggested);
        folders.remember("export", folder.filePath("gone/earlier.xlsx"));
        QCOMPARE(folders.startPath("export", suggested), suggested);
    }

    // The monitor window records only while open and not paused, and saves the rows of the
    // operation chosen (whether the operations succeed on a loaded machine does not matter).
    void linkMonitorRecordsWhileOpen() {
        SessionRig rig;
        QVERIFY(rig.connectLink());
        LinkMonitor monitor(&rig.session);
        LinkMonitorWindow window(&monitor);
        const LinkLog& log = *monitor.log();
        rig.run(new StatusRefresh);
        QCOMPARE(log.rowCount(), 0);

        window.show();
        rig.run(new SetupRead(1));
        const int setupRows = log.rowCount();
        QVERIFY(setupRows > 0);
        rig.run(new StatusRefresh);
        const int rows = log.rowCount();
        QVERIFY(rows > setupRows);

        auto* pause = window.findChild<QCheckBox*>();
        pause->setChecked(true);
        rig.run(new SetupRead(1));
        QCOMPARE(log.rowCount(), rows);

        child<QComboBox>(window, "comboBox_LinkMonitorOperation")->setCurrentText("setup read");
        const QString path = folder.filePath("monitor.txt");
        window.askSavePath = [&](QWidget*) { return path; };
        window.save();
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(saved.readAll());
        QCOMPARE(text, log.text("setup read"));
        QCOMPARE(text.count('\n'), 1 + setupRows);

        pause->setChecked(false);
        QVERIFY(monitor.isRecording());
        window.close();
        QVERIFY(!monitor.isRecording());
    }

    void longTranslation_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("boxes");
        QByteArray longLog("Date&Time\tCode\tDescription\tLog Data\t\n");
        for (int i = 0; i < 20000; ++i)
            longLog +=
                "2023-04-17 08:05:03\t02\tPower OFF\t03 0c 00 00 00 00 00 00 00 00 00 00\t\n";
        QTest::newRow("20 000 rows") << longLog << "" << 20000 << QStringList();
        QTest::newRow("cancelled while reading") << longLog << "reading" << 1 << QStringList();
        QTest::newRow("cancelled while filling") << longLog << "filling" << 0 << QStringList();
        QTest::newRow("three columns") << QByteArray("a\tb\tc\n1\t2\t3\n") << "" << 1
                                       << QStringList{"Please choose the correct data file!!"};
    }

    // Reading and decoding 20 000 rows held the window for seconds; now a 10 ms timer of its
    // thread keeps ticking throughout. Cancel while the file is read keeps the table as it was,
    // Cancel while the rows go in empties it.
    void longTranslation() {
        QFETCH(QByteArray, content);
        QFETCH(QString, cancel);
        QFETCH(int, rows);
        const QString path = folder.filePath(QStringLiteral("log.xls"));
        QVERIFY(writeBytes(path, content));

        MainWindow window;
        child<QRadioButton>(window, "radioBtn_BMU")->setChecked(true);
        auto* table = child<QTableWidget>(window, "table_Trans");
        table->setRowCount(1);
        table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("earlier")));
        window.askOpenFileName = [path](QWidget*, const QString&, const QString&, const QString&) {
            return path;
        };
        const auto pressCancel = [&] {
            window.findChild<QProgressDialog*>()->findChild<QPushButton*>()->click();
        };
        int ticksWhileRunning = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            if (!window.findChild<TranslationRun*>())
                return;
            ticksWhileRunning += 1;
            const QTableWidgetItem* first = table->item(0, 0);
            if (cancel == QLatin1String("filling") && first && first->text() != "earlier")
                pressCancel();
        });
        ticks.start(10);
        QTest::mouseClick(child<QPushButton>(window, "Btn_TransFromFile"), Qt::LeftButton);
        if (cancel == QLatin1String("reading"))
            pressCancel();
        QTRY_VERIFY_WITH_TIMEOUT(!window.findChild<TranslationRun*>(), 120000);
        ticks.stop();

        if (rows > 1)
            QVERIFY2(ticksWhileRunning >= 3, qPrintable(QString::number(ticksWhileRunning)));
        QTEST(takeBoxes(window), "boxes");
        QCOMPARE(table->rowCount(), rows);
        if (rows > 0)
            QCOMPARE(table->item(rows - 1, 0)->text(),
                     QLatin1String(rows == 1 ? "earlier" : "2023-04-17 08:05:03"));
        if (rows > 1)
            QVERIFY(!table->item(rows - 1, 3)->text().isEmpty()); // decoded
    }
    void textFits_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("chooseFile"); // a text whose source is Chinese
        QTest::newRow("English") << "en"
                                 << "Choose Excel file";
        QTest::newRow("Simplified Chinese") << "zh_CN"
                                            << "选择 Excel 文件";
    }

    // Every caption of the login window and of the four main tabs has a text and the room to
    // show it whole, in both languages, on the smallest screen the tool is made for (1366 x
    // 768; fitting the smaller offscreen one by scrolling is roleViews'). After a refresh,
    // so that the value labels hold texts too. With VOLTARO_SCREENSHOTS=DIR each tab is
    // saved as DIR/<tab>-<language>.png.
    void textFits() {
        QFETCH(QString, language);
        QVERIFY(installLanguage(language));
        QTEST(QCoreApplication::translate("MainWindow", "选择Excel文件"), "chooseFile");
        BmuSimulator simulator(SystemPreset::HighVoltage);
        simulator.setStatic(true);
        QVERIFY(simulator.listen());
        MainWindow window;
        QVERIFY(QTest::qWaitForWindowExposed(window.loginWindow()));
        QStringList faults = textFaults(window.loginWindow());
        logInAdmin(window, simulator, 0.2);
        window.resize(1360, 740);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.connectAndRefresh();
        auto* refresh = child<QPushButton>(window, "Btn_Refresh");
        QTRY_VERIFY_WITH_TIMEOUT(
            !child<QLabel>(window, "label_SN")->text().isEmpty() && refresh->isEnabled(), 20000);
        takeBoxes(window);

        const QString shots = qEnvironmentVariable("VOLTARO_SCREENSHOTS");
        const QStringList tabNames{"overview", "diagnosis", "update", "history"};
        for (int tab = 0; tab < tabNames.size(); ++tab) {
            child<QTabWidget>(window, "tabWidget")->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            for (const QString& fault : textFaults(&window))
                faults << tabNames[tab] + QStringLiteral(": ") + fault;
            if (!shots.isEmpty())
                QVERIFY(window.grab().save(
                    QStringLiteral("%1/%2-%3.png").arg(shots, tabNames[tab], language)));
        }
        installLanguage(QStringLiteral("en"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
