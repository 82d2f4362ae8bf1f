// The link monitor against the simulated BMU: its rows are the frames the BMU received
// and answered, under link faults too, and it records nothing while off.

#include "config/setupread.h"
#include "link/linkmonitor.h"
#include "tests/session/operations.h"

class TestLinkMonitor : public QObject {
    Q_OBJECT

private slots:
    void rowsFollowTheLink_data();
    void rowsFollowTheLink();
    void nextOperationAtOnce();
};

void TestLinkMonitor::rowsFollowTheLink_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("crcErrors");
    QTest::addColumn<bool>("timeouts");
    QTest::newRow("sound") << "sound" << false << false;
    QTest::newRow("corrupt2") << "corrupt2" << true << true;
    QTest::newRow("drop3") << "drop3" << false << true;
}

void TestLinkMonitor::rowsFollowTheLink() {
    QFETCH(QString, fault);
    QFETCH(bool, crcErrors);
    QFETCH(bool, timeouts);
    SessionRig rig;
    LinkMonitor monitor(&rig.session);
    QVERIFY(rig.connectLink());
    for (const LinkFault& f : linkFaults())
        if (f.name == fault)
            f.apply(rig.simulator, rig.scale);
    monitor.setRecording(true);
    rig.markLog();
    const OperationResult result = rig.run(new StatusRefresh);
    QCOMPARE(result.outcome == Outcome::Done, !timeouts);

    const LinkLog& log = *monitor.log();
    QVector<QByteArray> sent;
    int badRows = 0;
    for (int row = 0; row < log.rowCount(); ++row) {
        const FrameRecord& r = log.record(row);
        QCOMPARE(r.operation, result.operation);
        if (r.direction == FrameRecord::Direction::Sent) {
            sent << r.bytes;
            QCOMPARE(r.latencyMs, -1.0);
        } else {
            badRows += r.crcGood ? 0 : 1;
            // In a sound link every reply is matched to its request.
            QVERIFY(r.latencyMs >= 0 || fault != "sound");
        }
    }
    QTRY_COMPARE(rig.requests.size(), sent.size());
    for (int i = 0; i < sent.size(); ++i)
        QCOMPARE(sent[i], rig.requests[i].frame);

    QCoreApplication::processEvents(); // the end of the operation is taken queued
    const LinkCounters& c = log.counters();
    QCOMPARE(c.frames, qint64(log.rowCount()));
    QCOMPARE(c.crcErrors, qint64(badRows));
    QCOMPARE(c.crcErrors > 0, crcErrors);
    QCOMPARE(c.timeouts > 0, timeouts);
    if (!timeouts)
        QCOMPARE(c.replies, qint64(sent.size())); // every request answered once

    // Off, it sees nothing.
    monitor.setRecording(false);
    const int rows = log.rowCount();
    rig.run(new StatusRefresh);
    QCOMPARE(log.rowCount(), rows);
}

// An operation started the moment the last one ends (its end comes to the monitor after
// the next request has gone out): nothing of either is taken for unanswered.
void TestLinkMonitor::nextOperationAtOnce() {
    SessionRig rig;
    LinkMonitor monitor(&rig.session);
    QVERIFY(rig.connectLink());
    monitor.setRecording(true);
    QSignalSpy ended(&rig.session, &BmuSession::operationFinished);
    bool next = true;
    QObject::connect(&rig.session, &BmuSession::operationFinished, &monitor, [&] {
        if (std::exchange(next, false))
            rig.session.start(new SetupRead(1));
    });
    QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    QVERIFY(ended.count() == 2 || ended.wait());
    QCoreApplication::processEvents();
    const LinkLog& log = *monitor.log();
    QCOMPARE(log.record(log.rowCount() - 1).operation, QString("setup read"));
    QCOMPARE(log.counters().timeouts, qint64(0));
    QCOMPARE(log.counters().replies * 2, log.counters().frames);
}

QTEST_GUILESS_MAIN(TestLinkMonitor)
#include "tst_linkmonitor.moc"
