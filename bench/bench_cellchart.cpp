// Benchmark: repainting the cell chart of a five-module "QPA" tower (160 cells, 60
// sensors) at a window's size. Prints the mean, median and longest of the repaints.
//
//   QT_QPA_PLATFORM=offscreen bench_cellchart [repaints]

#include "bench/benchwait.h"
#include "monitor/bmsinfodecoder.h"
#include "monitor/cellchart.h"

#include <algorithm>
#include <numeric>

namespace {

// A block of cells around 3300 mV that differ from one another, and sensors around 25 °C.
QByteArray blockOf(int seed) {
    QByteArray block(BmsInfo::BlockSize, '\0');
    for (int cell = 0; cell < BmsInfo::CellCount; ++cell) {
        const int mv = 3280 + (cell * 37 + seed * 11) % 45;
        block[96 + 2 * cell] = char(mv >> 8);
        block[97 + 2 * cell] = char(mv & 0xFF);
    }
    for (int sensor = 0; sensor < BmsInfo::TemperatureCount; ++sensor)
        block[354 + sensor] = char(22 + (sensor * 5 + seed) % 6);
    return block;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int repaints = argc > 1 ? qMax(1, atoi(argv[1])) : 500;
    CellChart chart;
    chart.resize(1280, 640);
    chart.takeBlock(1, blockOf(1), 1, CellTableShape::Qpa, 5);
    chart.takeBlock(1, blockOf(2), 2, CellTableShape::Qpa, 5);
    QImage target(chart.size(), QImage::Format_ARGB32_Premultiplied);
    chart.render(&target); // the first paint lays out the children and loads the fonts

    QVector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < repaints; ++i) {
        clock.start();
        chart.render(&target);
        ms.append(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("cell chart, 160 cells and 60 sensors at 1280x640, %d repaints: mean %.2f ms, "
                "median %.2f ms, longest %.2f ms (limit 20 ms)\n",
                repaints, std::accumulate(ms.begin(), ms.end(), 0.0) / repaints, ms[repaints / 2],
                ms.last());
    return ms.last() < 20 ? 0 : 1;
}
