// The cell chart's figures and geometry from known BMS information blocks: which cells a
// tower has, the highest, lowest, mean and spread, and where the bars and lines go.

#include "monitor/bmsinfodecoder.h"
#include "monitor/cellchartdata.h"

#include <QtTest>

Q_DECLARE_METATYPE(CellTableShape)

namespace {

// A block whose first `cells` cells read 3300 mV and the rest 0 mV, as a BMS serves a tower
// with fewer modules than its block holds; `marks` set single cells (1-based in the block).
QByteArray blockOf(int cells, const QVector<QPair<int, int>>& marks = {}) {
    QByteArray block(BmsInfo::BlockSize, '\0');
    auto put = [&](int cell, int mv) {
        block[96 + 2 * (cell - 1)] = char(mv >> 8);
        block[97 + 2 * (cell - 1)] = char(mv & 0xFF);
    };
    for (int cell = 1; cell <= cells; ++cell)
        put(cell, 3300);
    for (const auto& mark : marks)
        put(mark.first, mark.second);
    for (int sensor = 0; sensor < BmsInfo::TemperatureCount; ++sensor)
        block[354 + sensor] = char(20 + sensor % 7);
    return block;
}

QStringList valuesOf(const QByteArray& block) {
    return block.isEmpty() ? QStringList() : decodeBmsInfo(block).values;
}

} // namespace

class TestCellChart : public QObject {
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void geometry();
};

void TestCellChart::figures_data() {
    QTest::addColumn<CellTableShape>("shape");
    QTest::addColumn<int>("modules");
    QTest::addColumn<QByteArray>("firstPass");
    QTest::addColumn<QByteArray>("secondPass");
    QTest::addColumn<int>("cells");
    QTest::addColumn<int>("groups");
    QTest::addColumn<int>("highest"); // cell number
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("spread");
    QTest::addColumn<double>("mean");
    QTest::addColumn<int>("sensors");

    const auto Qpa = CellTableShape::Qpa;
    const auto Other = CellTableShape::Other;
    QTest::newRow("QPB tower of 3 modules: the 0 mV of modules 4..8 left out")
        << Other << 3 << blockOf(48, {{7, 3320}, {40, 3290}}) << QByteArray() << 48 << 3 << 7 << 40
        << 30 << 3300 + 10.0 / 48 << 24;
    QTest::newRow("module count unknown: all eight")
        << Other << 0 << blockOf(128, {{128, 3350}, {1, 3250}}) << QByteArray() << 128 << 8 << 128
        << 1 << 100 << 3300.0 << 64;
    QTest::newRow("first of equal extremes named")
        << Other << 2 << blockOf(32, {{5, 3310}, {9, 3310}, {3, 3290}, {30, 3290}}) << QByteArray()
        << 32 << 2 << 5 << 3 << 20 << 3300.0 << 16;
    QTest::newRow("five QPA modules, both passes: cells 129..160 from the second")
        << Qpa << 5 << blockOf(128, {{100, 3330}}) << blockOf(32, {{22, 3280}}) << 160 << 5 << 100
        << 150 << 50 << 3300 + 10.0 / 160 << 60;
    QTest::newRow("five QPA modules, second pass not yet read")
        << Qpa << 5 << blockOf(128, {{100, 3330}}) << QByteArray() << 128 << 4 << 100 << 1 << 30
        << 3300 + 30.0 / 128 << 60;
    QTest::newRow("three QPA modules") << Qpa << 3 << blockOf(96, {{96, 3301}}) << QByteArray()
                                       << 96 << 3 << 96 << 1 << 1 << 3300 + 1.0 / 96 << 36;
    QTest::newRow("LV module") << CellTableShape::Lv << 0 << blockOf(16, {{16, 3000}})
                               << QByteArray() << 16 << 1 << 1 << 16 << 300 << 3300 - 300.0 / 16
                               << 8;
}

void TestCellChart::figures() {
    QFETCH(CellTableShape, shape);
    QFETCH(int, modules);
    QFETCH(QByteArray, firstPass);
    QFETCH(QByteArray, secondPass);
    QFETCH(int, cells);
    QFETCH(int, groups);
    QFETCH(int, highest);
    QFETCH(int, lowest);
    QFETCH(int, spread);
    QFETCH(double, mean);
    QFETCH(int, sensors);

    const TowerCells tower = towerCells(shape, modules, valuesOf(firstPass), valuesOf(secondPass));
    const ChartSeries& v = tower.voltages;
    QCOMPARE(v.count, cells);
    QCOMPARE(v.groups.size(), groups);
    QCOMPARE(v.highestNumber, highest);
    QCOMPARE(v.lowestNumber, lowest);
    QCOMPARE(v.spread(), spread);
    QVERIFY(qAbs(v.mean - mean) < 1e-9);
    QVERIFY(v.min > 0); // no cell of a missing module drawn as 0 mV
    // Groups number the cells on through the tower.
    int next = 1;
    for (const ChartGroup& group : v.groups) {
        QCOMPARE(group.firstNumber, next);
        next += group.values.size();
    }
    QCOMPARE(tower.temperatures.count, sensors);
}

void TestCellChart::geometry() {
    const TowerCells tower =
        towerCells(CellTableShape::Qpa, 5, valuesOf(blockOf(128, {{40, 3340}, {70, 3290}})),
                   valuesOf(blockOf(32, {{1, 3305}})));
    const ChartSeries& s = tower.voltages;
    const QRectF plot(50, 40, 1000, 300);
    const ChartGeometry g = chartGeometry(s, plot);
    QCOMPARE(g.bars.size(), 160);
    QCOMPARE(g.groupCentres.size(), 5);
    QCOMPARE(g.groupEdges.size(), 4);
    for (const QRectF& bar : g.bars) {
        QVERIFY(plot.contains(bar.center()));
        QVERIFY(bar.height() > 0);
        QVERIFY(bar.left() >= plot.left() && bar.right() <= plot.right() + 1e-9);
    }
    // Screen y grows downwards: max above mean above min, the extremes' bars reach them.
    QVERIFY(g.maxY < g.meanY && g.meanY < g.minY);
    QCOMPARE(g.bars[39].top(), g.maxY);
    QCOMPARE(g.bars[69].top(), g.minY);
    for (const QRectF& bar : g.bars)
        QVERIFY(bar.top() >= g.maxY - 1e-9 && bar.top() <= g.minY + 1e-9);
    // A module boundary leaves a wider gap than two neighbouring cells.
    const double inGroup = g.bars[1].left() - g.bars[0].left();
    const double acrossGroups = g.bars[32].left() - g.bars[31].left();
    QVERIFY(acrossGroups > 1.5 * inGroup);
    QVERIFY(g.groupEdges[0] > g.bars[31].right() && g.groupEdges[0] < g.bars[32].left());

    QVERIFY(chartGeometry(ChartSeries(), plot).bars.isEmpty());
    QVERIFY(chartGeometry(s, QRectF()).bars.isEmpty());
}

QTEST_GUILESS_MAIN(TestCellChart)
#include "tst_cellchart.moc"
