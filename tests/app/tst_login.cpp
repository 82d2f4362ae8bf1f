#include "app/inifile.h"
#include "app/login.h"
#include "app/passwordcodec.h"
#include "app/settings.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestLogin : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void storedValuesDecode_data();
    void storedValuesDecode();
    void zeroByteEndsPassword();
    void noStoredPassword_data();
    void noStoredPassword();
    void login_data();
    void login();
    void defaultRoleIsInstaller();
    void setPasswordRoundTrip();

private:
    void storeAll(const QStringList& passwords);
    void attempt(Login& window, int role, const QString& password);

    QTemporaryDir folder;
    QString previousFolder;
};

void TestLogin::init() {
    QVERIFY(folder.isValid());
    QFile::remove(folder.filePath(AppSettings::fileName()));
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
}

void TestLogin::cleanup() {
    QDir::setCurrent(previousFolder);
}

void TestLogin::storeAll(const QStringList& passwords) {
    for (int i = 0; i < passwords.size(); ++i)
        QVERIFY(storeRolePassword(roleNames()[i], passwords[i]));
}

void TestLogin::attempt(Login& window, int role, const QString& password) {
    window.findChild<QComboBox*>(QStringLiteral("comboBox"))->setCurrentIndex(role);
    window.findChild<QLineEdit*>(QStringLiteral("lineEdit_Password"))->setText(password);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Btn_Login")), Qt::LeftButton);
}

void TestLogin::storedValuesDecode_data() {
    QTest::addColumn<QString>("password");
    QTest::newRow("ascii") << "installer-2024";
    QTest::newRow("umlauts and symbols") << "Pässwört#§€";
    QTest::newRow("bytes that wrap around 256") << "\xC3\xBF~}|";
}

void TestLogin::storedValuesDecode() {
    QFETCH(QString, password);
    const QString stored = encodeStoredPassword(password);
    QVERIFY(stored != password || password.isEmpty());
    QCOMPARE(decodeStoredPassword(stored), password);
}

void TestLogin::zeroByteEndsPassword() {
    // "ab", a zero byte, "cd": the stored bytes carry the scrambled zero too.
    const QByteArray scrambled =
        QByteArray::fromBase64(encodeStoredPassword(QStringLiteral("ab")).toLatin1()) +
        QByteArray::fromBase64(encodeStoredPassword(QString(QChar(0))).toLatin1()) +
        QByteArray::fromBase64(encodeStoredPassword(QStringLiteral("cd")).toLatin1());
    QCOMPARE(decodeStoredPassword(QString::fromLatin1(scrambled.toBase64())), QStringLiteral("ab"));
}

// A role whose entry is missing or not the Base64 the tool writes has no password: nothing
// typed logs it in (lenient decoding once turned "!!!!" into an empty password, and a
// missing key into the decoding of "null").
void TestLogin::noStoredPassword_data() {
    QTest::addColumn<QByteArray>("entry");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not Base64") << QByteArray("1=!!!!\n");
    QTest::newRow("one Base64 letter") << QByteArray("1=Y\n");
    QTest::newRow("Base64 without padding") << QByteArray("1=YWI\n");
}

void TestLogin::noStoredPassword() {
    QFETCH(QByteArray, entry);
    QFile config(AppSettings::fileName());
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("[B]\n" + entry + "2=" + encodeStoredPassword("svc").toLatin1() + "\n");
    config.close();
    Login window;
    QVERIFY(!window.passwords().value(0));
    QSignalSpy installer(&window, &Login::installer);
    const QString lenient = QString::fromUtf8(QByteArray::fromBase64(entry.mid(2).trimmed()));
    for (const QString& typed : {QString(), QStringLiteral("null"), lenient}) {
        attempt(window, 0, typed);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_4"))->text(),
                 QStringLiteral("No password is stored for this role."));
    }
    QCOMPARE(installer.count(), 0);
}

void TestLogin::login_data() {
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("message");
    const QString installerHint =
        QStringLiteral("Password is wrong. \n It is same as WiFi's password!");
    const QString wrong = QStringLiteral("Password is wrong!");
    const auto row = [](const char* name, int role, const char* typed, const char* signal,
                        const QString& message) {
        QTest::newRow(name) << role << typed << signal << message;
    };
    row("installer right", 0, "inst-pw", "installer", "");
    row("installer wrong", 0, "svc-pw", "", installerHint);
    row("service partner, case matters", 1, "SVC-PW", "", wrong);
    row("inverter partner empty", 2, "", "", wrong);
    row("admin right", 3, "", "admin", "");
    row("admin with text", 3, " ", "", wrong);
}

void TestLogin::login() {
    QFETCH(int, role);
    QFETCH(QString, typed);
    QFETCH(QString, signal);
    storeAll(
        {QStringLiteral("inst-pw"), QStringLiteral("svc-pw"), QStringLiteral("inv-pw"), QString()});
    Login window;
    QSignalSpy installer(&window, &Login::installer);
    QSignalSpy servicePartner(&window, &Login::service_partner);
    QSignalSpy inverterPartner(&window, &Login::inverter_partner);
    QSignalSpy admin(&window, &Login::admin);
    attempt(window, role, typed);
    QCOMPARE(installer.count(), signal == QLatin1String("installer") ? 1 : 0);
    QCOMPARE(servicePartner.count(), signal == QLatin1String("service_partner") ? 1 : 0);
    QCOMPARE(inverterPartner.count(), signal == QLatin1String("inverter_partner") ? 1 : 0);
    QCOMPARE(admin.count(), signal == QLatin1String("admin") ? 1 : 0);
    QTEST(window.findChild<QLabel*>(QStringLiteral("label_4"))->text(), "message");
}

void TestLogin::defaultRoleIsInstaller() {
    storeAll({QStringLiteral("first"), QStringLiteral("second")});
    Login window;
    QSignalSpy installer(&window, &Login::installer);
    window.findChild<QLineEdit*>(QStringLiteral("lineEdit_Password"))
        ->setText(QStringLiteral("first"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Btn_Login")), Qt::LeftButton);
    QCOMPARE(installer.count(), 1);
}

void TestLogin::setPasswordRoundTrip() {
    QProcess tool;
    tool.setWorkingDirectory(folder.path());
    tool.start(QStringLiteral(VOLTARO_EXECUTABLE),
               {QStringLiteral("--set-password"), QStringLiteral("service_partner"),
                QStringLiteral("s3cret pass")});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);

    tool.start(QStringLiteral(VOLTARO_EXECUTABLE),
               {QStringLiteral("--set-password"), QStringLiteral("operator"), QStringLiteral("x")});
    QVERIFY(tool.waitForFinished(30000));
    QVERIFY(tool.exitCode() != 0);

    const IniFile ini = IniFile::load(folder.filePath(AppSettings::fileName()));
    QCOMPARE(ini.value(QStringLiteral("B"), QStringLiteral("2")),
             std::optional<QString>(encodeStoredPassword(QStringLiteral("s3cret pass"))));
    QVERIFY(!ini.value(QStringLiteral("B"), QStringLiteral("1")));

    Login window;
    QSignalSpy servicePartner(&window, &Login::service_partner);
    attempt(window, 1, QStringLiteral("s3cret pass"));
    QCOMPARE(servicePartner.count(), 1);
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
