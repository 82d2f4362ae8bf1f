// The session without a window: the link's Disconnect and reconnection, one operation at
// a time, how operations end (cancelled, stopped, stalled, unconfirmed), the live view,
// the link monitor and the traces, against the simulated BMU at scaled timing or a bare
// peer played by the test.

#include "app/commandline.h"
#include "app/logcategories.h"
#include "link/catalogue.h"
#include "link/linkmonitor.h"
#include "monitor/liverefresh.h"
#include "tests/session/operations.h"

#include <QLoggingCategory>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(SetupBytes::Outcome)

namespace {

// A BMU played by the test: a server that keeps the last connection it accepted, and a
// session at scaled timing with the pane lines it wrote.
struct BarePeer {
    QTcpServer server;
    QPointer<QTcpSocket> socket; // the last connection accepted
    BmuSession session;
    QStringList lines;

    BarePeer() {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection,
                         [this] { socket = server.nextPendingConnection(); });
        session.setTiming(SessionTiming().scaled(0.2));
        session.link()->setEndpoint(QStringLiteral("127.0.0.1"), server.serverPort());
        QObject::connect(&session, &BmuSession::note, [this](const PaneNote& n) {
            if (n.kind != PaneNote::Kind::Clear)
                lines << n.text;
        });
    }

    bool connect() {
        QSignalSpy up(session.link(), &BmuLink::connected);
        session.link()->connectToBmu();
        return up.wait() && QTest::qWaitFor([this] { return !socket.isNull(); });
    }
};

bool isStatusRequest(const QByteArray& frame) {
    return frame == hexToBytes(QLatin1String(Command::StatusFirst)) ||
           frame == hexToBytes(QLatin1String(Command::StatusSecond));
}

QStringList traces; // "category: text" of each line the handler below captured

void captureTrace(QtMsgType, const QMessageLogContext& context, const QString& text) {
    traces << QString::fromLatin1(context.category) + ": " + text;
}

} // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    // The tool's link work in a process without a widget: refresh, BMS information, 45 BMU
    // history records and a firmware image.
    void headlessRound() {
        QVERIFY(!QCoreApplication::instance()->inherits("QGuiApplication"));
        SessionRig rig;
        QVERIFY(rig.connectLink());
        QSignalSpy bms(&rig.session, &BmuSession::bmsInfoRead);
        QSignalSpy blocks(&rig.session, &BmuSession::historyBlockRead);
        QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
        QVERIFY(rig.session.snapshot().serial().startsWith(QLatin1String("P03")));
        QCOMPARE(rig.run(new BmsInfoRead(2)).outcome, Outcome::Done);
        QCOMPARE(bms.last().at(0).toInt(), 2);
        QCOMPARE(rig.run(new HistoryRead(0, 3)).outcome, Outcome::Done); // 3 blocks of 15
        QCOMPARE(blocks.count(), 3);
        const QByteArray image = SessionRig::imageOf(1000);
        QCOMPARE(rig.run(firmwareTransfer(rig, image)).outcome, Outcome::Done);
        QCOMPARE(rig.simulator.bmuFirmwareImage(), image);
    }

    // A BMU that drops the link: it comes back by itself, at once, then after 100, 200, 400,
    // 400 ... ms, a handful of attempts, not thousands; the user's Disconnect ends it for good.
    void dropAndDisconnect() {
        BarePeer peer;
        bool drop = true;
        QObject::connect(&peer.server, &QTcpServer::newConnection, [&] {
            if (drop)
                peer.socket->close();
        });
        BmuLink& link = *peer.session.link();
        SessionTiming timing;
        timing.reconnectFirstMs = 100;
        timing.reconnectLimitMs = 400;
        link.setTiming(timing);
        QSignalSpy up(&link, &BmuLink::connected);
        QSignalSpy attempts(&link, &BmuLink::reconnecting);
        QSignalSpy accepted(&peer.server, &QTcpServer::newConnection);
        QVERIFY(peer.connect());
        QTest::qWait(2000);
        QVERIFY2(accepted.count() >= 3 && accepted.count() <= 10,
                 qPrintable(QString::number(accepted.count())));
        QCOMPARE(attempts.value(1).value(0).toInt(), 2); // attempts are counted
        QCOMPARE(up.first().first().toBool(), true);     // the user's own attempt
        QCOMPARE(up.last().first().toBool(), false);     // not the user's: no message box

        drop = false;
        QTRY_VERIFY(link.isConnected() && peer.socket->state() == QAbstractSocket::ConnectedState);
        QSignalSpy peerClosed(peer.socket, &QTcpSocket::disconnected);
        accepted.clear();
        link.disconnectFromBmu();
        QVERIFY(peerClosed.count() > 0 || peerClosed.wait(3000));
        QTest::qWait(1500);
        QCOMPARE(accepted.count(), 0); // no reconnection after the user's Disconnect
    }

    void exceptionReplyIsOneLine() {
        BarePeer peer;
        QVERIFY(peer.connect());
        const QByteArray exception = hexToBytes(appendCrcHex(QStringLiteral("01 83 02")));
        peer.socket->write(exception);
        QTRY_COMPARE(peer.lines, QStringList{"The BMU answered with Modbus exception 02 (illegal "
                                             "data address)."});
    }

    void unansweredEndsWithOneLine_data() {
        QTest::addColumn<QByteArray>("stray"); // what floods the link instead of replies
        QTest::addColumn<bool>("setup");       // a setup write instead of a refresh
        const QByteArray shortReply = hexToBytes(appendCrcHex("01 03 04 00 01 00 02"));
        const QByteArray otherEcho = hexToBytes(appendCrcHex("01 10 07 00 00 01"));
        QTest::newRow("replies of another length") << shortReply << false;
        QTest::newRow("garbage") << QByteArray::fromHex("ff00ee11dd22cc33bb44") << false;
        QTest::newRow("echoes of nothing") << otherEcho << false;
        QTest::newRow("setup write answered by another reply") << shortReply << true;
        QTest::newRow("setup write answered by another echo") << otherEcho << true;
        QTest::newRow("setup write not answered") << QByteArray() << true;
    }

    void unansweredEndsWithOneLine() {
        QFETCH(QByteArray, stray);
        QFETCH(bool, setup);
        BarePeer peer;
        QTimer flood;
        connect(&flood, &QTimer::timeout, [&] {
            if (peer.socket && !stray.isEmpty())
                peer.socket->write(stray);
        });
        flood.start(5);
        QVERIFY(peer.connect());
        QSignalSpy busy(&peer.session, &BmuSession::busyChanged);
        QSignalSpy ended(&peer.session, &BmuSession::operationFinished);
        QSignalSpy written(&peer.session, &BmuSession::setupWritten);
        QVERIFY(peer.session.start(
            setup ? static_cast<Operation*>(new SetupWrite(QByteArray::fromHex("070201000100")))
                  : new StatusRefresh));
        QVERIFY(ended.wait(5000));
        QCOMPARE(ended.first().first().value<OperationResult>().outcome, Outcome::Failed);
        QCOMPARE(peer.lines,
                 QStringList{setup ? "The BMU did not confirm the setup: nothing is "
                                     "known to be written."
                                   : "No valid reply from the BMU: the refresh ended."});
        QCOMPARE(written.count(), 0);
        QCOMPARE(busy.count(), 2); // the buttons follow the operation, not the frames
    }

    // Refused before anything is sent: any operation without a link, and a BMS read before
    // a refresh has found a BMS.
    void refusedBeforeSending() {
        SessionRig rig;
        QSignalSpy busy(&rig.session, &BmuSession::busyChanged);
        for (const char* name : {"refresh", "history-bmu-45", "firmware-bmu"})
            QCOMPARE(rig.run(operationNamed(rig, name)).message,
                     QStringLiteral("Not connected to the BMU: press Connect first."));
        QCOMPARE(busy.count(), 0);
        QVERIFY(rig.connectLink());
        QCOMPARE(rig.run(new BmsInfoRead(0)).outcome, Outcome::Failed);
        QVERIFY(rig.notes.first().contains(QStringLiteral("press Refresh")));
        QCOMPARE(rig.simulator.requestLog().size(), 0);
    }

    void interventions_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("action"); // taken well into the operation
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("said"); // in the result's message or a pane line
        const auto row = [](const char* tag, const char* operation, const char* action,
                            Outcome outcome, const char* said) {
            QTest::newRow(tag) << QString(operation) << QString(action) << outcome << QString(said);
        };
        // The three takeovers the session refuses: the running operation ends as its own.
        row("table update during a firmware update", "firmware-bmu", "table", Outcome::Done,
            "Update Successful!!!");
        row("setup read during a table update", "table", "setup-read", Outcome::Done,
            "update Successful!!!");
        row("refresh during a BMS information read", "bmsinfo", "refresh", Outcome::Done, "");
        row("Disconnect during a firmware update", "firmware-long", "disconnect", Outcome::Stopped,
            "did not end");
        row("Cancel of a history read", "history-bmu-45", "cancel", Outcome::Cancelled, "");
        row("BMU silent during a history read", "history-bmu-45", "silence", Outcome::Failed,
            "No response from the BMU: reading the history stopped after 1 of 3 blocks.");
        row("BMU closes the link during a history read", "history-bmu-45", "close", Outcome::Failed,
            "The link to the BMU was lost during the history read");
    }

    // The operation ends once, as the row says; the buttons come back with its last request
    // (not on a timer while pages are still read), and nothing more goes out.
    void interventions() {
        QFETCH(QString, operation);
        QFETCH(QString, action);
        QFETCH(QString, said);
        SessionRig rig;
        QVERIFY(rig.connectAndRefresh());
        rig.markLog();
        int requestsAtIdle = -1;
        connect(&rig.session, &BmuSession::busyChanged, [&](bool busy) {
            if (!busy)
                requestsAtIdle = rig.requests.size();
        });
        QSignalSpy ended(&rig.session, &BmuSession::operationFinished);
        QSignalSpy blocks(&rig.session, &BmuSession::historyBlockRead);
        QVERIFY(rig.session.start(operationNamed(rig, operation)));
        QTRY_VERIFY(rig.requests.size() >= 3 &&
                    (!operation.startsWith("history") || blocks.count()));
        QString refusal;
        if (action == "disconnect") {
            rig.session.disconnectFromBmu();
            QCOMPARE(ended.count(), 1); // at once
        } else if (action == "cancel") {
            rig.session.cancel();
        } else if (action == "silence") {
            rig.simulator.setDropEveryNth(1);
        } else if (action == "close") {
            QSignalSpy down(rig.session.link(), &BmuLink::disconnected);
            rig.simulator.close();
            QVERIFY(down.wait(2000));
            // Said with the drop itself, long before the read's own time-out ends it.
            QCOMPARE(rig.notes.filter(said).size(), 1);
            QVERIFY(rig.session.isBusy());
        } else {
            QVERIFY(!rig.session.start(operationNamed(rig, action), &refusal));
            QVERIFY(refusal.contains(QStringLiteral("Another operation is running")));
        }
        QVERIFY(ended.count() == 1 || ended.wait(30000));
        const OperationResult result = ended.first().first().value<OperationResult>();
        QTEST(result.outcome, "outcome");
        if (!said.isEmpty())
            QVERIFY(result.message == said || !rig.notes.filter(said).isEmpty());
        // A line of success only where the row expects one.
        QCOMPARE(rig.notes.filter(QStringLiteral("Successful")).size(),
                 said.contains(QStringLiteral("Successful")) ? 1 : 0);
        QVERIFY(result.outcome == Outcome::Done ? transferArrived(rig, operation)
                                                : blocks.count() < 3);
        QTest::qWait(rig.ms(4000));
        QCOMPARE(requestsAtIdle, rig.requests.size());
        QCOMPARE(ended.count(), 1);
    }

    // Live reads wait for the link and start at its return, follow the values, let another
    // operation run alone and come back at its end, and stop with the link.
    void liveReads() {
        SessionRig rig(SystemPreset::HighVoltage, 0.1);
        LiveRefresh live(&rig.session);
        live.setIntervalMs(50);
        live.setEnabled(true);
        QCOMPARE(live.statusText(), QStringLiteral("Not connected"));
        QTest::qWait(300);
        QCOMPARE(rig.requests.size(), 0);
        live.setIntervalMs(5000);
        QSignalSpy reads(&rig.session, &BmuSession::statusRead);
        QVERIFY(rig.connectLink());
        QVERIFY(reads.wait(2500)); // at once, not an interval later
        live.setIntervalMs(300);
        for (int soc : {37, 61, 12}) {
            rig.simulator.setRegister(0x0500, quint16(soc)); // the state of charge
            // The read under way may have gone out before the change: the next one shows it.
            QTRY_COMPARE_WITH_TIMEOUT(rig.session.snapshot().overview.soc, soc, 3000);
        }
        QVERIFY(live.statusText().startsWith(QStringLiteral("Live · updated ")));
        // The two requests of a refresh, nothing else, never closer than half the interval
        // from one pair to the next.
        for (int i = 0; i < rig.requests.size(); ++i) {
            QVERIFY(isStatusRequest(rig.requests[i].frame));
            if (i % 2 == 0 && i > 0)
                QVERIFY2(rig.requests[i].gapMs >= 150, "a read came early");
        }

        live.setIntervalMs(100); // falls due many times while the transfer runs
        QTRY_VERIFY(!live.statusText().contains(QStringLiteral("reading")) &&
                    !rig.session.currentOperation());
        rig.markLog();
        int operationRequests = -1; // the requests received up to the transfer's end
        connect(&rig.session, &BmuSession::operationFinished, this,
                [&] { operationRequests = rig.requests.size(); });
        QVERIFY(rig.session.start(operationNamed(rig, "firmware-bmu")));
        QTRY_COMPARE(live.statusText(), QStringLiteral("Paused: BMU firmware update running"));
        QTRY_VERIFY_WITH_TIMEOUT(operationRequests > 0, 60000);
        for (int i = 0; i < operationRequests; ++i)
            QVERIFY2(!isStatusRequest(rig.requests[i].frame), "a status read interleaved");
        QTRY_VERIFY(rig.requests.size() > operationRequests); // the read that fell due
        QVERIFY(isStatusRequest(rig.requests.value(operationRequests).frame));

        rig.session.link()->disconnectFromBmu();
        QTRY_COMPARE(live.statusText(), QStringLiteral("Not connected"));
        live.setEnabled(false);
        QCOMPARE(live.statusText(), QString());
    }

    // A press during the live view's BMS read is taken at once (the read leaves the session
    // free until then): the read sends nothing more, ends once no reply of it is due, shows
    // nothing more, and the operation then runs alone.
    void liveReadGivesWay() {
        SessionRig rig;
        QVERIFY(rig.connectAndRefresh());
        // Replies later than the page step: at the press a page request waits for its reply.
        rig.simulator.setReplyDelay(rig.ms(700));
        rig.markLog();
        QSignalSpy sent(&rig.session, &BmuSession::frameSent);
        QSignalSpy received(&rig.session, &BmuSession::frameReceived);
        QSignalSpy busy(&rig.session, &BmuSession::busyChanged);
        QSignalSpy ended(&rig.session, &BmuSession::operationFinished);
        QSignalSpy shown(&rig.session, &BmuSession::bmsInfoRead);
        LiveRefresh live(&rig.session);
        live.setIntervalMs(60000);
        live.setShownTower(2);
        live.setEnabled(true);
        const QByteArray page = hexToBytes(QLatin1String(Command::BmsInfoPage));
        QTRY_VERIFY(!sent.isEmpty() && sent.last().first().toByteArray() == page);
        QVERIFY(live.isReading() && !rig.session.isBusy() && busy.isEmpty());

        const int pressedAt = sent.count();
        int answeredAtFirst = -1; // replies in when the operation's first request went out
        connect(&rig.session, &BmuSession::frameSent, this, [&] {
            if (answeredAtFirst < 0)
                answeredAtFirst = received.count();
        });
        QVERIFY(rig.session.start(new StatusRefresh(StatusRefresh::Scope::StatusOnly)));
        QCOMPARE(busy.count(), 1);
        QVERIFY(rig.session.isBusy());
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 3, 20000); // the status, the tower, the press
        QCOMPARE(ended[1].first().value<OperationResult>().outcome, Outcome::Cancelled);
        QCOMPARE(ended[2].first().value<OperationResult>().outcome, Outcome::Done);
        QCOMPARE(shown.count(), 0);
        QCOMPARE(answeredAtFirst, pressedAt);
        for (int i = pressedAt; i < sent.count(); ++i)
            QVERIFY2(sent[i].first().toByteArray() != page, "the live read went on");
        QCOMPARE(busy.count(), 2);
    }

    // An operation waiting for a background read to give way ends with the user's Cancel or
    // Disconnect, having sent nothing.
    void waitingOperationEnds_data() {
        QTest::addColumn<bool>("disconnect");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("Cancel") << false << Outcome::Cancelled;
        QTest::newRow("Disconnect") << true << Outcome::Stopped;
    }

    void waitingOperationEnds() {
        QFETCH(bool, disconnect);
        SessionRig rig;
        QVERIFY(rig.connectAndRefresh());
        rig.simulator.setReplyDelay(rig.ms(700)); // the echo of the BMS request is due
        rig.markLog();
        QVERIFY(rig.session.startInBackground(new BmsInfoRead(2)));
        QSignalSpy ended(&rig.session, &BmuSession::operationFinished);
        QSignalSpy busy(&rig.session, &BmuSession::busyChanged);
        QVERIFY(rig.session.start(new StatusRefresh(StatusRefresh::Scope::StatusOnly)));
        disconnect ? rig.session.disconnectFromBmu() : rig.session.cancel();
        QCOMPARE(ended.first().first().value<OperationResult>().operation, QString("refresh"));
        QTEST(ended.first().first().value<OperationResult>().outcome, "outcome");
        QCOMPARE(busy.count(), 2);
        QTRY_VERIFY(!rig.session.currentOperation());
        QTest::qWait(rig.ms(1000));
        for (const LoggedRequest& request : rig.requests)
            QVERIFY(!isStatusRequest(request.frame));
    }

    // The count byte of a high-voltage system: towers in the high hex digit, modules per
    // tower in the low one. The preset reports 0x25, two towers of five. (The byte written
    // back unchanged goes out in the fault matrix's setup write.)
    void setupWriteCountByte_data() {
        QTest::addColumn<SystemPreset>("preset");
        QTest::addColumn<bool>("readFirst");
        QTest::addColumn<QString>("typed"); // empty: the count as read
        QTest::addColumn<int>("written");   // the count byte; -1: refused
        QTest::addColumn<SetupBytes::Outcome>("outcome");
        const auto hv = SystemPreset::HighVoltage;
        const auto ok = SetupBytes::Ok, bad = SetupBytes::BadModulesPerTower;
        QTest::newRow("HV written back unchanged") << hv << true << "" << 0x25 << ok;
        QTest::newRow("HV four modules") << hv << true << "4" << 0x24 << ok;
        QTest::newRow("HV hex digit as read") << hv << true << "c" << 0x2c << ok;
        QTest::newRow("HV fifteen") << hv << true << "15" << 0x2f << ok;
        QTest::newRow("HV sixteen") << hv << true << "16" << -1 << bad;
        QTest::newRow("HV two letters") << hv << true << "ab" << -1 << bad;
        QTest::newRow("HV before any setup read")
            << hv << false << "5" << -1 << SetupBytes::NoSetupRead;
        QTest::newRow("LV decimal count") << SystemPreset::LowVoltage << true << "12" << 12 << ok;
    }

    void setupWriteCountByte() {
        QFETCH(SystemPreset, preset);
        QFETCH(bool, readFirst);
        QFETCH(QString, typed);
        QFETCH(int, written);
        SessionRig rig(preset, 0.1);
        QVERIFY(readFirst ? rig.connectAndRefresh() : rig.connectLink());
        const SetupSelection s = rig.session.snapshot().setup.value_or(SetupSelection{});
        const SetupBytes setup = composeSetupWrite(
            rig.session.snapshot(), readFirst ? s.inverterName : QStringLiteral("Fronius HV"),
            typed.isEmpty() ? s.moduleCount : typed, s.batteryTypeIndex, s.gridIndex, s.phaseIndex);
        QTEST(setup.outcome, "outcome");
        if (written < 0)
            QVERIFY(!setupRefusalMessage(setup.outcome).isEmpty());
        else
            QCOMPARE(quint8(setup.bytes.at(1)), quint8(written));
    }

    void linkObservers_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("arguments"); // of the program, which sets up the traces
        QTest::addColumn<bool>("crcErrors");
        QTest::addColumn<bool>("timeouts");
        QTest::newRow("sound, --trace")
            << "sound" << QStringList{"voltaro", "--trace"} << false << false;
        QTest::newRow("corrupt2") << "corrupt2" << QStringList{"voltaro"} << true << true;
        QTest::newRow("drop3") << "drop3" << QStringList{"voltaro"} << false << true;
    }

    // A refresh watched by the link monitor and the traces. The monitor's rows are the
    // frames the BMU received and answered, under link faults too. Traces are off by
    // default; with --trace each frame sent or received is one line of voltaro.link, and no
    // trace line holds anything but printable ASCII.
    void linkObservers() {
        QFETCH(QString, fault);
        QFETCH(bool, crcErrors);
        QFETCH(bool, timeouts);
        QFETCH(QStringList, arguments);
        const CommandLine command = parseCommandLine(arguments);
        QVERIFY(command.error.isEmpty());
        SessionRig rig;
        LinkMonitor monitor(&rig.session);
        QVERIFY(rig.connectLink());
        for (const LinkFault& f : linkFaults())
            if (f.name == fault)
                f.apply(rig.simulator, rig.scale);
        monitor.setRecording(true);
        rig.markLog();
        QSignalSpy framesOut(&rig.session, &BmuSession::frameSent);
        QSignalSpy framesIn(&rig.session, &BmuSession::frameReceived);
        QLoggingCategory::setFilterRules(command.trace ? QLatin1String(TraceAllRule) : QString());
        traces.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureTrace);
        const OperationResult result = rig.run(new StatusRefresh);
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(result.outcome == Outcome::Done, !timeouts);
        QCOMPARE(traces.filter(QRegularExpression("^voltaro\\.link: ")).size(),
                 command.trace ? framesOut.count() + framesIn.count() : 0);
        for (const QString& line : qAsConst(traces))
            QVERIFY2(line.contains(QRegularExpression("^[\\x20-\\x7e]*$")), qPrintable(line));

        const LinkLog& log = *monitor.log();
        QVector<QByteArray> sent;
        int badRows = 0;
        for (int row = 0; row < log.rowCount(); ++row) {
            const FrameRecord& r = log.record(row);
            if (r.direction == FrameRecord::Direction::Sent) {
                sent << r.bytes;
                QCOMPARE(r.latencyMs, -1.0);
            } else {
                badRows += r.crcGood ? 0 : 1;
                QVERIFY(r.latencyMs >= 0 || fault != "sound"); // each reply has its request
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
    }

    // An operation started the moment the last one ends (its end comes to the monitor
    // after the next request has gone out): nothing of either is taken for unanswered.
    void monitorNextOperationAtOnce() {
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
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
