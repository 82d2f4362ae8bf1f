#include "monitor/cellchartdata.h"

#include "monitor/bmsinfodecoder.h"
#include "monitor/overviewdecoder.h"

#include <QtMath>

ChartSeries chartSeries(QVector<ChartGroup> groups) {
    ChartSeries s;
    s.groups = std::move(groups);
    qint64 sum = 0;
    for (const ChartGroup& group : s.groups) {
        for (int i = 0; i < group.values.size(); ++i) {
            const int value = group.values[i];
            const int number = group.firstNumber + i;
            if (s.count == 0 || value > s.max) {
                s.max = value;
                s.highestNumber = number;
            }
            if (s.count == 0 || value < s.min) {
                s.min = value;
                s.lowestNumber = number;
            }
            sum += value;
            s.count += 1;
        }
    }
    s.mean = s.count ? double(sum) / s.count : 0;
    return s;
}

namespace {

// Values [first, first + size) of a value list as numbers; missing entries read as 0.
QVector<int> valuesAt(const QStringList& values, int first, int size) {
    QVector<int> out(size);
    for (int i = 0; i < size; ++i)
        out[i] = values.value(first + i).toInt();
    return out;
}

} // namespace

TowerCells towerCells(CellTableShape shape, int modules, const QStringList& firstPass,
                      const QStringList& secondPass) {
    const ModuleMakeUp makeUp = moduleMakeUp(shape);
    if (modules <= 0 || modules > makeUp.modules)
        modules = makeUp.modules;
    // One block carries 128 cells: what lies beyond comes as cells 1.. of the second pass.
    const int cellsPerBlock = BmsInfo::CellCount;
    QVector<ChartGroup> voltages, temperatures;
    for (int m = 0; m < modules; ++m) {
        const int firstCell = m * makeUp.cellsPerModule;
        if (firstCell + makeUp.cellsPerModule <= cellsPerBlock) {
            voltages.append(
                {m + 1, firstCell + 1,
                 valuesAt(firstPass, BmsInfo::FirstCellValue + firstCell, makeUp.cellsPerModule)});
        } else if (!secondPass.isEmpty()) {
            voltages.append(
                {m + 1, firstCell + 1,
                 valuesAt(secondPass, BmsInfo::FirstCellValue + firstCell - cellsPerBlock,
                          makeUp.cellsPerModule)});
        }
        const int firstSensor = m * makeUp.sensorsPerModule;
        temperatures.append({m + 1, firstSensor + 1,
                             valuesAt(firstPass, BmsInfo::FirstTemperatureValue + firstSensor,
                                      makeUp.sensorsPerModule)});
    }
    return {chartSeries(voltages), chartSeries(temperatures)};
}

int modulesPerTower(const OverviewTexts& overview) {
    bool ok = false;
    const int modules = overview.modulesPerTower.toInt(&ok);
    return ok ? modules : 0;
}

ChartGeometry chartGeometry(const ChartSeries& s, const QRectF& plot) {
    ChartGeometry g;
    if (s.isEmpty() || plot.width() <= 0 || plot.height() <= 0)
        return g;
    const double pad = qMax(1.0, std::ceil(s.spread() * 0.25));
    g.axisLow = s.min - pad;
    g.axisHigh = s.max + pad;
    auto yOf = [&](double value) {
        return plot.bottom() - (value - g.axisLow) / (g.axisHigh - g.axisLow) * plot.height();
    };
    g.maxY = yOf(s.max);
    g.minY = yOf(s.min);
    g.meanY = yOf(s.mean);

    // A gap of one slot between modules.
    const int slots = s.count + s.groups.size() - 1;
    const double slot = plot.width() / slots;
    const double barWidth = qMax(1.0, slot * 0.75);
    double x = plot.left();
    for (int i = 0; i < s.groups.size(); ++i) {
        if (i > 0) {
            g.groupEdges.append(x + slot / 2);
            x += slot;
        }
        const double groupLeft = x;
        for (int value : s.groups[i].values) {
            const double top = yOf(value);
            g.bars.append(QRectF(x + (slot - barWidth) / 2, top, barWidth, plot.bottom() - top));
            x += slot;
        }
        g.groupCentres.append((groupLeft + x) / 2);
    }
    return g;
}
