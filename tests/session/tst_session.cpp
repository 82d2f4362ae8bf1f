// The session without a window: the link's connecting and reconnecting, one operation at
// a time, and how operations end (cancelled, stopped, stalled, unconfirmed).

#include "config/setupread.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "tests/session/operations.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class TestSession : public QObject {
    Q_OBJECT

private slots:
    // Link.
    void connectFailsWithinTheLimit();
    void userDisconnectStaysDisconnected();
    void droppedLinkIsReestablished();
    void exceptionReplyIsOneLine();
    void reconnectionBacksOff();
    void strayFramesEndWithOneLine_data();
    void strayFramesEndWithOneLine();

    // Session.
    void headlessRound();
    void secondOperationIsRefused_data();
    void secondOperationIsRefused();
    void busyUntilTheLastPage();
    void disconnectStopsTheOperation_data();
    void disconnectStopsTheOperation();
    void historyCancelEndsAfterTheBlock();
    void historyStallSaysWhere();
    void setupWithoutEchoIsNotWritten();
    void bmsReadWithoutBms();
};

void TestSession::connectFailsWithinTheLimit() {
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    BmuLink link;
    link.setEndpoint(QStringLiteral("127.0.0.1"), port);
    QSignalSpy failed(&link, &BmuLink::connectFailed);
    link.connectToBmu();
    QVERIFY(failed.wait(6000));
    QVERIFY(!link.isConnected());
}

void TestSession::userDisconnectStaysDisconnected() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    BmuLink link;
    link.setEndpoint(QStringLiteral("127.0.0.1"), server.serverPort());
    QSignalSpy up(&link, &BmuLink::connected);
    link.connectToBmu();
    QVERIFY(up.wait());
    QCOMPARE(up.first().first().toBool(), true); // the user's own attempt
    QTRY_VERIFY(server.hasPendingConnections());
    QTcpSocket* peer = server.nextPendingConnection();
    QSignalSpy peerClosed(peer, &QTcpSocket::disconnected);
    QSignalSpy newConnections(&server, &QTcpServer::newConnection);
    link.disconnectFromBmu();
    QVERIFY(peerClosed.count() > 0 || peerClosed.wait(3000));
    QVERIFY(!newConnections.wait(1500)); // no reconnection after the user's Disconnect
}

void TestSession::droppedLinkIsReestablished() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    BmuLink link;
    link.setEndpoint(QStringLiteral("127.0.0.1"), server.serverPort());
    QSignalSpy up(&link, &BmuLink::connected);
    link.connectToBmu();
    QVERIFY(up.wait());
    QTRY_VERIFY(server.hasPendingConnections());
    QSignalSpy newConnections(&server, &QTcpServer::newConnection);
    server.nextPendingConnection()->close(); // the BMU drops the link
    QVERIFY(newConnections.wait(5000));
    QVERIFY(up.count() == 2 || up.wait());
    QCOMPARE(up.last().first().toBool(), false); // not the user's attempt: no message box
}

void TestSession::exceptionReplyIsOneLine() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    BmuSession session;
    session.link()->setEndpoint(QStringLiteral("127.0.0.1"), server.serverPort());
    QSignalSpy up(session.link(), &BmuLink::connected);
    session.link()->connectToBmu();
    QVERIFY(up.wait());
    QTRY_VERIFY(server.hasPendingConnections());
    QTcpSocket* peer = server.nextPendingConnection();
    QSignalSpy notes(&session, &BmuSession::note);
    const QByteArray exception = hexToBytes(appendCrcHex(QStringLiteral("01 83 02")));
    peer->write(exception.left(2)); // split: the frame is assembled first
    peer->flush();
    QTest::qWait(50);
    peer->write(exception.mid(2));
    QVERIFY(notes.wait());
    QCOMPARE(notes.count(), 1);
    QVERIFY(notes.first().first().value<PaneNote>().text.contains(
        QStringLiteral("exception 02 (illegal data address)")));
}

void TestSession::reconnectionBacksOff() {
    // A BMU that accepts and closes at once.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int accepted = 0;
    connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* peer = server.nextPendingConnection()) {
            accepted += 1;
            peer->close();
            peer->deleteLater();
        }
    });
    BmuLink link;
    SessionTiming timing;
    timing.reconnectFirstMs = 100;
    timing.reconnectLimitMs = 400;
    link.setTiming(timing);
    link.setEndpoint(QStringLiteral("127.0.0.1"), server.serverPort());
    QSignalSpy attempts(&link, &BmuLink::reconnecting);
    link.connectToBmu();
    QTest::qWait(2000);
    // At once, then after 100, 200, 400, 400 ... ms: a handful, not thousands.
    QVERIFY2(accepted >= 3 && accepted <= 10, qPrintable(QString::number(accepted)));
    QVERIFY(attempts.count() >= 2);
    QCOMPARE(attempts.at(1).first().toInt(), 2); // attempts are counted
    link.disconnectFromBmu();
}

void TestSession::strayFramesEndWithOneLine_data() {
    QTest::addColumn<QByteArray>("stray");
    QTest::addColumn<bool>("setup"); // a setup write instead of a refresh
    const QByteArray shortReply = hexToBytes(appendCrcHex(QStringLiteral("01 03 04 00 01 00 02")));
    const QByteArray otherEcho = hexToBytes(appendCrcHex(QStringLiteral("01 10 07 00 00 01")));
    QTest::newRow("replies of another length") << shortReply << false;
    QTest::newRow("garbage") << QByteArray::fromHex("ff00ee11dd22cc33bb44") << false;
    QTest::newRow("echoes of nothing") << otherEcho << false;
    QTest::newRow("setup write answered by another reply") << shortReply << true;
    QTest::newRow("setup write answered by another echo") << otherEcho << true;
}

void TestSession::strayFramesEndWithOneLine() {
    QFETCH(QByteArray, stray);
    QFETCH(bool, setup);
    // A peer that floods the link with what is no reply of the refresh.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QTimer flood;
    QPointer<QTcpSocket> peer;
    connect(&server, &QTcpServer::newConnection, [&] { peer = server.nextPendingConnection(); });
    connect(&flood, &QTimer::timeout, [&] {
        if (peer)
            peer->write(stray);
    });
    flood.start(5);
    BmuSession session;
    session.setTiming(SessionTiming().scaled(0.2));
    session.link()->setEndpoint(QStringLiteral("127.0.0.1"), server.serverPort());
    QSignalSpy up(session.link(), &BmuLink::connected);
    session.link()->connectToBmu();
    QVERIFY(up.wait());
    QStringList lines;
    connect(&session, &BmuSession::note, [&](const PaneNote& n) {
        if (n.kind != PaneNote::Kind::Clear)
            lines << n.text;
    });
    QSignalSpy busy(&session, &BmuSession::busyChanged);
    QSignalSpy ended(&session, &BmuSession::operationFinished);
    QSignalSpy written(&session, &BmuSession::setupWritten);
    QVERIFY(session.start(
        setup ? static_cast<Operation*>(new SetupWrite(QByteArray::fromHex("070201000100")))
              : new StatusRefresh));
    QVERIFY(ended.wait(5000));
    QCOMPARE(ended.first().first().value<OperationResult>().outcome, Outcome::Failed);
    QCOMPARE(lines, QStringList{setup ? "The BMU did not confirm the setup: nothing is known to "
                                        "be written."
                                      : "No valid reply from the BMU: the refresh ended."});
    QCOMPARE(written.count(), 0);
    QCOMPARE(busy.count(), 2); // the buttons follow the operation, not the frames
}

void TestSession::headlessRound() {
    // The whole tool's link work runs in a process without a single widget.
    QVERIFY(!QCoreApplication::instance()->inherits("QGuiApplication"));
    SessionRig rig(SystemPreset::HighVoltage, 0.1);
    QVERIFY(rig.connectLink());
    QSignalSpy bms(&rig.session, &BmuSession::bmsInfoRead);
    QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    QVERIFY(rig.session.snapshot().serial().startsWith(QLatin1String("P03")));
    QCOMPARE(rig.run(new BmsInfoRead(2)).outcome, Outcome::Done);
    QCOMPARE(bms.last().at(0).toInt(), 2);

    QSignalSpy blocks(&rig.session, &BmuSession::historyBlockRead);
    QCOMPARE(rig.run(new HistoryRead(0, 3)).outcome, Outcome::Done); // 45 records: 3 blocks
    QCOMPARE(blocks.count(), 3);

    const QByteArray image = SessionRig::imageOf(1000);
    QCOMPARE(rig.run(firmwareTransfer(rig, image)).outcome, Outcome::Done);
    QCOMPARE(rig.simulator.bmuFirmwareImage(), image);
}

void TestSession::secondOperationIsRefused_data() {
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("table update during a firmware update") << "firmware"
                                                           << "table";
    QTest::newRow("setup read during a table update") << "table"
                                                      << "setup read";
    QTest::newRow("refresh during a BMS information read") << "bms"
                                                           << "refresh";
}

void TestSession::secondOperationIsRefused() {
    QFETCH(QString, running);
    QFETCH(QString, pressed);
    SessionRig rig;
    QVERIFY(rig.connectLink());
    QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    rig.recordNotes();
    const QByteArray image = SessionRig::imageOf(2000);
    Operation* first = running == "firmware" ? firmwareTransfer(rig, image)
                       : running == "table"  ? tableTransfer(rig)
                                             : new BmsInfoRead(1);
    QSignalSpy ended(&rig.session, &BmuSession::operationFinished);
    rig.markLog();
    QVERIFY(rig.session.start(first));
    QTRY_VERIFY(rig.requests.size() >= 3); // well into the first operation
    QVERIFY(rig.session.isBusy());

    Operation* second = pressed == "table"        ? tableTransfer(rig)
                        : pressed == "setup read" ? static_cast<Operation*>(new SetupRead(1))
                                                  : new StatusRefresh;
    QString refusal;
    QVERIFY(!rig.session.start(second, &refusal));
    QVERIFY(refusal.contains(QStringLiteral("Another operation is running")));

    QVERIFY(ended.wait(30000));
    const OperationResult result = ended.first().first().value<OperationResult>();
    QCOMPARE(result.outcome, Outcome::Done);
    if (running == "firmware")
        QCOMPARE(rig.simulator.bmuFirmwareImage(), image);
    if (running == "table")
        QCOMPARE(rig.simulator.tableBytes(), demoTableBytes(rig.profile()));
    // Exactly one verdict, the first operation's own.
    QCOMPARE(rig.notes().filter(QStringLiteral("uccessful")).size(), running == "bms" ? 0 : 1);
}

void TestSession::busyUntilTheLastPage() {
    SessionRig rig;
    QVERIFY(rig.connectLink());
    QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    rig.markLog();
    int pageReadsAtIdle = -1;
    QObject::connect(&rig.session, &BmuSession::busyChanged, [&](bool busy) {
        if (!busy)
            pageReadsAtIdle = int(std::count_if(
                rig.requests.cbegin(), rig.requests.cend(), [](const LoggedRequest& r) {
                    return r.frame == hexToBytes(QLatin1String(Command::BmsInfoPage));
                }));
    });
    QCOMPARE(rig.run(new BmsInfoRead(1)).outcome, Outcome::Done);
    // The buttons come back with the last page, not on a timer while pages are read.
    QCOMPARE(pageReadsAtIdle, 4);
}

void TestSession::disconnectStopsTheOperation_data() {
    QTest::addColumn<QString>("operation");
    QTest::newRow("firmware update") << "firmware";
    QTest::newRow("history read") << "history";
}

void TestSession::disconnectStopsTheOperation() {
    QFETCH(QString, operation);
    SessionRig rig;
    QVERIFY(rig.connectLink());
    QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    rig.recordNotes();
    QSignalSpy ended(&rig.session, &BmuSession::operationFinished);
    QVERIFY(rig.session.start(operation == "firmware"
                                  ? firmwareTransfer(rig, SessionRig::imageOf(20000))
                                  : static_cast<Operation*>(new HistoryRead(0, 5))));
    QTest::qWait(rig.ms(1500));
    rig.session.disconnectFromBmu();
    QCOMPARE(ended.count(), 1);
    const OperationResult result = ended.first().first().value<OperationResult>();
    QCOMPARE(result.outcome, Outcome::Stopped);
    QVERIFY(!rig.session.isBusy());
    if (operation == "firmware") {
        QVERIFY(rig.notes().filter(QStringLiteral("Successful")).isEmpty());
        QVERIFY(rig.notes().last().contains(QStringLiteral("did not end")));
    }
    const int sent = rig.requests.size();
    QTest::qWait(rig.ms(4000));
    QCOMPARE(rig.requests.size(), sent); // nothing more goes out
}

void TestSession::historyCancelEndsAfterTheBlock() {
    SessionRig rig;
    QVERIFY(rig.connectLink());
    QSignalSpy blocks(&rig.session, &BmuSession::historyBlockRead);
    QVERIFY(rig.session.start(new HistoryRead(0, 5)));
    QVERIFY(blocks.wait());
    rig.session.cancel();
    QSignalSpy ended(&rig.session, &BmuSession::operationFinished);
    QVERIFY(ended.wait());
    QCOMPARE(ended.first().first().value<OperationResult>().outcome, Outcome::Cancelled);
    QVERIFY(blocks.count() < 5);
}

void TestSession::historyStallSaysWhere() {
    SessionRig rig;
    QVERIFY(rig.connectLink());
    QSignalSpy blocks(&rig.session, &BmuSession::historyBlockRead);
    QVERIFY(rig.session.start(new HistoryRead(0, 3)));
    QVERIFY(blocks.wait());
    rig.simulator.setDropEveryNth(1); // the BMU falls silent
    QSignalSpy ended(&rig.session, &BmuSession::operationFinished);
    QVERIFY(ended.wait(rig.ms(20000)));
    const OperationResult result = ended.first().first().value<OperationResult>();
    QCOMPARE(result.outcome, Outcome::Failed);
    QCOMPARE(result.message, QStringLiteral("No response from the BMU: reading the history "
                                            "stopped after 1 of 3 blocks."));
}

void TestSession::setupWithoutEchoIsNotWritten() {
    SessionRig rig;
    QVERIFY(rig.connectLink());
    QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    rig.recordNotes();
    QSignalSpy written(&rig.session, &BmuSession::setupWritten);
    rig.simulator.setDropEveryNth(1);
    const OperationResult result = rig.run(setupWriteOfRead(rig));
    QCOMPARE(result.outcome, Outcome::Failed);
    QCOMPARE(written.count(), 0);
    QVERIFY(rig.notes().filter(QStringLiteral("setting susseccful")).isEmpty());
    QVERIFY(rig.notes().last().contains(QStringLiteral("did not confirm")));
}

void TestSession::bmsReadWithoutBms() {
    SessionRig rig;
    QVERIFY(rig.connectLink());
    rig.recordNotes();
    QCOMPARE(rig.run(new BmsInfoRead(0)).outcome, Outcome::Failed);
    QCOMPARE(rig.requests.size(), 0);
    QVERIFY(rig.notes().first().contains(QStringLiteral("press Refresh")));
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
