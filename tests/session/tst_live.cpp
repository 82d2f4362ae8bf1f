// The live view against the simulated BMU at scaled timing, the refusals of a session
// without a link, and the setup write's count byte.

#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "monitor/liverefresh.h"
#include "tests/session/operations.h"

class TestLive : public QObject {
    Q_OBJECT

private slots:
    void followsTheValues();
    void otherOperationsRunAlone_data();
    void otherOperationsRunAlone();
    void pausesWithoutLink();
    void refusedWithoutLink_data();
    void refusedWithoutLink();
    void setupWriteCountByte_data();
    void setupWriteCountByte();
    void linkLossIsSaidAtOnce();
};

namespace {

QByteArray statusRequest(int part) {
    return hexToBytes(QLatin1String(part == 1 ? Command::StatusFirst : Command::StatusSecond));
}

bool isStatusRequest(const QByteArray& frame) {
    return frame == statusRequest(1) || frame == statusRequest(2);
}

constexpr int SocRegister = 0x0500;

} // namespace

void TestLive::followsTheValues() {
    SessionRig rig(SystemPreset::HighVoltage, 0.1);
    QVERIFY(rig.connectLink());
    LiveRefresh live(&rig.session);
    live.setIntervalMs(300);
    QSignalSpy reads(&rig.session, &BmuSession::statusRead);
    live.setEnabled(true);
    for (int soc : {37, 61, 12}) {
        rig.simulator.setRegister(SocRegister, quint16(soc));
        // The read under way may have gone out before the change: the one after it shows it.
        QTRY_COMPARE_WITH_TIMEOUT(rig.session.snapshot().overview.soc, soc, 3000);
    }
    QVERIFY(live.statusText().startsWith(QStringLiteral("Live · updated ")));
    // The same two requests as a refresh, nothing else, and never closer than the interval
    // from one pair to the next.
    QVERIFY(reads.count() >= 3);
    for (int i = 0; i < rig.requests.size(); ++i) {
        QCOMPARE(rig.requests[i].frame, statusRequest(i % 2 == 0 ? 1 : 2));
        if (i % 2 == 0 && i > 0)
            QVERIFY2(rig.requests[i].gapMs >= 150, "a read came early"); // half the interval
    }
}

void TestLive::otherOperationsRunAlone_data() {
    QTest::addColumn<QString>("operation");
    QTest::newRow("history read") << "history-bmu-45";
    QTest::newRow("firmware transfer") << "firmware-bmu";
}

void TestLive::otherOperationsRunAlone() {
    QFETCH(QString, operation);
    SessionRig rig(SystemPreset::HighVoltage, 0.1);
    QVERIFY(rig.connectLink());
    QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    LiveRefresh live(&rig.session);
    live.setIntervalMs(100); // falls due many times while the operation runs
    live.setEnabled(true);
    QTRY_VERIFY(!live.statusText().contains(QStringLiteral("reading")) && !rig.session.isBusy());

    rig.markLog();
    QSignalSpy ended(&rig.session, &BmuSession::operationFinished);
    int operationRequests = -1; // the requests received up to the operation's end
    connect(&rig.session, &BmuSession::operationFinished, this,
            [&] { operationRequests = rig.requests.size(); });
    QVERIFY(rig.session.start(operationNamed(rig, operation)));
    const QString running = rig.session.currentOperation()->name();
    QTRY_COMPARE(live.statusText(), QStringLiteral("Paused: %1 running").arg(running));
    QTRY_VERIFY_WITH_TIMEOUT(!ended.isEmpty(), 60000);
    QCOMPARE(ended.first().first().value<OperationResult>().outcome, Outcome::Done);
    QVERIFY(operationRequests > 0);
    for (int i = 0; i < operationRequests; ++i)
        QVERIFY2(!isStatusRequest(rig.requests[i].frame), "a status read interleaved");

    // Live resumes at once with the read that fell due.
    QTRY_VERIFY(rig.requests.size() > operationRequests);
    QVERIFY(isStatusRequest(rig.requests.value(operationRequests).frame));
}

void TestLive::pausesWithoutLink() {
    SessionRig rig(SystemPreset::HighVoltage, 0.1);
    LiveRefresh live(&rig.session);
    live.setIntervalMs(50);
    live.setEnabled(true);
    QCOMPARE(live.statusText(), QStringLiteral("Not connected"));
    QTest::qWait(300);
    QCOMPARE(rig.requests.size(), 0);
    QSignalSpy reads(&rig.session, &BmuSession::statusRead);
    QVERIFY(rig.connectLink());
    QVERIFY(reads.wait(2000)); // at once on the link's return, not an interval later
    rig.session.link()->disconnectFromBmu();
    QTRY_COMPARE(live.statusText(), QStringLiteral("Not connected"));
    live.setEnabled(false);
    QCOMPARE(live.statusText(), QString());
}

void TestLive::refusedWithoutLink_data() {
    QTest::addColumn<QString>("operation");
    for (const char* name : {"refresh", "bmsinfo", "history-bmu-45", "firmware-bmu"})
        QTest::newRow(name) << name;
}

void TestLive::refusedWithoutLink() {
    QFETCH(QString, operation);
    SessionRig rig;
    QSignalSpy busy(&rig.session, &BmuSession::busyChanged);
    const OperationResult result = rig.run(operationNamed(rig, operation));
    QCOMPARE(result.operation, QStringLiteral("refused"));
    QCOMPARE(result.message, QStringLiteral("Not connected to the BMU: press Connect first."));
    QCOMPARE(busy.count(), 0);
    QCOMPARE(rig.simulator.requestLog().size(), 0);
}

// The count byte of a high-voltage system: towers in the high hex digit, modules per tower
// in the low one. The preset reports 0x25, two towers of five.
void TestLive::setupWriteCountByte_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<bool>("readFirst");
    QTest::addColumn<QString>("typed"); // empty: the count as read
    QTest::addColumn<int>("written");   // -1: refused, nothing sent
    QTest::addColumn<int>("refusal");
    const int hv = int(SystemPreset::HighVoltage);
    const int lv = int(SystemPreset::LowVoltage);
    QTest::newRow("HV written back unchanged") << hv << true << "" << 0x25 << int(SetupBytes::Ok);
    QTest::newRow("HV four modules") << hv << true << "4" << 0x24 << int(SetupBytes::Ok);
    QTest::newRow("HV hex digit as read") << hv << true << "c" << 0x2c << int(SetupBytes::Ok);
    QTest::newRow("HV fifteen") << hv << true << "15" << 0x2f << int(SetupBytes::Ok);
    QTest::newRow("HV sixteen") << hv << true << "16" << -1 << int(SetupBytes::BadModulesPerTower);
    QTest::newRow("HV two letters")
        << hv << true << "ab" << -1 << int(SetupBytes::BadModulesPerTower);
    QTest::newRow("HV before any setup read")
        << hv << false << "5" << -1 << int(SetupBytes::NoSetupRead);
    QTest::newRow("LV decimal count") << lv << true << "12" << 12 << int(SetupBytes::Ok);
    QTest::newRow("LV before any setup read")
        << lv << false << "" << -1 << int(SetupBytes::NoSetupRead);
}

void TestLive::setupWriteCountByte() {
    QFETCH(int, preset);
    QFETCH(bool, readFirst);
    QFETCH(QString, typed);
    QFETCH(int, written);
    QFETCH(int, refusal);
    SessionRig rig(SystemPreset(preset), 0.1);
    QVERIFY(rig.connectLink());
    if (readFirst)
        QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    const SetupSelection s = rig.session.snapshot().setup.value_or(SetupSelection{});
    const SetupBytes setup = composeSetupWrite(
        rig.session.snapshot(), readFirst ? s.inverterName : QStringLiteral("Fronius HV"),
        typed.isEmpty() ? s.moduleCount : typed, s.batteryTypeIndex, s.gridIndex, s.phaseIndex);
    QCOMPARE(int(setup.outcome), refusal);
    if (written < 0) {
        QVERIFY(!setupRefusalMessage(setup.outcome).isEmpty());
        return;
    }
    QCOMPARE(quint8(setup.bytes.at(1)), quint8(written));
    if ((written & 0x0F) > 5)
        return; // more modules than the simulated towers hold: composed, not sent
    QCOMPARE(rig.run(new SetupWrite(setup.bytes)).outcome, Outcome::Done);
    QCOMPARE(rig.simulator.setupWrites().size(), 1);
    QCOMPARE(quint8(rig.simulator.setupWrites().first().at(1)), quint8(written));
    // The refresh after the write reads back what the BMU now holds.
    QCOMPARE(rig.session.snapshot().setupCountByte, quint8(written));
}

void TestLive::linkLossIsSaidAtOnce() {
    SessionRig rig(SystemPreset::HighVoltage, 0.1);
    QVERIFY(rig.connectLink());
    QCOMPARE(rig.run(new StatusRefresh).outcome, Outcome::Done);
    rig.recordNotes();
    QSignalSpy down(rig.session.link(), &BmuLink::disconnected);
    QVERIFY(rig.session.start(new HistoryRead(0, 5)));
    QTRY_VERIFY(!rig.requests.isEmpty());
    rig.simulator.close();
    QVERIFY(down.wait(2000));
    // Said with the drop itself, long before the read's own time-out would end it.
    QVERIFY(rig.session.isBusy());
    QCOMPARE(rig.notes().filter(QStringLiteral("link to the BMU was lost")).size(), 1);
    QVERIFY(rig.notes().filter(QStringLiteral("lost")).first().contains("history read"));
    rig.session.disconnectFromBmu();
}

QTEST_GUILESS_MAIN(TestLive)
#include "tst_live.moc"
