// Config.ini read as written and written back without touching what it does not change.
#include "app/inifile.h"
#include "app/passwordcodec.h"
#include "app/settings.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString fieldOf(const AppSettings& settings, const QString& field) {
    const UpdateServer& server = settings.updateServer;
    if (field == QLatin1String("bmuHost"))
        return settings.bmuHost;
    if (field == QLatin1String("bmuPort"))
        return QString::number(settings.bmuPort);
    if (field == QLatin1String("host"))
        return server.host;
    if (field == QLatin1String("port"))
        return QString::number(server.port);
    if (field == QLatin1String("user"))
        return server.user;
    if (field == QLatin1String("password"))
        return server.password;
    if (field == QLatin1String("watchdogMs"))
        return QString::number(server.watchdogMs);
    return QStringLiteral("no field %1").arg(field);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    QString writeConfig(const QByteArray& text) {
        const QString path = folder.filePath(QStringLiteral("Config.ini"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QByteArray readConfig() {
        QFile file(folder.filePath(QStringLiteral("Config.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    // One value each: what the tool uses, and the warning naming the key when the text was
    // not taken (empty when it was).
    void values_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("warning");
        const auto row = [](const char* name, const char* config, const char* field,
                            const char* value, const char* warning) {
            QTest::newRow(name) << QByteArray(config) << field << value << warning;
        };
        row("port as written", "[Link]\nPort=1502\n", "bmuPort", "1502", "");
        row("port beyond 16 bits is no port", "[Link]\nPort=70000\n", "bmuPort", "8080",
            "Config.ini: [Link] Port=70000 is not a number from 1 to 65535; using 8080.");
        row("port as text", "[Update]\nPort=ftp\n", "port", "21", "[Update] Port=ftp");
        row("inline comment after a blank", "[Link]\nHost=10.0.0.9   ; the BMU\nPort=8081 ;x\n",
            "bmuHost", "10.0.0.9", "");
        row("empty host", "[Link]\nHost=\n", "bmuHost", "192.168.4.1", "[Link] Host= is empty");
        row("password with # and ;", "[Update]\nPassword=Rk3V#pQx;T7w\n", "password",
            "Rk3V#pQx;T7w", "");
        row("quoted password with blanks and escapes",
            "[Update]\nPassword=\" a;b, \\\"c\\\\ \" ; note\n", "password", " a;b, \"c\\ ", "");
        row("empty password as written", "[Update]\nPassword=\n", "password", "", "");
        row("CRLF lines, last key wins", "[Update]\r\nUser=first\r\nUser=second\r\n", "user",
            "second", "");
        row("key of another group", "[Link]\nUser=x\n", "user", "dlfeed", "");
        row("watchdog 0", "[Update]\nWatchdogMs=0\n", "watchdogMs", "20000",
            "[Update] WatchdogMs=0");
        row("watchdog as text", "[Update]\nWatchdogMs=20s\n", "watchdogMs", "20000",
            "[Update] WatchdogMs=20s");
    }
    void values() {
        QFETCH(QByteArray, config);
        QFETCH(QString, field);
        QFETCH(QString, warning);
        const AppSettings settings = AppSettings::load(writeConfig(config));
        QTEST(fieldOf(settings, field), "value");
        if (warning.isEmpty())
            QCOMPARE(settings.warnings, QStringList());
        else
            QVERIFY2(settings.warnings.size() == 1 && settings.warnings[0].contains(warning),
                     qPrintable(settings.warnings.join(QLatin1Char('|'))));
    }

    // An entry that is missing or not the Base64 the tool writes stores no password; a
    // damaged one is reported.
    void storedPasswords() {
        const AppSettings settings = AppSettings::load(
            writeConfig("[B]\n1=!!!!\n2=" + encodeStoredPassword("pw").toLatin1() + "\n3=Y\n"));
        QCOMPARE(settings.storedPasswords.size(), 4);
        QVERIFY(!readStoredPassword(*settings.storedPasswords[0]));
        QCOMPARE(readStoredPassword(*settings.storedPasswords[1]), std::optional<QString>("pw"));
        QVERIFY(!readStoredPassword(*settings.storedPasswords[2]));
        QVERIFY(!settings.storedPasswords[3]);
        QCOMPARE(settings.warnings,
                 QStringList({"Config.ini: [B] 1 is not a stored password; the installer "
                              "cannot log in.",
                              "Config.ini: [B] 3 is not a stored password; the inverter_partner "
                              "cannot log in."}));
    }

    // Storing a role password changes one line: every other line, comments and values the
    // tool would quote included, stays byte for byte (the generic writer once rewrote
    // "Rk3V,pQx" as "Rk3V, pQx").
    void storingKeepsOtherLines() {
        const QByteArray before = "; deployment\r\n[Update]\r\nPassword=Rk3V,pQx ; ftp\r\n"
                                  "[B]\r\n1=old\r\n\r\n[Link]\r\nPort=8080\r\n";
        const QString path = writeConfig(before);
        QVERIFY(storeRolePassword(QStringLiteral("installer"), QStringLiteral("a"), path));
        QVERIFY(storeRolePassword(QStringLiteral("admin"), QStringLiteral("b"), path));
        const QByteArray after = before;
        QCOMPARE(readConfig(), QByteArray(after).replace(
                                   "1=old", "1=" + encodeStoredPassword("a").toLatin1() +
                                                "\r\n4=" + encodeStoredPassword("b").toLatin1()));
        QCOMPARE(AppSettings::load(path).updateServer.password, QStringLiteral("Rk3V,pQx"));

        QFile::remove(path);
        QVERIFY(storeRolePassword(QStringLiteral("service_partner"), QStringLiteral("c"), path));
        QCOMPARE(readConfig(), "[B]\n2=" + encodeStoredPassword("c").toLatin1() + "\n");
        QString error;
        QVERIFY(!storeRolePassword(QStringLiteral("operator"), QStringLiteral("x"), path, &error));
        QVERIFY(error.contains(QLatin1String("operator")));
    }

    // Whatever a value holds, it reads back as it was set, and stays plain when it can.
    void valuesRoundTrip_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("quoted");
        QTest::newRow("plain") << "Rk3VpQxT7w" << false;
        QTest::newRow("Base64 with padding") << "YWI=" << false;
        QTest::newRow("comma") << "Rk3V,pQx" << true;
        QTest::newRow("semicolon after a blank") << "Rk3V ;pQx" << true;
        QTest::newRow("blanks at the ends") << " pw " << true;
        QTest::newRow("quote and backslash") << "\"a\\\"b\\" << true;
        QTest::newRow("empty") << "" << false;
    }
    void valuesRoundTrip() {
        QFETCH(QString, value);
        const QString path = writeConfig("[Update]\nUser=u\n");
        IniFile ini = IniFile::load(path);
        ini.setValue(QStringLiteral("Update"), QStringLiteral("Password"), value);
        QCOMPARE(ini.save(path), QString());
        QCOMPARE(IniFile::load(path).value(QStringLiteral("Update"), QStringLiteral("Password")),
                 std::optional<QString>(value));
        QTEST(IniFile::valueText(value).startsWith(QLatin1Char('"')), "quoted");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
