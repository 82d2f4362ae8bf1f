// The language choice: remembered per user, and a new choice on the login window builds
// the window anew in that language.

#include "app/commandline.h"
#include "app/language.h"
#include "app/login.h"
#include "app/mainwindow.h"
#include "app/usersettings.h"
#include "app/windowhost.h"

#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void remembered_data();
    void remembered();
    void choiceOnLoginRebuildsWindow();

private:
    QTemporaryDir folder;
};

void TestLanguage::initTestCase() {
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit()); // the user's settings stay untouched
    QVERIFY(QDir::setCurrent(folder.path()));
}

void TestLanguage::cleanup() {
    voltaroUserSettings().clear();
    installLanguage(QStringLiteral("en"));
}

void TestLanguage::remembered_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("kept");
    QTest::newRow("Chinese") << "zh_CN" << true;
    QTest::newRow("English") << "en" << true;
    QTest::newRow("no catalogue") << "fr" << false;
}

// A stored language with a catalogue is the one used; anything else falls back to the
// locale's, which is always one of the list.
void TestLanguage::remembered() {
    QFETCH(QString, stored);
    QFETCH(bool, kept);
    rememberLanguage(stored);
    const QString preferred = preferredLanguage();
    if (kept)
        QCOMPARE(preferred, stored);
    QStringList codes;
    for (const Language& language : languages())
        codes << language.code;
    QVERIFY(codes.contains(preferred));
}

void TestLanguage::choiceOnLoginRebuildsWindow() {
    QVERIFY(installLanguage(QStringLiteral("en")));
    WindowHost host(parseCommandLine({QStringLiteral("voltaro")}));
    QString error;
    QVERIFY2(host.open(&error), qPrintable(error));
    MainWindow* first = host.window();
    auto* refresh = first->findChild<QPushButton*>(QStringLiteral("Btn_Refresh"));
    QCOMPARE(refresh->text(), QStringLiteral("Refresh"));

    auto* languages =
        first->loginWindow()->findChild<QComboBox*>(QStringLiteral("comboBox_Language"));
    const int chinese = languages->findData(QStringLiteral("zh_CN"));
    QVERIFY(chinese >= 0);
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
    QCOMPARE(login->findChild<QComboBox*>(QStringLiteral("comboBox_Language"))->currentData(),
             QVariant(QStringLiteral("zh_CN")));
    QCOMPARE(preferredLanguage(), QStringLiteral("zh_CN"));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
