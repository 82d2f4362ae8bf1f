#include "historyrig.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "records.h"

#include <QTemporaryDir>

using namespace TestRecords;

namespace {

QVector<QByteArray> numberedLog(int count) {
    QVector<QByteArray> log;
    for (int k = 0; k < count; ++k)
        log << record(101, QByteArray(1, char(k)), timeOf(k));
    return log;
}

int requestsOf(const BmuSimulator& sim, const char* command) {
    return int(std::count(sim.requestLog().cbegin(), sim.requestLog().cend(),
                          hexToBytes(QLatin1String(command))));
}

} // namespace

class TestHistoryFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void splitRepliesAreReassembled();
    void stalledReadEndsWithMessage_data();
    void stalledReadEndsWithMessage();
    void slowUnitThatStillAnswersGoesOn();
    void cancelStopsAfterCurrentBlock();
    void cancelWhileUnitNeverReady();

private:
    QTemporaryDir folder;
    QString previousFolder;
};

void TestHistoryFaults::initTestCase() {
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
}

void TestHistoryFaults::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
}

void TestHistoryFaults::splitRepliesAreReassembled() {
    HistoryRig rig;
    rig.sim.device().setHistoryRecords(0, numberedLog(40));
    rig.sim.setSplitReplies(3, 20);
    QVERIFY(rig.connectLink());
    rig.read(QStringLiteral("40"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.table(0)->rowCount(), 40, 2 * BlockMs);
    for (int k : {0, 19, 20, 39}) {
        QCOMPARE(rig.table(0)->item(k, 0)->text(), timeText(k));
        QCOMPARE(rig.table(0)->item(k, 3)->text().left(3),
                 QStringLiteral("%1 ").arg(k, 2, 16, QLatin1Char('0')));
    }
    QVERIFY(rig.messages().isEmpty());
}

void TestHistoryFaults::stalledReadEndsWithMessage_data() {
    QTest::addColumn<int>("dropEvery");
    QTest::addColumn<int>("blocksDone");
    QTest::addColumn<bool>("bytesLeftBehind");
    // Replies of a block: 1 the echo, 2 the readiness answer, 3..7 the pages.
    QTest::newRow("readiness poll unanswered") << 2 << 0 << false;
    QTest::newRow("page lost") << 4 << 0 << true;
    QTest::newRow("second block's poll unanswered") << 9 << 1 << false;
}

void TestHistoryFaults::stalledReadEndsWithMessage() {
    QFETCH(int, dropEvery);
    QFETCH(int, blocksDone);
    QFETCH(bool, bytesLeftBehind);

    HistoryRig rig;
    rig.sim.device().setHistoryRecords(0, numberedLog(60));
    rig.sim.setDropEveryNth(dropEvery);
    QVERIFY(rig.connectLink());
    rig.read(QStringLiteral("40"));
    QVERIFY(rig.progress()->isVisible());

    const QString message = QStringLiteral("No response from the BMU: reading the history "
                                           "stopped after %1 of 2 blocks.")
                                .arg(blocksDone);
    QTRY_COMPARE_WITH_TIMEOUT(rig.messages(), QStringList{message}, 3 * BlockMs);
    QVERIFY(!rig.progress()->isVisible());
    QCOMPARE(rig.table(0)->rowCount(), 20 * blocksDone);
    QVERIFY(rig.readButton()->isEnabled());
    QCOMPARE(rig.window.currentRequestState(), int(Idle));

    if (!bytesLeftBehind)
        return;
    // The next read starts clean: no bytes of the stalled block shift its records. The BMU
    // moved on past the lost block, to record 20.
    for (QMessageBox* box : rig.window.findChildren<QMessageBox*>())
        box->close();
    rig.sim.setDropEveryNth(0);
    rig.read(QStringLiteral("20"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.table(0)->rowCount(), 20, BlockMs);
    QCOMPARE(rig.table(0)->item(0, 0)->text(), timeText(20));
    QCOMPARE(rig.table(0)->item(19, 0)->text(), timeText(39));
    QCOMPARE(rig.table(0)->item(19, 1)->text(), QStringLiteral("101"));
}

void TestHistoryFaults::slowUnitThatStillAnswersGoesOn() {
    HistoryRig rig;
    rig.sim.device().setHistoryRecords(0, numberedLog(20));
    rig.sim.setReadinessDelay(3000); // five or six polls before the block is ready
    QVERIFY(rig.connectLink());
    rig.read(QStringLiteral("20"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.table(0)->rowCount(), 20, 2 * BlockMs);
    QVERIFY(requestsOf(rig.sim, Command::HistoryReadyPoll) >= 4);
    QCOMPARE(rig.table(0)->item(19, 0)->text(), timeText(19));
    QVERIFY(rig.messages().isEmpty());
}

void TestHistoryFaults::cancelStopsAfterCurrentBlock() {
    HistoryRig rig;
    rig.sim.device().setHistoryRecords(0, numberedLog(100));
    QVERIFY(rig.connectLink());
    rig.read(QStringLiteral("100"));
    QTRY_COMPARE(rig.window.currentRequestState(), int(HistoryPages));
    rig.progress()->cancel();

    QTRY_COMPARE_WITH_TIMEOUT(rig.table(0)->rowCount(), 20, BlockMs);
    QTRY_COMPARE(rig.window.currentRequestState(), int(Idle));
    QSignalSpy requests(&rig.sim, &BmuSimulator::requestReceived);
    QVERIFY(!requests.wait(2000));
    QCOMPARE(rig.blockSelectors().size(), 1);
    QCOMPARE(rig.table(0)->rowCount(), 20);
    QVERIFY(rig.messages().isEmpty());
}

void TestHistoryFaults::cancelWhileUnitNeverReady() {
    HistoryRig rig;
    rig.sim.setReadinessDelay(600000);
    QVERIFY(rig.connectLink());
    rig.read(QStringLiteral("20"));
    QTRY_VERIFY(requestsOf(rig.sim, Command::HistoryReadyPoll) >= 2);
    rig.progress()->cancel();

    QTRY_COMPARE(rig.window.currentRequestState(), int(Idle));
    QSignalSpy requests(&rig.sim, &BmuSimulator::requestReceived);
    QVERIFY(!requests.wait(1500));
    QCOMPARE(rig.table(0)->rowCount(), 0);
    QVERIFY(rig.messages().isEmpty());
}

QTEST_MAIN(TestHistoryFaults)
#include "tst_historyfaults.moc"
