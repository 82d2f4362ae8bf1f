// In both languages, every visible caption of the login window and of the four main tabs
// has a text and the room to show it whole.

#include "app/language.h"
#include "app/login.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "sim/bmusimulator.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString describe(const QWidget* widget, const QString& text, const char* fault) {
    return QStringLiteral("%1 \"%2\": %3 (width %4)")
        .arg(widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                            : widget->objectName(),
             text, QLatin1String(fault))
        .arg(widget->width());
}

// Room for the text of a push button: its contents rectangle, style sheets included.
int buttonRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

QStringList textFaults(const QWidget* root) {
    QStringList faults;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            if (button->text().trimmed().isEmpty())
                faults << describe(button, button->text(), "empty");
            else if (button->fontMetrics().horizontalAdvance(button->text()) > buttonRoom(button))
                faults << describe(button, button->text(), "clipped");
        } else if (qobject_cast<const QCheckBox*>(widget) ||
                   qobject_cast<const QRadioButton*>(widget)) {
            const auto* box = static_cast<const QAbstractButton*>(widget);
            if (box->text().isEmpty())
                faults << describe(box, box->text(), "empty");
            else if (box->sizeHint().width() > box->width())
                faults << describe(box, box->text(), "clipped");
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            const bool plain = !label->wordWrap() && label->pixmap(Qt::ReturnByValue).isNull() &&
                               !Qt::mightBeRichText(label->text());
            if (plain && widestLine(label->fontMetrics(), label->text()) >
                             label->contentsRect().width() - 2 * label->margin())
                faults << describe(label, label->text(), "clipped");
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            if (group->title().trimmed().isEmpty())
                faults << describe(group, group->title(), "empty title");
            else if (group->fontMetrics().horizontalAdvance(group->title()) > group->width())
                faults << describe(group, group->title(), "clipped title");
        } else if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < bar->count(); ++i) {
                if (bar->isTabEnabled(i) && bar->tabText(i).isEmpty())
                    faults << describe(bar, QString::number(i), "empty tab");
            }
        }
    }
    return faults;
}

} // namespace

class TestTextFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void mainTabs_data();
    void mainTabs();

private:
    QTemporaryDir folder;
    QString previousFolder;
};

void TestTextFit::initTestCase() {
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit()); // the user's settings stay untouched
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QVERIFY(storeRolePassword(QStringLiteral("admin"), QStringLiteral("admin-pw")));
}

void TestTextFit::cleanupTestCase() {
    installLanguage(QStringLiteral("en"));
    QDir::setCurrent(previousFolder);
}

void TestTextFit::mainTabs_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("Simplified Chinese") << "zh_CN";
}

// The window after a refresh from a simulated BMU, so that the value labels hold texts too.
// With VOLTARO_SCREENSHOTS=DIR each tab is also saved as DIR/<tab>-<language>.png.
void TestTextFit::mainTabs() {
    QFETCH(QString, language);
    QVERIFY(installLanguage(language));
    BmuSimulator simulator(SystemPreset::HighVoltage);
    simulator.setStatic(true);
    QVERIFY(simulator.listen());
    MainWindow window;
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    Login* login = window.loginWindow();
    QVERIFY(QTest::qWaitForWindowExposed(login));
    const QStringList loginFaults = textFaults(login);
    QVERIFY2(loginFaults.isEmpty(), qPrintable(loginFaults.join(QLatin1Char('\n'))));
    login->findChild<QComboBox*>(QStringLiteral("comboBox"))->setCurrentIndex(3);
    login->findChild<QLineEdit*>(QStringLiteral("lineEdit_Password"))
        ->setText(QStringLiteral("admin-pw"));
    QTest::mouseClick(login->findChild<QPushButton*>(QStringLiteral("Btn_Login")), Qt::LeftButton);
    QVERIFY(window.isVisible());
    // The offscreen screen (800 x 600) is smaller than any the tool is made for: the window
    // is checked on the smallest of those, 1366 x 768 (fitting a smaller one by scrolling is
    // tst_mainwindow's).
    window.resize(1360, 740);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QMessageBox* box : window.findChildren<QMessageBox*>())
        box->close();
    auto* connect = window.findChild<QPushButton*>(QStringLiteral("Btn_ConnectTCP"));
    QTest::mouseClick(connect, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(connect->text(), MainWindow::tr("Disconnect"), 20000);
    auto* refresh = window.findChild<QPushButton*>(QStringLiteral("Btn_Refresh"));
    QTest::mouseClick(refresh, Qt::LeftButton);
    auto* serial = window.findChild<QLabel*>(QStringLiteral("label_SN"));
    QTRY_VERIFY_WITH_TIMEOUT(!serial->text().isEmpty(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(refresh->isEnabled(), 20000); // the refresh has ended
    for (QMessageBox* box : window.findChildren<QMessageBox*>())
        box->close();

    const QString shots = qEnvironmentVariable("VOLTARO_SCREENSHOTS");
    const QStringList tabNames{"overview", "diagnosis", "update", "history"};
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    QStringList faults;
    for (int tab = 0; tab < tabNames.size(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        for (const QString& fault : textFaults(&window))
            faults << tabNames[tab] + QStringLiteral(": ") + fault;
        if (!shots.isEmpty())
            QVERIFY(window.grab().save(
                QStringLiteral("%1/%2-%3.png").arg(shots, tabNames[tab], language)));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
