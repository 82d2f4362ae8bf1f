#include "sim/batterystate.h"

#include <QtMath>
#include <algorithm>
#include <functional>
#include <numeric>

namespace {

// The demo compresses time so that the state of charge visibly moves.
constexpr double TimeCompression = 6;

} // namespace

double restingMillivolts(double soc) {
    // A steep knee at both ends and a long flat middle.
    if (soc < 10)
        return 3000 + soc * 18;
    if (soc > 95)
        return 3340 + (soc - 95) * 8;
    return 3180 + (soc - 10) * 1.9;
}

BatteryState::BatteryState(const SystemProfile& profile, quint32 seed)
    : profile(profile)
    , random(seed) {
    socPercent = 55 + random.bounded(30);
    ambient = 21 + random.bounded(5);
    for (int b = 0; b < profile.bmsCount; ++b) {
        QVector<int> cellSpread(profile.cellsPerBms());
        for (int& mv : cellSpread)
            mv = random.bounded(-9, 10);
        cellOffsets.append(cellSpread);
        QVector<int> sensorSpread(profile.temperaturesPerBms());
        for (int& t : sensorSpread)
            t = random.bounded(-1, 4);
        sensorOffsets.append(sensorSpread);
        socOffsets.append((random.bounded(11) - 5) / 10.0);
    }
    chooseTarget();
    currentAmps = targetAmps / 2; // on its way to the target from the start
    recompute();
}

void BatteryState::chooseTarget() {
    // Mostly discharging into the house, sometimes charging from the panels.
    targetAmps = (random.bounded(201) - 80) / 100.0 * profile.maxCurrent;
    if (socPercent < 15)
        targetAmps = -qAbs(targetAmps);
    if (socPercent > 97)
        targetAmps = qAbs(targetAmps);
    secondsToNewTarget = 30 + random.bounded(60);
}

void BatteryState::advance(double seconds) {
    secondsToNewTarget -= seconds;
    if (secondsToNewTarget <= 0)
        chooseTarget();
    const double step = 0.5 * seconds; // A per second towards the target
    currentAmps += qBound(-step, targetAmps - currentAmps, step);
    currentAmps += random.bounded(-3, 4) / 10.0; // the inverter never holds it exactly
    const double capacity = profile.capacityAh * profile.bmsCount;
    socPercent -= currentAmps * seconds / 3600.0 / capacity * 100.0 * TimeCompression;
    socPercent = qBound(1.0, socPercent, 100.0);
    // Cells warm slowly with the current and cool towards the ambient.
    const double heating = qAbs(currentAmps) / profile.maxCurrent * 8.0;
    warmth += (heating - warmth) * qMin(1.0, seconds / 120.0);
    recompute();
}

void BatteryState::recompute() {
    cells.resize(profile.bmsCount);
    temperatures.resize(profile.bmsCount);
    for (int b = 0; b < profile.bmsCount; ++b) {
        const double base = restingMillivolts(bmsSoc(b + 1)) - bmsCurrent(b + 1) * MillivoltsPerAmp;
        cells[b].resize(profile.cellsPerBms());
        for (int c = 0; c < cells[b].size(); ++c)
            cells[b][c] = qRound(base) + cellOffsets[b][c];
        temperatures[b].resize(profile.temperaturesPerBms());
        for (int s = 0; s < temperatures[b].size(); ++s)
            temperatures[b][s] = qRound(ambient + warmth) + sensorOffsets[b][s];
    }
}

int BatteryState::cellMillivolts(int bms, int cell) const {
    if (bms < 1 || bms > cells.size() || cell < 0 || cell >= cells[bms - 1].size())
        return 0;
    return cells[bms - 1][cell];
}

int BatteryState::temperature(int bms, int sensor) const {
    if (bms < 1 || bms > temperatures.size() || sensor < 0 ||
        sensor >= temperatures[bms - 1].size())
        return 0;
    return temperatures[bms - 1][sensor];
}

double BatteryState::bmsSoc(int bms) const {
    if (bms < 1 || bms > socOffsets.size())
        return 0;
    return qBound(0.0, socPercent + socOffsets[bms - 1], 100.0);
}

double BatteryState::bmsCurrent(int bms) const {
    if (bms < 1 || bms > profile.bmsCount)
        return 0;
    return currentAmps / profile.bmsCount;
}

int BatteryState::bmsMillivolts(int bms) const {
    if (bms < 1 || bms > cells.size())
        return 0;
    const QVector<int>& c = cells[bms - 1];
    return std::accumulate(c.begin(), c.end(), 0);
}

namespace {

// The largest (or, with less = greater, smallest) value over all units; 0 when empty.
template <typename Compare> int extreme(const QVector<QVector<int>>& units, Compare better) {
    bool any = false;
    int best = 0;
    for (const QVector<int>& unit : units) {
        for (int value : unit) {
            if (!any || better(value, best))
                best = value;
            any = true;
        }
    }
    return best;
}

} // namespace

int BatteryState::maxCellMillivolts() const {
    return extreme(cells, std::greater<int>());
}

int BatteryState::minCellMillivolts() const {
    return extreme(cells, std::less<int>());
}

int BatteryState::maxTemperature() const {
    return extreme(temperatures, std::greater<int>());
}

int BatteryState::minTemperature() const {
    return extreme(temperatures, std::less<int>());
}

int BatteryState::systemMillivolts() const {
    // Towers (or modules) are connected in parallel: the system sees the mean.
    int sum = 0;
    for (int b = 1; b <= cells.size(); ++b)
        sum += bmsMillivolts(b);
    return cells.isEmpty() ? 0 : sum / cells.size();
}
