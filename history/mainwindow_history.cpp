// History members of the main window; added with the history work.
#include "app/mainwindow.h"

void MainWindow::on_Btn_HistoryInfo_clicked() {}
void MainWindow::on_Btn_HistoryInfo_Clear_clicked() {}
void MainWindow::on_comboBox_ReadHistoryInfo_currentIndexChanged(int) {}
void MainWindow::setupHistoryTables() {}
void MainWindow::requestHistoryBlock() {}
void MainWindow::onHistoryReply() {}
void MainWindow::onHistoryStep() {}
