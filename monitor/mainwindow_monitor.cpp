// Monitoring members of the main window: the status refresh of the Overview and the
// BMS information read of the Diagnosis tab.
#include "app/formbuilder.h"
#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "firmware/update.h"
#include "link/bmusession.h"
#include "monitor/bms_info.h"
#include "monitor/bmsinforead.h"
#include "monitor/bmstables.h"
#include "monitor/bmu_data.h"
#include "monitor/cellchart.h"
#include "monitor/cellchartdata.h"
#include "monitor/liverefresh.h"
#include "monitor/statusrefresh.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextEdit>

void MainWindow::on_Btn_Refresh_clicked() {
    if (refuseWithoutLink())
        return;
    startOperation(new StatusRefresh);
}

void MainWindow::refreshOverview(const QByteArray&) {
    markValuesStale(false);
    showSystemInfo();
    showMeasurements();
    if (live->isReading())
        return; // values only: the lists, files and tables stay as the user has them
    ui->comboBoxSetupInverter->clear();
    fillSetupLists();
    bmsInfo->layoutCellTable(session->snapshot().batteryType);
    reloadFirmwareFiles();
    firmwareUpdate->scanTableFiles();
    bmsInfo->buildCellTable(session->snapshot().batteryType);
}

void MainWindow::showSystemInfo() {
    const OverviewTexts& t = session->snapshot().overview;
    for (QLabel* label : {ui->label_BMSNo, ui->label_BMSA, ui->label_Batterytype, ui->label_Grid,
                          ui->label_Phase, ui->label_InverterName})
        label->clear();

    FormBuilder::showValue(ui->label_SN, t.serial);
    FormBuilder::showValue(ui->label_BMU, t.bmuVersion);
    FormBuilder::showValue(ui->label_BMSA, t.bmsVersion);
    FormBuilder::showValue(ui->label_InverterName, t.inverterName);

    const bool hv = t.family == BatteryFamily::HV;
    ui->label_21->setVisible(hv);
    ui->label_BMSNo->setText(t.bmsCount);
    if (hv)
        ui->label_ModuleNum->setText(t.modulesPerTower);

    FormBuilder::showValue(ui->label_Batterytype, t.batteryType);
    ui->label_Grid->setText(t.grid);
    ui->label_Phase->setText(t.phase);

    statusTime->setText(QStringLiteral("        ") + QDateTime::currentDateTime().toString(
                                                         QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (statusTime->parent() != statusBar())
        statusBar()->addWidget(statusTime, 0);
}

void MainWindow::showMeasurements() {
    const SystemSnapshot& system = session->snapshot();
    const OverviewTexts& t = system.overview;
    ui->label_Soc->setText(t.socText);
    ui->verticalSlider->setValue(t.soc);
    ui->label_MaxCellVoltage->setText(t.maxCellVoltage);
    ui->label_MinCellVoltage->setText(t.minCellVoltage);
    ui->label_Current->setText(t.current);
    ui->label_Statu->setText(t.chargeState);
    ui->label_BatVoltage->setText(t.batteryVoltage);
    ui->label_MaxCellTemp->setText(t.maxCellTemp);
    ui->label_MinCellTemp->setText(t.minCellTemp);
    const bool hv = t.family == BatteryFamily::HV;
    ui->label_Temp->setVisible(hv);
    if (hv)
        ui->label_Temp->setText(t.extraTemp);

    bmuData->showWarnings(system.statusBlock, system.family());
    if (t.countImpossible) {
        ui->textEdit_BMU_Event->setTextColor(Qt::red);
        ui->textEdit_BMU_Event->append(
            tr("The BMU reports %1 towers of %2 modules, more than a system can "
               "have: check the number of modules in the setup.")
                .arg(t.bmsCount, t.modulesPerTower));
    }

    ui->label_ThresholdVersion->setText(t.tableVersion);
    ui->label_PT_Running->setText(t.tableVersion);
    ui->label_PVoltage->setText(t.outputVoltage);
    ui->label_Power->setText(t.power);

    // One entry per BMS; an HV tower digit a..f is no number and lists none.
    QStringList units;
    for (int n = 1; n <= t.bmsListSize(); ++n)
        units << QStringLiteral("BMS%1").arg(n);
    // Refilled only when the towers change, so that a live read keeps the user's choice.
    QStringList listed;
    for (int i = 0; i < ui->comboBox_BMSInfo->count(); ++i)
        listed << ui->comboBox_BMSInfo->itemText(i);
    if (listed == units)
        return;
    ui->comboBox_ReadHistoryInfo->clear();
    ui->comboBox_ReadHistoryInfo->addItems(QStringList{QStringLiteral("BMU")} + units);
    ui->comboBox_BMSInfo->clear();
    ui->comboBox_BMSInfo->addItems(units);
}

void MainWindow::on_Btn_BMSInfo_Read_clicked() {
    if (refuseWithoutLink())
        return;
    startOperation(new BmsInfoRead(ui->comboBox_BMSInfo->currentIndex() + 1));
}

void MainWindow::showBmsInfo(int bmsNumber, const QByteArray& block, int pass) {
    // A live read of the tower chosen before is never shown under this one's name.
    if (live->isReading() && bmsNumber != ui->comboBox_BMSInfo->currentIndex() + 1)
        return;
    const SystemSnapshot& system = session->snapshot();
    bmsInfo->showBmsInfo(block, pass == 2, system.batteryType);
    cellChart->takeBlock(bmsNumber, block, pass, cellTableShapeFor(system.batteryType),
                         modulesPerTower(system.overview));
}

void MainWindow::on_Btn_CellInfo_Export_clicked() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString suggested =
        cellExportDefaultName(desktop, ui->comboBox_BMSInfo->currentText(),
                              ui->label_BMS_SN->text(), QDateTime::currentDateTime());
    const QString path =
        askSaveFileName(this, tr("Save"), suggested,
                        QStringLiteral("Excel File( *.xls *.xlsx);;TXT-Files (*.txt)"));
    if (path.isEmpty())
        return;
    exportTable(ui->tableWidget_BMS_Cells, path);
}
