#pragma once

#include "monitor/bmstables.h"

#include <QRectF>
#include <QStringList>
#include <QVector>

struct OverviewTexts;

// The values of one module, numbered on through the tower from firstNumber (1-based).
struct ChartGroup {
    int module;
    int firstNumber;
    QVector<int> values;
};

// One series of the cell chart (cell voltages in mV or temperatures in °C) and its figures.
struct ChartSeries {
    QVector<ChartGroup> groups;
    int count = 0;
    int max = 0;
    int min = 0;
    double mean = 0;
    int highestNumber = 0; // the first cell (sensor) holding max
    int lowestNumber = 0;  // the first holding min

    int spread() const { return max - min; }
    bool isEmpty() const { return count == 0; }
};

// Takes the groups and works out the figures.
ChartSeries chartSeries(QVector<ChartGroup> groups);

struct TowerCells {
    ChartSeries voltages;
    ChartSeries temperatures;
};

// The cells and sensors a tower has, from the value lists of decodeBmsInfo(). Modules
// beyond `modules` (the tower's module count; 0 when unknown: all the shape holds) are
// left out. The fifth module of a "QPA" tower comes with the second pass (cells 1..32 of
// its values); without it that module is left out too.
TowerCells towerCells(CellTableShape shape, int modules, const QStringList& firstPass,
                      const QStringList& secondPass);

// The module count per tower the BMU reported (the HV low digit); 0 when it reported none.
int modulesPerTower(const OverviewTexts& overview);

// Where a series' bars and lines go in a plot rectangle. The value axis spans a little
// beyond min..max, so that a spread of a few mV over 3300 mV is seen at once; bars rise
// from the bottom of the plot. Modules are set apart by a gap.
struct ChartGeometry {
    double axisLow = 0;
    double axisHigh = 1;
    QVector<QRectF> bars;         // one per value, groups in order
    QVector<double> groupCentres; // x of each group's middle
    QVector<double> groupEdges;   // x between two groups, one fewer than groups
    double maxY = 0;
    double minY = 0;
    double meanY = 0;
};

ChartGeometry chartGeometry(const ChartSeries& series, const QRectF& plot);
