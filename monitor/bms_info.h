#pragma once

#include <QWidget>

class QStringList;
class Ui_MainWindow;
struct BmsInfoTexts;

// Companion of the main window for the BMS information: fills the Diagnosis tab's
// labels and event pane from a read block, and owns the layout of its two tables.
class BMS_Info : public QWidget {
    Q_OBJECT

public:
    BMS_Info(Ui_MainWindow* form, QWidget* parent);

    // Decodes a read block into the labels, the event pane and both tables; the second
    // pass of a five-module tower fills the cells of its fifth module.
    void showBmsInfo(const QByteArray& block, bool secondPass, const QString& batteryType);

    // Empties every value shown, when another tower is chosen: what was shown belongs to
    // the tower before and must never stand under the new one's name.
    void clearShown(const QString& batteryType);

    // The information table: names, warning grid and legend (once).
    void buildInfoTable();
    // The cell table's properties, then its layout.
    void buildCellTable(const QString& batteryType = QString());
    // The cell table's shape for the battery type; clears values.
    void layoutCellTable(const QString& batteryType);
    // Turns the grid cells of the set warning level 3 bits red; never back to green.
    void colourWarningGrid();

private:
    void showLabels(const BmsInfoTexts& texts);
    void showEvents(const BmsInfoTexts& texts);
    void fillTables(const QStringList& values, bool secondPass, const QString& batteryType);

    Ui_MainWindow* form;
};
