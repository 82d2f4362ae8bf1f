#pragma once

#include "history/bmsdetail.h"
#include "history/historyrecord.h"
#include "history/logtranslation.h"

#include <QObject>
#include <QVector>

class QTableWidget;
class Ui_MainWindow;

// Companion of the main window for the history logs: decodes a read block with the BMU
// or BMS decoder, fills the 65 history tables and the
// Events table, and fills the translation tables from a saved log.
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

    // ---- Translation of a saved log (the translation tab)
    // Decodes every saved row for the unit of the checked radio button and the family of
    // comboBox_Trans into table_Trans or tableWidget_Trans_BMS, row i for saved row i.
    void translateRecords(const SavedLog& log);

    // One saved record at a time: `record` in, its texts out.
    struct SavedRecord {
        QByteArray data; // the 23 data bytes (fewer when the file held fewer)
        int code = 0;
        QString detailText;          // BMU detail of the record
        QStringList translatedTexts; // texts for the translation columns
        BmsWarningTexts warnings;    // BMS warning and fault texts
    };
    SavedRecord record;
    void translateHvBmuRecord();
    void translateLvBmuRecord();
    void describeLvBmuSnapshot();
    void translateBmsRecord();
    void describeBmsSnapshot();

private:
    int selectedUnit() const;
    LogUnit translationUnit() const;

    Ui_MainWindow* form;
    QVector<QTableWidget*> tables;
    TextRows historyRows; // rows of the block just decoded
    TextRows eventRows;   // Events rows of the BMS block just decoded
};
