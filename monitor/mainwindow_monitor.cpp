// Monitoring members of the main window: the status refresh of the Overview and the
// BMS information read of the Diagnosis tab.
#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "firmware/update.h"
#include "link/catalogue.h"
#include "monitor/bms_info.h"
#include "monitor/bmsinfodecoder.h"
#include "monitor/bmstables.h"
#include "monitor/bmu_data.h"
#include "monitor/overviewdecoder.h"

#include <QComboBox>
#include <QDateTime>
#include <QDebug>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr int StatusStepMs = 500;
constexpr int StatusReplyLimitMs = 3000;
constexpr int BmsInfoStepMs = 3000;
constexpr int BmsInfoReplyLimitMs = 3000;

void setLabel(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

} // namespace

void MainWindow::on_Btn_Refresh_clicked() {
    ui->textEdit_BMU_Event->clear();
    lockButtons();
    // A new refresh reads a BMS afresh; a second pass left unfinished is forgotten.
    shared.cellsPass = 0;
    requestStatus();
    guardedOp = GuardStatus;
    replyTimer->start(StatusReplyLimitMs);
}

void MainWindow::requestStatus() {
    // Parts of a refresh whose second reply never came must not complete this one.
    statusBlock.clear();
    shared.pageCount = 1;
    if (stepTimer->isActive())
        return;
    requestState = StatusFirst;
    if (sendFrame(QLatin1String(Command::StatusFirst)) > 0)
        stepTimer->start(StatusStepMs);
}

void MainWindow::gatherStatusBlock() {
    statusBlock.take(shared.rxFrame);
}

void MainWindow::refreshOverview() {
    qDebug() << shared.rxFrame.toHex(' ');
    statusBlock.take(shared.rxFrame);
    if (!statusBlock.isComplete()) {
        // Without the first reply the fixed offsets would show misplaced values: the
        // Overview keeps what it shows.
        qDebug() << "status block incomplete, not shown";
        statusBlock.clear();
        return;
    }
    shared.pageBuffer = statusBlock.bytes();
    statusBlock.clear();
    qDebug() << shared.pageBuffer.toHex(' ') << shared.pageBuffer.size();

    showSystemInfo();
    showMeasurements();
    ui->comboBoxSetupInverter->clear();
    fillSetupLists();
    bmsInfo->layoutCellTable();
    shared.pageBuffer.clear();

    // Reloads the firmware file of each target, the one for index 0 last.
    ui->comboBox->setCurrentIndex(1);
    ui->comboBox->setCurrentIndex(0);
    firmwareUpdate->scanTableFiles();

    bmsInfo->buildCellTable();
}

void MainWindow::showSystemInfo() {
    const OverviewTexts t = decodeOverview(shared.pageBuffer);
    for (QLabel* label : {ui->label_BMSNo, ui->label_BMSA, ui->label_Batterytype, ui->label_Grid,
                          ui->label_Phase, ui->label_InverterName})
        label->clear();

    setLabel(ui->label_SN, t.serial);
    setLabel(ui->label_BMU, t.bmuVersion);
    setLabel(ui->label_BMSA, t.bmsVersion);
    setLabel(ui->label_InverterName, t.inverterName);

    const bool hv = t.family == BatteryFamily::HV;
    ui->label_21->setVisible(hv);
    ui->label_BMSNo->setText(t.bmsCount);
    if (hv)
        ui->label_ModuleNum->setText(t.modulesPerTower);

    setLabel(ui->label_Batterytype, t.batteryType);
    qDebug() << t.batteryType << t.grid << t.phase;
    ui->label_Grid->setText(t.grid);
    ui->label_Phase->setText(t.phase);

    statusTime->setText(QStringLiteral("        ") + QDateTime::currentDateTime().toString(
                                                         QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (statusTime->parent() != statusBar())
        statusBar()->addWidget(statusTime, 0);
}

void MainWindow::showMeasurements() {
    const OverviewTexts t = decodeOverview(shared.pageBuffer);
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

    bmuData->showWarnings();

    ui->label_ThresholdVersion->setText(t.tableVersion);
    ui->label_PT_Running->setText(t.tableVersion);
    qDebug() << "BMU阈值表版本号：" << t.tableVersion;
    ui->label_PVoltage->setText(t.outputVoltage);
    ui->label_Power->setText(t.power);
    qDebug() << "电压和电流值：" << t.outputVoltage << t.current;

    // One entry per BMS; an HV tower digit a..f is no number and lists none.
    QStringList units;
    for (int n = 1; n <= t.bmsListSize(); ++n)
        units << QStringLiteral("BMS%1").arg(n);
    ui->comboBox_ReadHistoryInfo->clear();
    ui->comboBox_ReadHistoryInfo->addItems(QStringList{QStringLiteral("BMU")} + units);
    ui->comboBox_BMSInfo->clear();
    ui->comboBox_BMSInfo->addItems(units);
}

void MainWindow::on_Btn_BMSInfo_Read_clicked() {
    // A press of the button always starts with the first pass.
    if (sender() == ui->Btn_BMSInfo_Read)
        shared.cellsPass = 0;
    if (ui->label_Batterytype->text() == QLatin1String("QPA") && shared.cellsPass == 1) {
        requestState = BmsExtendWrite;
        sendFrame(extendedReadRequest());
        return;
    }
    requestBmsInfo();
}

void MainWindow::requestBmsInfo() {
    if (ui->comboBox_BMSInfo->currentIndex() < 0) {
        ui->textEdit_BMS_Event->append(
            QStringLiteral("No BMS to read yet: press Refresh on the System Info tab first."));
        return;
    }
    shared.pageBuffer.clear();
    lockButtons();
    requestState = BmsInfoWait;
    guardedOp = GuardBmsInfo;
    const QString request = bmsInfoRequest(quint16(ui->comboBox_BMSInfo->currentIndex() + 1));
    sendFrame(request);
    stepTimer->start(BmsInfoStepMs);
    replyTimer->start(BmsInfoReplyLimitMs);
    qDebug() << request << "读取BMS调试信息";
}

void MainWindow::on_Btn_CellInfo_Export_clicked() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString suggested =
        cellExportDefaultName(desktop, ui->comboBox_BMSInfo->currentText(),
                              ui->label_BMS_SN->text(), QDateTime::currentDateTime());
    const QString path =
        askSaveFileName(this, QStringLiteral("Save"), suggested,
                        QStringLiteral("Excel File( *.xls *.xlsx);;TXT-Files (*.txt)"));
    if (path.isEmpty())
        return;
    exportTable(ui->tableWidget_BMS_Cells, path);
}
