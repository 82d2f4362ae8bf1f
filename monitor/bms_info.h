#pragma once

#include <QWidget>

class QStringList;
class Ui_MainWindow;
struct BmsInfoTexts;
struct LinkBuffers;

// Companion of the main window for the BMS information read: gathers its pages, fills
// the Diagnosis tab's labels and event pane, and owns the layout of its two tables.
class BMS_Info : public QWidget {
    Q_OBJECT

public:
    BMS_Info(Ui_MainWindow* form, LinkBuffers* shared, QWidget* parent);

    // Appends the useful bytes of the page reply numbered by the page count.
    void gatherPage();
    // Decodes the gathered block into the labels, the event pane and both tables. A
    // block that misses a page is not decoded: the tab keeps the last BMS shown.
    void showBmsInfo();

    // The information table: names, warning grid and legend (once).
    void buildInfoTable();
    // The cell table's properties, then its layout.
    void buildCellTable();
    // The cell table's shape for the battery type shown on the Overview; clears values.
    void layoutCellTable();
    // Turns the grid cells of the set warning level 3 bits red; never back to green.
    void colourWarningGrid();

private:
    void showLabels(const BmsInfoTexts& texts);
    void showEvents(const BmsInfoTexts& texts);
    void fillTables(const QStringList& values);

    Ui_MainWindow* form;
    LinkBuffers* shared;
};
