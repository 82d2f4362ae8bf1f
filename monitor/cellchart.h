#pragma once

#include "monitor/bmstables.h"

#include <QStringList>
#include <QWidget>

class BarChart;

// The cell chart of the Diagnosis tab: the cell voltages and the temperatures of the
// tower last read, each as a bar chart. It keeps the values of both passes of a
// five-module "QPA" tower, so that the fifth module joins the others.
class CellChart : public QWidget {
    Q_OBJECT

public:
    explicit CellChart(QWidget* parent = nullptr);

    // A block of BMS information read; `modules` is the tower's module count (0: unknown).
    void takeBlock(int bmsNumber, const QByteArray& block, int pass, CellTableShape shape,
                   int modules);
    // Another tower is chosen: nothing of the one before stays on show.
    void clear();

private:
    void showTower();

    BarChart* voltages;
    BarChart* temperatures;
    int bmsNumber = 0;
    CellTableShape shape = CellTableShape::Other;
    int modules = 0;
    QStringList firstPass;
    QStringList secondPass;
};
