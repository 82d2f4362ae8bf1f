#include "history/history.h"
#include "app/logcategories.h"

#include "app/mainwindow_form.h"
#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "link/bytes.h"

#include <QComboBox>
#include <QDebug>
#include <QTableWidget>

namespace {

void fillRow(QTableWidget* table, int row, const QStringList& texts) {
    for (int column = 0; column < texts.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(texts[column]));
}

} // namespace

History::History(Ui_MainWindow* form, QObject* parent)
    : QObject(parent)
    , form(form)
    , tables(historyTables(form)) {}

QVector<QTableWidget*> History::historyTables(Ui_MainWindow* form) {
    return QVector<QTableWidget*>{form->tableWidget_HistoryInfo_BMU} +
           form->tableWidget_HistoryInfo_BMS;
}

int History::selectedUnit() const {
    // Before the first refresh the list is empty: the BMU is the only unit known.
    return qMax(0, form->comboBox_ReadHistoryInfo->currentIndex());
}

void History::decodeBmuEvents(const QByteArray& block, const QString& serial) {
    historyRows = decodeBmuBlock(block, serial);
    eventRows.clear();
}

void History::decodeBmsEvents(const QByteArray& block) {
    BmsBlockRows rows = decodeBmsBlock(block);
    historyRows = std::move(rows.history);
    eventRows = std::move(rows.events);
    qCDebug(lcHistory) << "BMS history rows" << historyRows;
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
