// Every operation, on a sound link and under every link fault of the simulator, sends
// the requests the window sent before the session took the sequences over: the same
// frames in the same order, with the same gaps between them (at scaled timing). The
// logs in tests/data/golden were recorded from the window at the system's own pacing.

#include "tests/session/operations.h"

#include <QFile>

namespace {

constexpr double Scale = 0.2;

QVector<LoggedRequest> readGolden(const QString& name) {
    QFile file(QStringLiteral(VOLTARO_SOURCE_DIR "/tests/data/golden/%1.log").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no golden log %s", qPrintable(name));
    QVector<LoggedRequest> log;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 2)
            log.append({fields[0].toLongLong(), QByteArray::fromHex(fields[1])});
    }
    return log;
}

} // namespace

class TestGolden : public QObject {
    Q_OBJECT

private slots:
    void requestLog_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<LinkFault>("fault");
        for (const char* op : {"refresh", "bmsinfo-qpa5", "setup-write", "history-bmu-45",
                               "history-bms2-20", "firmware-bmu", "table"})
            for (const LinkFault& fault : linkFaults())
                QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(op, fault.name)))
                    << QString::fromLatin1(op) << fault;
    }

    void requestLog() {
        QFETCH(QString, operation);
        QFETCH(LinkFault, fault);
        const QVector<LoggedRequest> golden = readGolden(operation + "." + fault.name);

        SessionRig rig(operation.contains("qpa5") ? SystemPreset::Qpa5 : SystemPreset::HighVoltage,
                       Scale);
        QVERIFY(rig.connectLink());
        if (operation != "refresh")
            QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
        fault.apply(rig.simulator, Scale);
        rig.markLog();
        rig.run(operationNamed(rig, operation));
        QTest::qWait(rig.ms(1000)); // nothing may follow the end

        QStringList sent, expected;
        for (const LoggedRequest& r : rig.requests)
            sent << QString::fromLatin1(r.frame.toHex());
        for (const LoggedRequest& r : golden)
            expected << QString::fromLatin1(r.frame.toHex());
        QCOMPARE(sent, expected);
        // Gaps: the first one counts from the press; each other one within a tolerance
        // for the scheduling of a loaded test machine.
        for (int i = 1; i < golden.size(); ++i) {
            const double gap = rig.requests[i].gapMs / Scale;
            const double tolerance = 150 + 0.15 * golden[i].gapMs;
            if (qAbs(gap - golden[i].gapMs) > tolerance)
                QFAIL(qPrintable(QStringLiteral("request %1: gap %2 ms, golden %3 ms")
                                     .arg(i)
                                     .arg(gap)
                                     .arg(golden[i].gapMs)));
        }
    }
};

QTEST_GUILESS_MAIN(TestGolden)
#include "tst_golden.moc"
