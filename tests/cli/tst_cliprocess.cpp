// The program itself, as a shell runs it: its exit codes and streams, the version, help,
// a demo run at the system's own pacing, and Ctrl+C as a real signal.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

struct ProgramRun {
    int code;
    QString out;
    QString err;
};

// The program run in `folder`, which also holds its user settings (no language chosen
// there): the language follows `locale`.
ProgramRun runProgram(const QStringList& arguments, const QString& folder,
                      const QString& locale = QStringLiteral("C")) {
    QProcess program;
    program.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VOLTARO_CLI), arguments);
    if (!program.waitForFinished(60000))
        program.kill();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

} // namespace

class TestCliProcess : public QObject {
    Q_OBJECT

private slots:
    void exitCodesAndStreams_data();
    void exitCodesAndStreams();
    void demoStatusAsJson();
    void followsTheLocale_data();
    void followsTheLocale();
    void ctrlCStopsAHistoryRead();

private:
    QTemporaryDir folder;
};

void TestCliProcess::exitCodesAndStreams_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out"); // expected at the start of the output
    QTest::addColumn<QString>("err"); // expected in the error stream

    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const QString closed = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());

    QTest::newRow("version") << QStringList{"--version"} << 0
                             << QStringLiteral("voltaro-cli " VOLTARO_VERSION "\n") << "";
    QTest::newRow("help lists the commands")
        << QStringList{"--help"} << 0 << "Usage: voltaro-cli [options] COMMAND"
        << "";
    QTest::newRow("help of a command") << QStringList{"flash", "--help"} << 0
                                       << "Usage: voltaro-cli [options] flash bmu|bms [FILE]"
                                       << "";
    QTest::newRow("no command") << QStringList{} << 2 << ""
                                << "voltaro-cli: No command given.";
    QTest::newRow("unknown option") << QStringList{"status", "--colour"} << 2 << ""
                                    << "Unknown option 'colour'.";
    QTest::newRow("BMU unreachable")
        << QStringList{"--bmu", closed, "--timeout", "500", "status"} << 3 << ""
        << "Cannot reach the BMU at " + closed;
    QTest::newRow("missing file") << QStringList{"crc", "nothing.bin"} << 4 << ""
                                  << "nothing.bin does not exist.";
}

void TestCliProcess::exitCodesAndStreams() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const ProgramRun run = runProgram(arguments, folder.path());
    QCOMPARE(run.code, code);
    QVERIFY2(run.out.left(out.size()) == out, qPrintable(run.out));
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
    if (code != 0)
        QVERIFY(run.out.isEmpty());
}

void TestCliProcess::demoStatusAsJson() {
    const ProgramRun run =
        runProgram({"--demo", "--system", "lv", "status", "--format", "json"}, folder.path());
    QCOMPARE(run.code, 0);
    QJsonParseError error;
    const QJsonObject status = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(status["serial_number"].toString().startsWith("P02"));
    QVERIFY(status["battery_voltage_v"].isDouble());
}

void TestCliProcess::followsTheLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QString>("noCommand");
    QTest::addColumn<QString>("socLabel");
    QTest::newRow("English") << "en_GB.UTF-8"
                             << "Usage: voltaro-cli [options] COMMAND"
                             << "voltaro-cli: No command given."
                             << "SOC (%)";
    QTest::newRow("Chinese") << "zh_CN.UTF-8"
                             << "用法：voltaro-cli [选项] COMMAND"
                             << "voltaro-cli: 未给出命令。"
                             << "SOC 荷电状态 (%)";
}

// Messages, help and labels in the language of the locale; JSON keys stay as they are.
void TestCliProcess::followsTheLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, usage);
    QFETCH(QString, noCommand);
    QFETCH(QString, socLabel);
    const ProgramRun help = runProgram({"--help"}, folder.path(), locale);
    QCOMPARE(help.code, 0);
    QVERIFY2(help.out.startsWith(usage), qPrintable(help.out));
    const ProgramRun wrong = runProgram({}, folder.path(), locale);
    QCOMPARE(wrong.code, 2);
    QVERIFY2(wrong.err.contains(noCommand), qPrintable(wrong.err));

    const QStringList status{"--demo", "--system", "lv", "status", "--format"};
    const ProgramRun table = runProgram(status + QStringList{"table"}, folder.path(), locale);
    QCOMPARE(table.code, 0);
    QVERIFY2(table.out.contains(QRegularExpression(
                 QLatin1Char('^') + QRegularExpression::escape(socLabel) + QStringLiteral(" +\\d"),
                 QRegularExpression::MultilineOption)),
             qPrintable(table.out));
    const ProgramRun json = runProgram(status + QStringList{"json"}, folder.path(), locale);
    QCOMPARE(json.code, 0);
    const QJsonObject values = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QVERIFY(values["soc_percent"].isDouble());
}

void TestCliProcess::ctrlCStopsAHistoryRead() {
    QProcess program;
    program.setWorkingDirectory(folder.path());
    program.start(QStringLiteral(VOLTARO_CLI), {"--demo", "history", "--records", "100"});
    QVERIFY(program.waitForStarted());
    // The read has begun once its first progress line is out.
    QByteArray err;
    QTRY_VERIFY_WITH_TIMEOUT((err += program.readAllStandardError()).contains("history read: 0/5"),
                             30000);
    ::kill(pid_t(program.processId()), SIGINT);
    QVERIFY(program.waitForFinished(10000));
    err += program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 130);
    QVERIFY2(err.contains("Stopped with Ctrl+C."), err.constData());
}

QTEST_GUILESS_MAIN(TestCliProcess)
#include "tst_cliprocess.moc"
