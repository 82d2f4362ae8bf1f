#pragma once

#include "history/historyrecord.h"

#include <QObject>
#include <QVector>

class QTableWidget;
class Ui_MainWindow;

// Companion of the main window for the history logs: decodes a read block with the BMU
// or BMS decoder and fills the 65 history tables and the Events table.
class History : public QObject {
    Q_OBJECT

public:
    History(Ui_MainWindow* form, QObject* parent);

    // The history table of each unit: index 0 the BMU, index n BMS number n.
    static QVector<QTableWidget*> historyTables(Ui_MainWindow* form);

    // ---- Live read
    void decodeBmuEvents(const QByteArray& block, const QString& serial);
    void decodeBmsEvents(const QByteArray& block);
    // Appends the decoded rows to the table of the selected unit; BMS events rewrite the
    // Events table from its first row.
    void showHistoryRows();

private:
    int selectedUnit() const;

    Ui_MainWindow* form;
    QVector<QTableWidget*> tables;
    TextRows historyRows; // rows of the block just decoded
    TextRows eventRows;   // Events rows of the BMS block just decoded
};
