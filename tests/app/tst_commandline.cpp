#include "app/commandline.h"
#include "app/settings.h"

#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void endpoints_data();
    void endpoints();
};

void TestCommandLine::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("demo");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("bmu");
    QTest::addColumn<QString>("role");
    const auto row = [](const char* name, const QStringList& arguments, bool ok, bool demo,
                        const char* system, const char* bmu, const char* role) {
        QTest::newRow(name) << arguments << ok << demo << system << bmu << role;
    };
    row("nothing", {}, true, false, "hv", "", "");
    row("demo lv", {"--demo", "--system", "lv"}, true, true, "lv", "", "");
    row("unknown system", {"--demo", "--system", "xx"}, false, true, "xx", "", "");
    row("bmu with port", {"--bmu", "10.0.0.7:9000"}, true, false, "hv", "10.0.0.7:9000", "");
    row("bmu bad port", {"--bmu", "10.0.0.7:99999"}, false, false, "hv", "", "");
    row("set password", {"--set-password", "admin", "pw"}, true, false, "hv", "", "admin");
    row("set password unknown role", {"--set-password", "root", "pw"}, false, false, "hv", "", "");
    row("set password without password", {"--set-password", "admin"}, false, false, "hv", "", "");
    row("stray argument", {"admin"}, false, false, "hv", "", "");
    row("update server", {"--update-server", "http://example"}, false, false, "hv", "", "");
}

void TestCommandLine::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, ok);
    QFETCH(bool, demo);
    QFETCH(QString, system);
    QFETCH(QString, bmu);
    QFETCH(QString, role);
    const CommandLine command = parseCommandLine(QStringList{"voltaro"} + arguments);
    QCOMPARE(command.error.isEmpty(), ok);
    if (!ok)
        return;
    QCOMPARE(command.demo, demo);
    QCOMPARE(command.system, system);
    QCOMPARE(command.bmu, bmu);
    QCOMPARE(command.role, role);
    QCOMPARE(command.setPassword, !role.isEmpty());
}

void TestCommandLine::endpoints_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("host only keeps port") << "192.168.1.5" << true << "192.168.1.5" << 8080;
    QTest::newRow("host and port") << "localhost:1502" << true << "localhost" << 1502;
    QTest::newRow("port zero") << "localhost:0" << false << "" << 0;
    QTest::newRow("no host") << ":8080" << false << "" << 0;
    QTest::newRow("port not a number") << "host:abc" << false << "" << 0;
}

void TestCommandLine::endpoints() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, host);
    QFETCH(int, port);
    QString parsedHost;
    quint16 parsedPort = 8080;
    QCOMPARE(parseEndpoint(text, &parsedHost, &parsedPort), ok);
    if (ok) {
        QCOMPARE(parsedHost, host);
        QCOMPARE(int(parsedPort), port);
    }

    UpdateServer server;
    QVERIFY(parseUpdateServerUrl(QStringLiteral("ftp://127.0.0.1:2121"), &server));
    QCOMPARE(server.host, QStringLiteral("127.0.0.1"));
    QCOMPARE(int(server.port), 2121);
    QVERIFY(parseUpdateServerUrl(QStringLiteral("ftp://files.example"), &server));
    QCOMPARE(int(server.port), 21);
    QVERIFY(!parseUpdateServerUrl(QStringLiteral("FTP-files.example"), &server));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
