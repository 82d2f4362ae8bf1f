#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "history/history.h"
#include "link/hexcommand.h"
#include "records.h"

#include <QComboBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using namespace TestRecords;

namespace {

// A page reply of 65 registers whose record bytes are `fill` after the page-number register.
QByteArray pageReply(char fill) {
    QByteArray frame =
        QByteArray::fromHex("010382") + QByteArray::fromHex("0001") + QByteArray(128, fill);
    return hexToBytes(appendCrcHex(bytesToHexCommand(frame)));
}

} // namespace

// The companion on a bare form: page gathering and translation. Rows of a live read are
// checked through the main window in tst_mainwindow_history.
class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pagesFillOneBlock_data();
    void pagesFillOneBlock();
    void otherRepliesAreNotGathered_data();
    void otherRepliesAreNotGathered();
    void translationFillsChosenTable();
    void translationWithoutUnitWarnsOnce();

private:
    QMainWindow* window = nullptr;
    Ui_MainWindow* form = nullptr;
    LinkBuffers buffers;
    History* history = nullptr;
};

void TestHistory::init() {
    window = new QMainWindow;
    form = new Ui_MainWindow;
    form->setupUi(window);
    form->comboBox_ReadHistoryInfo->addItems({"BMU", "BMS1", "BMS2"});
    for (QTableWidget* table : History::historyTables(form))
        table->setColumnCount(4);
    form->tableWidget_Events->setColumnCount(3);
    form->tableWidget_Events->setRowCount(250);
    buffers = LinkBuffers();
    history = new History(form, &buffers, window);
}

void TestHistory::cleanup() {
    delete window;
    delete form;
}

void TestHistory::pagesFillOneBlock_data() {
    QTest::addColumn<QVector<int>>("pageCounts");
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<bool>("complete");
    QTest::newRow("five pages") << QVector<int>{1, 2, 3, 4, 5} << 600 << true;
    QTest::newRow("page 2 lost") << QVector<int>{1, 3, 4, 5} << 472 << false;
    QTest::newRow("before the first tick") << QVector<int>{0, 1, 2, 3, 4, 5} << 600 << true;
    QTest::newRow("after the sixth tick") << QVector<int>{1, 2, 3, 4, 6} << 512 << false;
    QTest::newRow("four pages") << QVector<int>{1, 2, 3, 4} << 512 << false;
}

void TestHistory::pagesFillOneBlock() {
    QFETCH(QVector<int>, pageCounts);
    QFETCH(int, bufferSize);
    QFETCH(bool, complete);
    for (int page : pageCounts) {
        buffers.pageCount = page;
        buffers.rxFrame = pageReply(char(page));
        history->collectHistoryPage();
    }
    QCOMPARE(buffers.pageBuffer.size(), bufferSize);
    QCOMPARE(history->blockComplete(), complete);
    // Each page's record bytes follow the previous page's; the fifth gives its first 88.
    QByteArray expected;
    for (int page : pageCounts)
        expected += QByteArray(page >= 1 && page <= 4 ? 128 : page == 5 ? 88 : 0, char(page));
    QCOMPARE(buffers.pageBuffer, expected);
}

void TestHistory::otherRepliesAreNotGathered_data() {
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("late readiness answer") << hexToBytes(appendCrcHex("01 03 02 88 01"));
    QTest::newRow("short page") << hexToBytes(
        appendCrcHex("01 03 0A 00 01 11 11 11 11 11 11 11 11"));
    QTest::newRow("echo of a write") << hexToBytes(appendCrcHex("01 10 05 A0 00 02"));
    QTest::newRow("empty") << QByteArray();
}

void TestHistory::otherRepliesAreNotGathered() {
    QFETCH(QByteArray, frame);
    buffers.pageCount = 2;
    buffers.rxFrame = frame;
    history->collectHistoryPage();
    QVERIFY(buffers.pageBuffer.isEmpty());
}

void TestHistory::translationFillsChosenTable() {
    const SavedLog log{{"2021-03-05 09:07:02", "2021-03-05 09:08:02"},
                       {"00", "106"},
                       {"Power ON", "SN Code Changed"},
                       {"03 0c", "00"}};
    form->table_Trans->setColumnCount(4);
    form->tableWidget_Trans_BMS->setColumnCount(18);
    form->radioBtn_BMU->setChecked(true);
    form->comboBox_Trans->setCurrentText(QStringLiteral("Lumeno LV"));
    history->translateRecords(log);
    QCOMPARE(form->table_Trans->rowCount(), 2);
    QCOMPARE(form->table_Trans->item(0, 3)->text(), QStringLiteral("| Running Version:V3.12 |"));
    QCOMPARE(form->table_Trans->item(1, 3)->text(), QStringLiteral("No record data"));
    QCOMPARE(form->tableWidget_Trans_BMS->rowCount(), 0);

    form->radioBtn_BMS->setChecked(true);
    form->tableWidget_Trans_BMS->setRowCount(2);
    history->translateRecords(log);
    QCOMPARE(form->tableWidget_Trans_BMS->item(0, 3)->text(), QStringLiteral("Runing Section:A"));
    QCOMPARE(form->tableWidget_Trans_BMS->item(0, 4)->text(), QStringLiteral("FW version:V0.0"));
    QCOMPARE(form->tableWidget_Trans_BMS->item(1, 3)->text(),
             QStringLiteral("serial number was changed."));
}

void TestHistory::translationWithoutUnitWarnsOnce() {
    form->table_Trans->setColumnCount(4);
    const SavedLog log{{"a", "b", "c"}, {"0", "0", "0"}, {"", "", ""}, {"00", "00", "00"}};
    history->translateRecords(log);
    QCOMPARE(window->findChildren<QMessageBox*>().size(), 1);
    QCOMPARE(window->findChildren<QMessageBox*>().first()->text(),
             QStringLiteral("Please choose BMU or BMS."));
    QCOMPARE(form->table_Trans->rowCount(), 0);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
