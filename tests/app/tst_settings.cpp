// What the tool reads before its window opens: Config.ini, the stored role passwords and
// the command line.
#include "app/commandline.h"
#include "app/inifile.h"
#include "app/passwordcodec.h"
#include "app/settings.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString fieldOf(const AppSettings& settings, const QString& field) {
    const UpdateServer& server = settings.updateServer;
    const QMap<QString, QString> fields{
        {"bmuHost", settings.bmuHost},
        {"bmuPort", QString::number(settings.bmuPort)},
        {"port", QString::number(server.port)},
        {"user", server.user},
        {"password", server.password},
        {"watchdogMs", QString::number(server.watchdogMs)},
        {"installer", settings.storedPasswords.value(0).value_or("none")},
    };
    return fields.value(field, "no field " + field);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Config.ini"));

    void writeConfig(const QByteArray& text) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
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
        row("damaged role password", "[B]\n1=!!!!\n", "installer", "!!!!",
            "Config.ini: [B] 1 is not a stored password; the installer cannot log in.");
    }
    void values() {
        QFETCH(QByteArray, config);
        QFETCH(QString, field);
        QFETCH(QString, warning);
        writeConfig(config);
        const AppSettings settings = AppSettings::load(path);
        QTEST(fieldOf(settings, field), "value");
        QCOMPARE(settings.warnings.size(), warning.isEmpty() ? 0 : 1);
        QVERIFY2(settings.warnings.join(QLatin1Char('|')).contains(warning),
                 qPrintable(settings.warnings.join(QLatin1Char('|'))));
    }

    // Stored passwords as the tool has always written them. Only that Base64 text counts:
    // lenient decoding once turned "!!!!" into an empty password anyone could type.
    void storedPasswords_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QVariant>("password"); // none: no password, the role cannot log in
        const auto row = [](const char* name, const char* stored, const char* password) {
            QTest::newRow(name) << stored
                                << (password ? QVariant(QString::fromUtf8(password)) : QVariant());
        };
        row("ascii", "6u/09eLt7ebzrrOxs7U=", "installer-2024");
        row("umlauts and symbols", "0UQl9PT4RDfz9aRDKGMDLQ==", "Pässwört#§€");
        row("bytes that wrap around 256", "RED//v0=", "\xC3\xBF~}|");
        row("a zero byte ends the password", "4uOB5OU=", "ab");
        row("not Base64", "!!!!", nullptr);
        row("one Base64 letter", "Y", nullptr);
        row("Base64 without padding", "YWI", nullptr);
    }
    void storedPasswords() {
        QFETCH(QString, stored);
        const std::optional<QString> password = readStoredPassword(stored);
        QTEST(password ? QVariant(*password) : QVariant(), "password");
        if (password)
            QCOMPARE(readStoredPassword(encodeStoredPassword(*password)), password);
    }

    // Storing a role password changes one line: every other line, comments and values the
    // tool would quote included, stays byte for byte (the generic writer once rewrote
    // "Rk3V,pQx" as "Rk3V, pQx").
    void storingKeepsOtherLines() {
        const QByteArray before = "; deployment\r\n[Update]\r\nPassword=Rk3V,pQx ; ftp\r\n"
                                  "[B]\r\n1=old\r\n\r\n[Link]\r\nPort=8080\r\n";
        writeConfig(before);
        QVERIFY(storeRolePassword(QStringLiteral("installer"), QStringLiteral("pw"), path));
        QVERIFY(storeRolePassword(QStringLiteral("admin"), QStringLiteral("svc"), path));
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), QByteArray(before).replace("1=old", "1=8fg=\r\n4=9Pfk"));
        QCOMPARE(AppSettings::load(path).updateServer.password, QStringLiteral("Rk3V,pQx"));
    }

    // Whatever a value holds, it reads back as it was set, and stays plain when it can.
    void valuesRoundTrip_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("quoted");
        QTest::newRow("Base64 with padding") << "YWI=" << false;
        QTest::newRow("comma") << "Rk3V,pQx" << true;
        QTest::newRow("quote and backslash") << "\"a\\\"b\\" << true;
    }
    void valuesRoundTrip() {
        QFETCH(QString, value);
        writeConfig("[Update]\nUser=u\n");
        IniFile ini = IniFile::load(path);
        ini.setValue(QStringLiteral("Update"), QStringLiteral("Password"), value);
        QCOMPARE(ini.save(path), QString());
        QCOMPARE(IniFile::load(path).value(QStringLiteral("Update"), QStringLiteral("Password")),
                 std::optional<QString>(value));
        QTEST(IniFile::valueText(value).startsWith(QLatin1Char('"')), "quoted");
    }

    // What a command line asks for: the system, then demo, BMU and password setting.
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("asked"); // "error" when not understood
        const auto row = [](const QStringList& arguments, const char* asked) {
            QTest::newRow(qPrintable(arguments.join(QLatin1Char(' ')))) << arguments << asked;
        };
        row({"--demo", "--system", "lv"}, "lv demo");
        row({"--demo", "--system", "xx"}, "error");
        row({"--bmu", "10.0.0.7:9000"}, "hv 10.0.0.7:9000");
        row({"--bmu", "10.0.0.7:99999"}, "error");
        row({"--set-password", "admin", "p w"}, "hv set admin p w");
        row({"--set-password", "root", "pw"}, "error");
        row({"--set-password", "admin"}, "error");
        row({"admin"}, "error");
        row({"--update-server", "http://example"}, "error");
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        const CommandLine command = parseCommandLine(QStringList{"voltaro"} + arguments);
        QStringList asked{command.system};
        if (command.demo)
            asked << QStringLiteral("demo");
        if (!command.bmu.isEmpty())
            asked << command.bmu;
        if (command.setPassword)
            asked << QStringLiteral("set") << command.role << command.password;
        QTEST(command.error.isEmpty() ? asked.join(QLatin1Char(' ')) : QStringLiteral("error"),
              "asked");
    }

    // HOST[:PORT] of the BMU (default port 8080 kept) and ftp://HOST[:PORT] of the update
    // server (default 21).
    void endpoints_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed"); // "error" when not understood
        const auto row = [](const char* text, const char* parsed) {
            QTest::newRow(text) << text << parsed;
        };
        row("192.168.1.5", "192.168.1.5:8080");
        row("localhost:1502", "localhost:1502");
        row("localhost:0", "error");
        row(":8080", "error");
        row("host:abc", "error");
        row("ftp://127.0.0.1:2121", "127.0.0.1:2121");
        row("ftp://files.example", "files.example:21");
        row("FTP-files.example", "error");
    }
    void endpoints() {
        QFETCH(QString, text);
        UpdateServer server;
        QString host;
        quint16 port = 8080;
        bool ok = false;
        if (text.startsWith(QLatin1String("ftp"), Qt::CaseInsensitive)) {
            ok = parseUpdateServerUrl(text, &server);
            std::tie(host, port) = std::make_pair(server.host, server.port);
        } else {
            ok = parseEndpoint(text, &host, &port);
        }
        QTEST(ok ? QStringLiteral("%1:%2").arg(host).arg(port) : QStringLiteral("error"), "parsed");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
