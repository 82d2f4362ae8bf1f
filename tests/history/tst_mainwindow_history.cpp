#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "records.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>

using namespace TestRecords;

namespace {
const QStringList erasedRow{"20255-255-255 255:255:255", "255", "No Defined",
                            QStringLiteral("ff ").repeated(23)};
} // namespace

// Reading history through the main window from the in-process simulated BMU.
class TestMainWindowHistory : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void cleanupTestCase() { QDir::setCurrent(previousFolder); }
    void bmuReadShowsWholeBlocks();
    void bmsReadFillsItsTableAndRewritesEvents();
    void selectorChangeDuringSlowRead();
    void badQuantitiesAreRefused_data();
    void badQuantitiesAreRefused();
    void clearEmptiesOnlySelectedTable();
    void stalledReadEndsWithMessage_data();
    void stalledReadEndsWithMessage();
    void cancelStopsAfterCurrentBlock();
    void cancelWhileUnitNeverReady();

private:
    QTemporaryDir folder;
    QString previousFolder;
};

// Three blocks, their replies split into pieces: 45 records and 15 erased ones after them.
void TestMainWindowHistory::bmuReadShowsWholeBlocks() {
    HistoryRig rig;
    QVector<QByteArray> log = numberedLog(45);
    log[1] = record(2, hex("01"), timeOf(1));
    rig.sim.device().setHistoryRecords(0, log);
    rig.sim.setSplitReplies(3, 20);
    rig.child<QLabel>("label_SN")->setText(QStringLiteral("P03E1QPB2306150017"));
    rig.events()->setItem(0, 0, new QTableWidgetItem(QStringLiteral("earlier event")));
    QVERIFY(rig.connectLink());

    rig.read(QStringLiteral("45"));
    QVERIFY(rig.progress() && rig.progress()->isVisible());
    QCOMPARE(rig.progress()->maximum(), 3);
    QVERIFY(!rig.readButton()->isEnabled());

    QTableWidget* table = rig.table(0);
    QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 60, 4 * BlockMs);
    QTRY_VERIFY(!rig.progress()->isVisible());
    QCOMPARE(rig.blockSelectors(), (QVector<int>{0, 0, 0}));
    QCOMPARE(rig.rowTexts(table, 0), (QStringList{timeText(0), "101", "Firmware Start to Update",
                                                  QStringLiteral("00 ").repeated(23)}));
    QCOMPARE(rig.rowTexts(table, 1).mid(0, 3), (QStringList{timeText(1), "02", "Events appear"}));
    for (int k = 2; k < 45; ++k) {
        QCOMPARE(table->item(k, 0)->text(), timeText(k));
        QCOMPARE(table->item(k, 3)->text().left(3),
                 QStringLiteral("%1 ").arg(k, 2, 16, QLatin1Char('0')));
    }
    for (int k = 45; k < 60; ++k)
        QCOMPARE(rig.rowTexts(table, k), erasedRow);
    // BMU blocks leave the Events table alone.
    QCOMPARE(rig.events()->item(0, 0)->text(), QStringLiteral("earlier event"));
    QVERIFY(rig.messages().isEmpty());
    QTRY_VERIFY(rig.readButton()->isEnabled());
}

void TestMainWindowHistory::bmsReadFillsItsTableAndRewritesEvents() {
    HistoryRig rig;
    QVector<QByteArray> log = numberedLog(25, 4);
    log[2] = record(2, hex("0000 0100 0000 0080"), timeOf(2)); // level 2 and alarm
    log[7] = record(2, hex("0000 0000 0010"), timeOf(7));      // level 3
    rig.sim.device().setHistoryRecords(2, log);
    QTableWidget* events = rig.events();
    for (int row = 0; row < 5; ++row)
        events->setItem(row, 0, new QTableWidgetItem(QStringLiteral("stale %1").arg(row)));
    QVERIFY(rig.connectLink());

    rig.unit()->setCurrentIndex(2);
    QCOMPARE(rig.child<QStackedWidget>("stackedWidget")->currentWidget(), rig.table(2));
    rig.read(QStringLiteral("20"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.table(2)->rowCount(), 20, BlockMs);
    QCOMPARE(rig.blockSelectors(), QVector<int>{2});
    QCOMPARE(rig.rowTexts(rig.table(2), 7).mid(0, 3),
             (QStringList{timeText(7), "02", "Events record"}));
    QCOMPARE(rig.rowTexts(events, 0),
             (QStringList{timeText(2), "Warning Level2", "Battery Over Voltage;"}));
    QCOMPARE(rig.rowTexts(events, 1),
             (QStringList{timeText(2), "Alarm", "Functional Safety Failure;"}));
    QCOMPARE(rig.rowTexts(events, 2),
             (QStringList{timeText(7), "Warning Level3", "Short Circuit;"}));
    QCOMPARE(events->item(3, 0)->text(), QStringLiteral("stale 3"));
    QCOMPARE(events->rowCount(), 250);
    QCOMPARE(rig.table(0)->rowCount(), 0);
    QCOMPARE(rig.table(1)->rowCount(), 0);

    // A second read of the same unit goes on where the first stopped and appends.
    QTRY_VERIFY_WITH_TIMEOUT(rig.readButton()->isEnabled(), BlockMs);
    rig.read(QStringLiteral("1"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.table(2)->rowCount(), 40, BlockMs);
    QCOMPARE(rig.table(2)->item(19, 0)->text(), timeText(19));
    QCOMPARE(rig.table(2)->item(20, 0)->text(), timeText(20));
    QCOMPARE(rig.table(2)->item(25, 2)->text(), QStringLiteral("Not defined"));
    // No events in that block: the Events rows stay.
    QCOMPARE(events->item(0, 1)->text(), QStringLiteral("Warning Level2"));
}

// A slow unit answers "not ready" to several polls; meanwhile the user picks BMS1, and the
// block is decoded and shown for that unit.
void TestMainWindowHistory::selectorChangeDuringSlowRead() {
    HistoryRig rig;
    rig.sim.device().setHistoryRecords(0, {record(3, {}, timeOf(0)), record(11, {}, timeOf(1))});
    rig.sim.setReadinessDelay(3000); // five or six polls before the block is ready
    QVERIFY(rig.connectLink());
    rig.read(QStringLiteral("20"));
    rig.unit()->setCurrentIndex(1);
    QCOMPARE(rig.child<QStackedWidget>("stackedWidget")->currentIndex(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(rig.table(1)->rowCount(), 20, 2 * BlockMs);
    QVERIFY(rig.requestsOf(hexToBytes(QLatin1String(Command::HistoryReadyPoll))) >= 4);
    QCOMPARE(rig.table(0)->rowCount(), 0);
    QCOMPARE(rig.rowTexts(rig.table(1), 0).mid(1, 2), (QStringList{"03", "Timing Record"}));
    QCOMPARE(rig.rowTexts(rig.table(1), 1).mid(1, 2),
             (QStringList{"11", "CAN Communication failed"}));
    QVERIFY(rig.messages().isEmpty());
}

void TestMainWindowHistory::badQuantitiesAreRefused_data() {
    QTest::addColumn<QString>("quantity");
    QTest::newRow("empty") << "";
    QTest::newRow("zero") << "0";
    QTest::newRow("digits and a letter") << "12a";
    QTest::newRow("negative") << "-3";
    QTest::newRow("leading blank") << " 7";
    QTest::newRow("decimal point") << "2.5";
    QTest::newRow("beyond any counter") << "999999999999999999999999";
}

void TestMainWindowHistory::badQuantitiesAreRefused() {
    QFETCH(QString, quantity);
    HistoryRig rig;
    QVERIFY(rig.connectLink());
    rig.read(quantity);
    QCOMPARE(rig.messages(), QStringList{"Please input the correct Number."});
    QCOMPARE(rig.window.findChildren<QMessageBox*>().last()->windowTitle(),
             QStringLiteral("Error"));
    QVERIFY(!rig.progress());
    QVERIFY(rig.readButton()->isEnabled());
    QCOMPARE(rig.window.currentRequestState(), int(Idle));
    // Nothing reaches the BMU.
    QSignalSpy requests(&rig.sim, &BmuSimulator::requestReceived);
    QVERIFY(!requests.wait(300));
}

void TestMainWindowHistory::clearEmptiesOnlySelectedTable() {
    HistoryRig rig;
    for (int unit : {0, 2, 3})
        rig.table(unit)->setRowCount(5);
    rig.events()->setItem(0, 0, new QTableWidgetItem(QStringLiteral("event")));
    rig.unit()->setCurrentIndex(3);
    QCOMPARE(rig.child<QStackedWidget>("stackedWidget")->currentWidget(), rig.table(3));
    QTest::mouseClick(rig.child<QPushButton>("Btn_HistoryInfo_Clear"), Qt::LeftButton);
    QCOMPARE(rig.table(3)->rowCount(), 0);
    QCOMPARE(rig.table(0)->rowCount(), 5);
    QCOMPARE(rig.table(2)->rowCount(), 5);
    QCOMPARE(rig.events()->item(0, 0)->text(), QStringLiteral("event"));
    QCOMPARE(rig.events()->rowCount(), 250);
}

void TestMainWindowHistory::stalledReadEndsWithMessage_data() {
    QTest::addColumn<int>("dropEvery");
    QTest::addColumn<int>("blocksDone");
    QTest::addColumn<bool>("bytesLeftBehind");
    // Replies of a block: 1 the echo, 2 the readiness answer, 3..7 the pages.
    QTest::newRow("readiness poll unanswered") << 2 << 0 << false;
    QTest::newRow("page lost") << 4 << 0 << true;
    QTest::newRow("second block's poll unanswered") << 9 << 1 << false;
}

void TestMainWindowHistory::stalledReadEndsWithMessage() {
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
    rig.closeMessages();
    rig.sim.setDropEveryNth(0);
    rig.read(QStringLiteral("20"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.table(0)->rowCount(), 20, BlockMs);
    QCOMPARE(rig.table(0)->item(0, 0)->text(), timeText(20));
    QCOMPARE(rig.table(0)->item(19, 0)->text(), timeText(39));
    QCOMPARE(rig.table(0)->item(19, 1)->text(), QStringLiteral("101"));
}

void TestMainWindowHistory::cancelStopsAfterCurrentBlock() {
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

void TestMainWindowHistory::cancelWhileUnitNeverReady() {
    HistoryRig rig;
    rig.sim.setReadinessDelay(600000);
    QVERIFY(rig.connectLink());
    rig.read(QStringLiteral("20"));
    QTRY_VERIFY(rig.requestsOf(hexToBytes(QLatin1String(Command::HistoryReadyPoll))) >= 2);
    rig.progress()->cancel();

    QTRY_COMPARE(rig.window.currentRequestState(), int(Idle));
    QSignalSpy requests(&rig.sim, &BmuSimulator::requestReceived);
    QVERIFY(!requests.wait(1500));
    QCOMPARE(rig.table(0)->rowCount(), 0);
    QVERIFY(rig.messages().isEmpty());
}

QTEST_MAIN(TestMainWindowHistory)
#include "tst_mainwindow_history.moc"
