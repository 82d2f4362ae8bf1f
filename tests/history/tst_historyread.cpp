#include "historyrig.h"
#include "records.h"

#include <QTemporaryDir>

using namespace TestRecords;

namespace {

const QStringList erasedRow{"20255-255-255 255:255:255", "255", "No Defined",
                            QStringLiteral("ff ").repeated(23)};

} // namespace

class TestHistoryRead : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void bmuReadShowsWholeBlocks();
    void bmsReadFillsItsTableAndRewritesEvents();
    void selectorChangeDuringReadDecodesForNewUnit();
    void badQuantitiesAreRefused_data();
    void badQuantitiesAreRefused();
    void clearEmptiesOnlySelectedTable();

private:
    QTemporaryDir folder;
    QString previousFolder;
};

void TestHistoryRead::initTestCase() {
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
}

void TestHistoryRead::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
}

void TestHistoryRead::bmuReadShowsWholeBlocks() {
    HistoryRig rig;
    QVector<QByteArray> log;
    for (int k = 0; k < 45; ++k)
        log << record(k == 1 ? 2 : 101, QByteArray(1, char(k)), timeOf(k));
    rig.sim.device().setHistoryRecords(0, log);
    rig.child<QLabel>("label_SN")->setText(QStringLiteral("P03E1QPB2306150017"));
    rig.events()->setItem(0, 0, new QTableWidgetItem(QStringLiteral("earlier event")));
    QVERIFY(rig.connectLink());

    rig.read(QStringLiteral("45"));
    QVERIFY(rig.progress() && rig.progress()->isVisible());
    QCOMPARE(rig.progress()->maximum(), 3);
    QVERIFY(!rig.readButton()->isEnabled());

    QTableWidget* table = rig.table(0);
    QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 60, 3 * BlockMs);
    QTRY_VERIFY(!rig.progress()->isVisible());
    QCOMPARE(rig.blockSelectors(), (QVector<int>{0, 0, 0}));
    QCOMPARE(rig.rowTexts(table, 0), (QStringList{timeText(0), "101", "Firmware Start to Update",
                                                  "00 " + QStringLiteral("00 ").repeated(22)}));
    QCOMPARE(rig.rowTexts(table, 1).mid(0, 3), (QStringList{timeText(1), "02", "Events appear"}));
    for (int k : {19, 20, 39, 40, 44})
        QCOMPARE(table->item(k, 0)->text(), timeText(k));
    QCOMPARE(table->item(44, 3)->text().left(3), QStringLiteral("2c "));
    for (int k = 45; k < 60; ++k)
        QCOMPARE(rig.rowTexts(table, k), erasedRow);
    // BMU blocks leave the Events table alone.
    QCOMPARE(rig.events()->item(0, 0)->text(), QStringLiteral("earlier event"));
    QVERIFY(rig.messages().isEmpty());
    QTRY_VERIFY(rig.readButton()->isEnabled());
}

void TestHistoryRead::bmsReadFillsItsTableAndRewritesEvents() {
    HistoryRig rig;
    QVector<QByteArray> log;
    for (int k = 0; k < 25; ++k)
        log << record(4, {}, timeOf(k));
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

void TestHistoryRead::selectorChangeDuringReadDecodesForNewUnit() {
    HistoryRig rig;
    rig.sim.device().setHistoryRecords(0, {record(3, {}, timeOf(0)), record(11, {}, timeOf(1))});
    QVERIFY(rig.connectLink());
    rig.read(QStringLiteral("20"));
    QTRY_COMPARE(rig.window.currentRequestState(), int(HistoryPages));
    rig.unit()->setCurrentIndex(1);
    QCOMPARE(rig.child<QStackedWidget>("stackedWidget")->currentIndex(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(rig.table(1)->rowCount(), 20, BlockMs);
    QCOMPARE(rig.table(0)->rowCount(), 0);
    QCOMPARE(rig.rowTexts(rig.table(1), 0).mid(1, 2), (QStringList{"03", "Timing Record"}));
    QCOMPARE(rig.rowTexts(rig.table(1), 1).mid(1, 2),
             (QStringList{"11", "CAN Communication failed"}));
}

void TestHistoryRead::badQuantitiesAreRefused_data() {
    QTest::addColumn<QString>("quantity");
    QTest::newRow("empty") << "";
    QTest::newRow("zero") << "0";
    QTest::newRow("digits and a letter") << "12a";
    QTest::newRow("negative") << "-3";
    QTest::newRow("leading blank") << " 7";
    QTest::newRow("decimal point") << "2.5";
    QTest::newRow("beyond any counter") << "999999999999999999999999";
}

void TestHistoryRead::badQuantitiesAreRefused() {
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

void TestHistoryRead::clearEmptiesOnlySelectedTable() {
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

QTEST_MAIN(TestHistoryRead)
#include "tst_historyread.moc"
