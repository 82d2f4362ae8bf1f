// The debug traces: off by default; with the --trace rule one English line per frame.

#include "app/commandline.h"
#include "app/logcategories.h"
#include "monitor/statusrefresh.h"
#include "session/sessionrig.h"

#include <QLoggingCategory>
#include <QRegularExpression>

namespace {

struct TraceLine {
    QString category;
    QString text;
};

QVector<TraceLine> captured;

void capture(QtMsgType, const QMessageLogContext& context, const QString& text) {
    captured.append({QString::fromLatin1(context.category), text});
}

} // namespace

class TestTracing : public QObject {
    Q_OBJECT

private slots:
    void frames_data();
    void frames();
};

void TestTracing::frames_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("traced");
    QTest::newRow("default") << QStringList{"voltaro"} << false;
    QTest::newRow("--trace") << QStringList{"voltaro", "--trace"} << true;
}

// A status refresh, the way the program sets up its traces: each frame sent or received is
// one line of voltaro.link, and no trace line holds anything but printable ASCII.
void TestTracing::frames() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, traced);
    const CommandLine command = parseCommandLine(arguments);
    QVERIFY(command.error.isEmpty());
    QCOMPARE(command.trace, traced);
    QLoggingCategory::setFilterRules(command.trace ? QLatin1String(TraceAllRule) : QString());

    SessionRig rig;
    QVERIFY(rig.connectLink());
    int frames = 0;
    QObject::connect(&rig.session, &BmuSession::frameSent, [&frames] { ++frames; });
    QObject::connect(&rig.session, &BmuSession::frameReceived, [&frames] { ++frames; });
    captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    const OperationResult result = rig.run(new StatusRefresh);
    qInstallMessageHandler(previous);
    QCOMPARE(result.outcome, Outcome::Done);
    QVERIFY(frames > 2);

    int linkLines = 0;
    for (const TraceLine& line : captured) {
        linkLines += line.category == QLatin1String("voltaro.link");
        QVERIFY2(line.text.contains(QRegularExpression(QStringLiteral("^[\\x20-\\x7e]*$"))),
                 qPrintable(line.text));
    }
    QCOMPARE(linkLines, traced ? frames : 0);
    QLoggingCategory::setFilterRules(QString());
}

QTEST_GUILESS_MAIN(TestTracing)
#include "tst_tracing.moc"
