#pragma once

#include "sim/systemprofile.h"

#include <QRandomGenerator>
#include <QVector>

// The resting voltage of a lithium iron phosphate cell at a state of charge (%), mV.
double restingMillivolts(double soc);
// Each ampere through a cell moves its terminal voltage by this much (internal
// resistance), mV.
constexpr double MillivoltsPerAmp = 0.6;

// The measured values of the simulated system: state of charge, current, every cell
// voltage and temperature. They follow a slowly wandering current target, so that a
// display refreshed every few seconds sees them move; a fixed seed gives the same
// cells and the same walk.
class BatteryState {
public:
    BatteryState(const SystemProfile& profile, quint32 seed);

    // Moves the values on by the given time.
    void advance(double seconds);

    double soc() const { return socPercent; }      // %, whole system
    double current() const { return currentAmps; } // A, positive while discharging
    int bmsCount() const { return cells.size(); }

    // BMS numbers are 1-based; cell and sensor indexes 0-based. Outside: 0.
    int cellMillivolts(int bms, int cell) const;
    int temperature(int bms, int sensor) const; // °C
    double bmsSoc(int bms) const;               // %
    double bmsCurrent(int bms) const;           // A, the system current shared out
    int bmsMillivolts(int bms) const;           // sum of the cells of one BMS

    int maxCellMillivolts() const;
    int minCellMillivolts() const;
    int maxTemperature() const;
    int minTemperature() const;
    int ambientTemperature() const { return qRound(ambient); }
    int systemMillivolts() const; // battery voltage at the BMU

private:
    SystemProfile profile;
    QRandomGenerator random;
    double socPercent = 0;
    double currentAmps = 0;
    double targetAmps = 0;
    double secondsToNewTarget = 0;
    double ambient = 0;
    double warmth = 0;                   // °C above ambient from the current
    QVector<QVector<int>> cellOffsets;   // mV per cell, fixed for the run
    QVector<QVector<int>> sensorOffsets; // °C per sensor
    QVector<double> socOffsets;          // % per BMS
    QVector<QVector<int>> cells;         // mV, recomputed on every advance
    QVector<QVector<int>> temperatures;  // °C

    void chooseTarget();
    void recompute();
};
