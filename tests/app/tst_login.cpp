// The login window and what the tool does around it: passwords (set from the command line
// too), the remembered role, window size and language, and the window host of --demo, which
// builds the window anew in the language chosen on the login window.
#include "app/commandline.h"
#include "app/language.h"
#include "app/login.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "app/usersettings.h"
#include "app/windowhost.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// installer "inst-pw", service partner "svc-pw", inverter partner "inv-pw", admin empty
const QByteArray passwords("[B]\n1=6u/09a7x+A==\n2=9PfkrvH4\n3=6u/3rvH4\n4=\n");

// Config.ini of the current folder as given; none for a null text.
void writeConfig(const QByteArray& text) {
    QFile config(AppSettings::fileName());
    config.remove();
    if (!text.isNull() && (!config.open(QIODevice::WriteOnly) || config.write(text) != text.size()))
        qFatal("cannot write Config.ini");
}

// Types the password for the role (-1: the one offered) and presses Login or Enter.
void attempt(MainWindow& window, int role, const QString& password, bool enter = false) {
    Login* login = window.loginWindow();
    if (role >= 0)
        login->findChild<QComboBox*>(QStringLiteral("comboBox"))->setCurrentIndex(role);
    auto* field = login->findChild<QLineEdit*>(QStringLiteral("lineEdit_Password"));
    field->setText(password);
    if (enter)
        QTest::keyClick(field, Qt::Key_Return);
    else
        QTest::mouseClick(login->findChild<QPushButton*>(QStringLiteral("Btn_Login")),
                          Qt::LeftButton);
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void initTestCase() {
        // The user's own settings stay untouched.
        qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
        QVERIFY(QDir::setCurrent(folder.path()));
    }

    void init() {
        voltaroUserSettings().clear();
        QVERIFY(installLanguage(QStringLiteral("en")));
        writeConfig(passwords);
    }

    void login_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("loggedIn");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QByteArray& config, int role, const char* typed,
                            const char* loggedIn, const char* message) {
            QTest::newRow(name) << config << role << typed << loggedIn << message;
        };
        const char* wrong = "Password is wrong!";
        const char* noneStored = "No password is stored for this role.";
        row("installer, offered first", passwords, -1, "inst-pw", "installer", "");
        row("installer wrong", passwords, 0, "svc-pw", "",
            "Password is wrong. \n It is same as WiFi's password!");
        row("service partner, case matters", passwords, 1, "SVC-PW", "", wrong);
        row("inverter partner empty", passwords, 2, "", "", wrong);
        row("admin's empty password", passwords, 3, "", "admin", "");
        row("admin with a blank", passwords, 3, " ", "", wrong);
        // A role whose entry is damaged or missing has no password: nothing typed logs it in,
        // not even what lenient decoding once made of it ("" of "!!!!", "null" of no key).
        row("damaged entry", "[B]\n1=!!!!\n", 0, "", "", noneStored);
        row("missing entry", "[B]\n1=!!!!\n", 2, "null", "", noneStored);
        row("no Config.ini", QByteArray(), 3, "", "",
            "No passwords are set for this folder (no Config.ini here).\n"
            "Set them with: voltaro --set-password ROLE PASSWORD");
    }
    void login() {
        QFETCH(QByteArray, config);
        QFETCH(int, role);
        QFETCH(QString, typed);
        writeConfig(config);
        MainWindow window;
        attempt(window, role, typed);
        QTEST(window.role(), "loggedIn");
        QTEST(window.loginWindow()->findChild<QLabel*>(QStringLiteral("label_4"))->text(),
              "message");
    }

    // The role and window size of the last login are offered again.
    void remembersRoleAndSize() {
        {
            MainWindow window;
            attempt(window, 2, QStringLiteral("inv-pw"), true);
            QCOMPARE(window.role(), QStringLiteral("inverter_partner"));
            window.resize(640, 480);
            window.close();
        }
        MainWindow again;
        attempt(again, -1, QStringLiteral("inv-pw"));
        QCOMPARE(again.role(), QStringLiteral("inverter_partner"));
        QCOMPARE(again.size(), QSize(640, 480));
    }

    // The first password of a new folder.
    void setPasswordFromCommandLine() {
        writeConfig(QByteArray());
        QProcess tool;
        tool.start(QStringLiteral(VOLTARO_EXECUTABLE),
                   {QStringLiteral("--set-password"), QStringLiteral("service_partner"),
                    QStringLiteral("s3cret pass")});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);

        MainWindow window;
        attempt(window, 1, QStringLiteral("s3cret pass"));
        QCOMPARE(window.role(), QStringLiteral("service_partner"));
    }

    // --demo: a simulated BMU for the window, which a login connects and refreshes. Another
    // language chosen on the login window builds window and simulator anew in it, and is
    // remembered; a remembered language without a catalogue gives way to the locale's.
    void demoRebuiltInChosenLanguage() {
        WindowHost host(parseCommandLine({"voltaro", "--demo", "--system", "qpa5"}));
        QString error;
        QVERIFY2(host.open(&error), qPrintable(error));
        MainWindow* first = host.window();
        auto* languages =
            first->loginWindow()->findChild<QComboBox*>(QStringLiteral("comboBox_Language"));
        const int chinese = languages->findData(QStringLiteral("zh_CN"));
        languages->setCurrentIndex(chinese);
        emit languages->activated(chinese); // as a click on the entry does
        QTRY_VERIFY(host.window() != first);

        MainWindow* second = host.window();
        QCOMPARE(second->findChild<QPushButton*>(QStringLiteral("Btn_Refresh"))->text(),
                 QStringLiteral("刷新"));
        Login* login = second->loginWindow();
        QVERIFY(login->isVisible());
        QCOMPARE(login->findChild<QPushButton*>(QStringLiteral("Btn_Login"))->text(),
                 QStringLiteral("登录"));
        QCOMPARE(preferredLanguage(), QStringLiteral("zh_CN"));
        attempt(*second, 3, QString());
        auto* serial = second->findChild<QLabel*>(QStringLiteral("label_SN"));
        QTRY_VERIFY_WITH_TIMEOUT(!serial->text().isEmpty(), 20000);

        rememberLanguage(QStringLiteral("fr"));
        QVERIFY(!installLanguage(QStringLiteral("fr")));
        QVERIFY(QStringList({"en", "zh_CN"}).contains(preferredLanguage()));
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
