// Benchmark: repainting the cell chart of a five-module "QPA" tower (160 cells, 60
// sensors) at a window's size, the tower as the simulated BMU serves it in its two
// passes. Prints the mean, median and longest of the repaints.
//
//   QT_QPA_PLATFORM=offscreen bench_cellchart [repaints]

#include "bench/benchwait.h"
#include "monitor/cellchart.h"
#include "sim/bmsinfoblock.h"

#include <algorithm>
#include <numeric>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int repaints = argc > 1 ? qMax(1, atoi(argv[1])) : 500;
    const BmuDevice tower(SystemPreset::Qpa5, 1, QDateTime::currentDateTime());
    CellChart chart;
    chart.resize(1280, 640);
    for (int pass = 1; pass <= 2; ++pass)
        chart.takeBlock(1,
                        bmsInfoBlock(tower.profile(), tower.battery(), tower.bmsFirmware(), 1,
                                     (pass - 1) * BmsBlock::CellsPerBlock),
                        pass, CellTableShape::Qpa, 5);
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
    std::fflush(stdout); // before the leak check of a sanitizer build ends the process
    return ms.last() < 20 ? 0 : 1;
}
