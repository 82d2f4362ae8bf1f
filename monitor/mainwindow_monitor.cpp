// Monitoring members of the main window; the status and BMS information reads are
// added with the monitoring work.
#include "app/mainwindow.h"

void MainWindow::on_Btn_Refresh_clicked() {}
void MainWindow::on_Btn_BMSInfo_Read_clicked() {}
void MainWindow::on_Btn_CellInfo_Export_clicked() {}
void MainWindow::requestStatus() {}
void MainWindow::gatherStatusBlock() {}
void MainWindow::refreshOverview() {}
void MainWindow::showSystemInfo() {}
void MainWindow::showMeasurements() {}
void MainWindow::requestBmsInfo() {}
