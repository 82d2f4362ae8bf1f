// Every operation, on a sound link and under every link fault of the simulator, and the
// paged reads with fast reads on:
// - sends the requests the window sent before the session took the sequences over: the
//   same frames in the same order, with the same gaps between them (at scaled timing);
//   the logs in tests/data/golden were recorded from the window at the system's pacing;
//   fast reads send the frames of the normal pace, and a reply later than a step (here
//   the first readiness answer) puts the read back at the normal pace, said once;
// - ends, and shows no value a sound link would not show: status and BMS blocks as the
//   BMU holds them, history blocks whole and as the BMU holds them, a setup reported
//   written only when the BMU has it, a transfer successful only when the BMU got every
//   byte.

#include "tests/session/operations.h"

#include "history/historyrecord.h"
#include "link/catalogue.h"

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

// The 600-byte blocks the BMU hands out of a unit's log, newest first, and one erased
// block past its end.
QVector<QByteArray> logBlocks(const BmuSimulator& simulator, int unit) {
    const QVector<QByteArray>& records = simulator.device().historyLog(unit).all();
    QVector<QByteArray> blocks;
    for (int first = 0; first <= records.size(); first += LogRecord::PerBlock) {
        QByteArray block;
        for (int i = first; i < first + LogRecord::PerBlock; ++i)
            block += i < records.size() ? records[i] : QByteArray(LogRecord::Size, '\xff');
        blocks << block;
    }
    return blocks;
}

// The requests as hex text, one per frame.
QStringList framesOf(const QVector<LoggedRequest>& requests) {
    QStringList frames;
    for (const LoggedRequest& r : requests)
        frames << QString::fromLatin1(r.frame.toHex());
    return frames;
}

// The blocks the spy caught, one an emission: its argument at `index`.
QVector<QByteArray> blocksOf(const QSignalSpy& spy, int index) {
    QVector<QByteArray> blocks;
    for (const QList<QVariant>& arguments : spy)
        blocks << arguments.at(index).toByteArray();
    return blocks;
}

} // namespace

class TestFaultMatrix : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!QCoreApplication::instance()->inherits("QGuiApplication")); }

    void requestLog_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<LinkFault>("fault");
        // VOLTARO_MATRIX_OPERATIONS (comma-separated) runs some operations only, so that
        // parts of the matrix run side by side.
        QStringList operations{"refresh",         "bmsinfo-qpa5", "setup-write", "history-bmu-45",
                               "history-bms2-20", "firmware-bmu", "table"};
        const QString only = qEnvironmentVariable("VOLTARO_MATRIX_OPERATIONS");
        if (!only.isEmpty())
            operations = only.split(',');
        // Ready at the first poll, as at the normal pace; late: the first reply past a step.
        const LinkFault fast{"fast", [](BmuSimulator& s, double) { s.setReadinessDelay(0); },
                             false};
        const LinkFault late{"fast-late",
                             [](BmuSimulator& s, double k) {
                                 s.setReadinessDelay(0);
                                 s.setReplyDelay(int(700 * k));
                             },
                             false};
        for (const QString& op : operations) {
            QVector<LinkFault> faults = linkFaults();
            if (op.startsWith("history") || op.startsWith("bmsinfo"))
                faults << fast << late;
            for (const LinkFault& fault : faults)
                QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(op, fault.name)))
                    << op << fault;
        }
    }

    void requestLog() {
        QFETCH(QString, operation);
        QFETCH(LinkFault, fault);
        const bool fast = fault.name.startsWith("fast");
        const QVector<LoggedRequest> golden =
            readGolden(operation + "." + (fast ? QStringLiteral("sound") : fault.name));

        SessionRig rig(operation.contains("qpa5") ? SystemPreset::Qpa5 : SystemPreset::HighVoltage,
                       Scale);
        // What a sound link shows, read first as the window's recording did: a refresh
        // (with the information of the first BMS) before every operation but the refresh
        // itself, which runs on a fresh system, and a twin system for its clean values.
        SessionRig twin(SystemPreset::HighVoltage, Scale);
        SessionRig& clean = operation == "refresh" ? twin : rig;
        QSignalSpy cleanStatus(&clean.session, &BmuSession::statusRead);
        QSignalSpy cleanBms(&clean.session, &BmuSession::bmsInfoRead);
        QVERIFY(rig.connectLink() && (&clean == &rig || twin.connectLink()));
        QCOMPARE(clean.run(new StatusRefresh).outcome, Outcome::Done);
        const QVector<QByteArray> log =
            logBlocks(rig.simulator, operation.contains("bms2") ? 2 : 0);

        fault.apply(rig.simulator, Scale);
        if (fast) {
            rig.setFastReads(rig.ms(20));
            QObject::connect(&rig.session, &BmuSession::note, [&](const PaneNote& note) {
                if (note.text.startsWith(QLatin1String("Fast reads")))
                    rig.simulator.setReplyDelay(0); // the BMU is prompt again
            });
        }
        rig.markLog();
        QSignalSpy status(&rig.session, &BmuSession::statusRead);
        QSignalSpy bms(&rig.session, &BmuSession::bmsInfoRead);
        QSignalSpy history(&rig.session, &BmuSession::historyBlockRead);
        QSignalSpy written(&rig.session, &BmuSession::setupWritten);
        const OperationResult result = rig.run(operationNamed(rig, operation));
        QVERIFY2(result.operation != "never ended", "the operation never ended");
        if (!fault.replyLost)
            QCOMPARE(result.outcome, Outcome::Done);
        QTest::qWait(rig.ms(1000)); // nothing may follow the end

        // No value a sound link would not show.
        if (operation == "refresh")
            for (const QByteArray& block : blocksOf(status, 0))
                QCOMPARE(block, blocksOf(cleanStatus, 0).first());
        for (const QByteArray& block : blocksOf(bms, 1))
            QVERIFY(blocksOf(cleanBms, 1).contains(block));
        for (const QByteArray& block : blocksOf(history, 1))
            QVERIFY2(log.contains(block), "a history block the BMU does not hold");
        if (written.count() > 0)
            QVERIFY(!rig.simulator.setupWrites().isEmpty());
        if (result.outcome == Outcome::Done)
            QVERIFY(transferArrived(rig, operation));
        QCOMPARE(rig.notes.filter("Fast reads").size(), fault.name == "fast-late" ? 1 : 0);
        QCOMPARE(framesOf(rig.requests), framesOf(golden));
        // Gaps: the first one counts from the press; each other one within a tolerance
        // for the scheduling of a loaded test machine. Where the BMU closes the link, a
        // request due right then is lost or not depending on how fast the link comes back,
        // and its repetition comes a step later: only the frames count there, as with fast
        // reads.
        for (int i = 1; i < golden.size() && fault.name != "close3" && !fast; ++i) {
            const double gap = rig.requests[i].gapMs / Scale;
            const double tolerance = 150 + 0.15 * golden[i].gapMs;
            QVERIFY2(qAbs(gap - golden[i].gapMs) <= tolerance,
                     qPrintable(QString::asprintf("request %d: gap %.0f ms, golden %lld ms", i, gap,
                                                  golden[i].gapMs)));
        }
    }

    // A unit that is slow to prepare a block is polled at the minimum gap, not faster.
    void fastPollsKeepTheMinimumGap() {
        SessionRig rig(SystemPreset::HighVoltage, Scale);
        QVERIFY(rig.connectLink());
        rig.simulator.setReadinessDelay(300);
        rig.setFastReads(20);
        rig.markLog();
        QCOMPARE(rig.run(new HistoryRead(0, 1)).outcome, Outcome::Done);
        const QByteArray poll = hexToBytes(QLatin1String(Command::HistoryReadyPoll));
        int polls = 0;
        for (int i = 1; i < rig.requests.size(); ++i) {
            if (rig.requests[i].frame != poll)
                continue;
            polls += 1;
            QVERIFY2(rig.requests[i].gapMs >= 19,
                     qPrintable(QString::number(rig.requests[i].gapMs)));
        }
        QVERIFY(polls >= 5); // not ready for 300 ms
    }
};

QTEST_GUILESS_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
