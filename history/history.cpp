#include "history/history.h"

#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "app/messages.h"
#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "history/hvbmudetail.h"
#include "history/lvbmudetail.h"
#include "link/bytes.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>

namespace {

// A page reply: address, function 3, byte count 130 (65 registers), data, CRC. The first
// register is not part of the log; the other 128 bytes carry record bytes.
constexpr int PageByteCount = 130;
constexpr int PageRecordOffset = 5;
constexpr int FullPageBytes = 128;
constexpr int LastPageBytes = 88; // 4 x 128 + 88 = one 600-byte block

bool isPageReply(const QByteArray& frame) {
    return byteAt(frame, 1) == 0x03 && byteAt(frame, 2) == PageByteCount &&
           frame.size() == 3 + PageByteCount + 2;
}

void fillRow(QTableWidget* table, int row, const QStringList& texts) {
    for (int column = 0; column < texts.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(texts[column]));
}

} // namespace

History::History(Ui_MainWindow* form, LinkBuffers* shared, QObject* parent)
    : QObject(parent)
    , form(form)
    , shared(shared)
    , tables(historyTables(form)) {}

QVector<QTableWidget*> History::historyTables(Ui_MainWindow* form) {
    return QVector<QTableWidget*>{form->tableWidget_HistoryInfo_BMU} +
           form->tableWidget_HistoryInfo_BMS;
}

int History::selectedUnit() const {
    // Before the first refresh the list is empty: the BMU is the only unit known.
    return qMax(0, form->comboBox_ReadHistoryInfo->currentIndex());
}

void History::collectHistoryPage() {
    const QByteArray& frame = shared->rxFrame;
    // Another reply that lands while pages are read (a late readiness answer) carries no
    // record bytes: taking its bytes would shift every later record of the block.
    if (!isPageReply(frame))
        return;
    const int page = shared->pageCount;
    if (page >= 1 && page < PagesPerBlock)
        shared->pageBuffer += sliceAt(frame, PageRecordOffset, FullPageBytes);
    else if (page == PagesPerBlock)
        shared->pageBuffer += sliceAt(frame, PageRecordOffset, LastPageBytes);
}

bool History::blockComplete() const {
    return shared->pageCount == PagesPerBlock && shared->pageBuffer.size() >= LogRecord::BlockSize;
}

void History::decodeBmuEvents() {
    historyRows = decodeBmuBlock(shared->pageBuffer, form->label_SN->text());
    eventRows.clear();
}

void History::decodeBmsEvents() {
    BmsBlockRows rows = decodeBmsBlock(shared->pageBuffer);
    historyRows = std::move(rows.history);
    eventRows = std::move(rows.events);
    qDebug() << "BMS历史信息" << historyRows;
}

void History::showHistoryRows() {
    const int unit = selectedUnit();
    if (unit >= tables.size())
        return;
    QTableWidget* table = tables[unit];
    const int first = table->rowCount();
    table->setRowCount(first + historyRows.size());
    for (int i = 0; i < historyRows.size(); ++i)
        fillRow(table, first + i, historyRows[i]);

    if (eventRows.isEmpty())
        return;
    QTableWidget* events = form->tableWidget_Events;
    if (events->rowCount() < eventRows.size())
        events->setRowCount(eventRows.size());
    for (int j = 0; j < eventRows.size(); ++j)
        fillRow(events, j, eventRows[j]);
    eventRows.clear();
}

LogUnit History::translationUnit() const {
    if (form->radioBtn_BMU->isChecked())
        return LogUnit::Bmu;
    if (form->radioBtn_BMS->isChecked())
        return LogUnit::Bms;
    return LogUnit::None;
}

void History::translateRecords(const SavedLog& log) {
    const LogUnit unit = translationUnit();
    if (unit == LogUnit::None) {
        if (!log.dateTimes.isEmpty())
            Messages::warning(form->tableWidget_Events->window(), QStringLiteral("Error"),
                              QStringLiteral("Please choose BMU or BMS."));
        return;
    }
    QTableWidget* table = unit == LogUnit::Bmu ? form->table_Trans : form->tableWidget_Trans_BMS;
    const TextRows rows = translateSavedLog(log, unit, form->comboBox_Trans->currentText());
    if (table->rowCount() < rows.size())
        table->setRowCount(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        fillRow(table, i, rows[i].mid(0, table->columnCount()));
}

void History::translateHvBmuRecord() {
    record.detailText = hvBmuDetail(record.code, record.data);
    if (!record.data.isEmpty())
        record.translatedTexts << record.detailText;
}

void History::translateLvBmuRecord() {
    record.detailText = lvBmuDetail(record.code, record.data);
    if (!record.data.isEmpty())
        record.translatedTexts << record.detailText;
}

void History::describeLvBmuSnapshot() {
    record.detailText = lvBmuSnapshot(record.data);
}

void History::translateBmsRecord() {
    record.translatedTexts << bmsDetailTexts(record.code, record.data,
                                             form->comboBox_Trans->currentText());
}

void History::describeBmsSnapshot() {
    record.warnings = bmsWarningTexts(record.data);
}
