#include "monitor/cellchart.h"

#include "monitor/barchart.h"
#include "monitor/bmsinfodecoder.h"
#include "monitor/cellchartdata.h"

#include <QVBoxLayout>

CellChart::CellChart(QWidget* parent)
    : QWidget(parent)
    , voltages(new BarChart(this))
    , temperatures(new BarChart(this)) {
    voltages->setObjectName(QStringLiteral("chart_CellVoltages"));
    temperatures->setObjectName(QStringLiteral("chart_CellTemperatures"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(voltages, 3);
    layout->addWidget(temperatures, 2);
    showTower();
}

void CellChart::takeBlock(int number, const QByteArray& block, int pass, CellTableShape towerShape,
                          int towerModules) {
    const QStringList values = decodeBmsInfo(block).values;
    if (pass == 2 && number == bmsNumber) {
        secondPass = values;
    } else {
        // A new read: what the previous one brought belongs to it alone.
        bmsNumber = number;
        firstPass = values;
        secondPass.clear();
    }
    shape = towerShape;
    modules = towerModules;
    showTower();
}

void CellChart::clear() {
    bmsNumber = 0;
    firstPass.clear();
    secondPass.clear();
    showTower();
}

void CellChart::showTower() {
    if (firstPass.isEmpty()) {
        voltages->setSeries(ChartSeries(), tr("Cell voltages"), tr("mV"));
        temperatures->setSeries(ChartSeries(), tr("Temperatures"), tr("°C"));
        return;
    }
    const TowerCells tower = towerCells(shape, modules, firstPass, secondPass);
    voltages->setSeries(tower.voltages, tr("Cell voltages of BMS %1").arg(bmsNumber), tr("mV"));
    temperatures->setSeries(tower.temperatures, tr("Temperatures of BMS %1").arg(bmsNumber),
                            tr("°C"));
}
