#include "sim/logwriter.h"

#include "sim/batterystate.h"
#include "sim/historylog.h"

#include <QtMath>

namespace {

// A day of the system's life: charged by the panels in the late morning, discharged
// into the house in the evening.
double socAtHour(double hour) {
    if (hour < 8)
        return 30 - hour * 1.2;
    if (hour < 13)
        return 20 + (hour - 8) * 15;
    if (hour < 17)
        return 95;
    if (hour < 23)
        return 95 - (hour - 17) * 10;
    return 35 - (hour - 23) * 5;
}

double currentAtHour(double hour, double maxCurrent) {
    if (hour >= 8 && hour < 13)
        return -0.8 * maxCurrent;
    if (hour >= 17 && hour < 23)
        return 0.6 * maxCurrent;
    return 0;
}

} // namespace

void LogWriter::add(quint8 code, const QByteArray& data) {
    if (clock <= newest)
        records.append(HistoryRecord::make(code, clock, data));
}

Snapshot LogWriter::snapshot(int cellsInSeries) {
    const double hour = clock.time().hour() + clock.time().minute() / 60.0;
    Snapshot s;
    s.soc = qBound(5, qRound(socAtHour(hour)) + pick(-2, 2), 100);
    s.soh = 98 - pick(0, 1);
    s.current = currentAtHour(hour, profile.maxCurrent) + pick(-10, 10) / 10.0;
    const int mid = qRound(restingMillivolts(s.soc) - s.current * MillivoltsPerAmp);
    s.cellMax = mid + pick(3, 9);
    s.cellMin = mid - pick(3, 9);
    const int warm = s.current != 0.0 ? 5 : 1;
    s.envMin = 17 + pick(0, 3);
    s.envMax = s.envMin + pick(2, 6);
    s.tempMin = s.envMin + warm;
    s.tempMax = s.tempMin + pick(1, 4);
    s.cells = cellsInSeries;
    return s;
}
