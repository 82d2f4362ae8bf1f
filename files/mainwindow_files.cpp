// Data-file members of the main window; added with the data-files work.
#include "app/mainwindow.h"

void MainWindow::exportTable(QTableWidget*, const QString&) {}
void MainWindow::on_pushButton_2_clicked() {}
void MainWindow::on_pushBtn_Trans_to_Excel_clicked() {}
void MainWindow::on_Btn_TransFromFile_clicked() {}
void MainWindow::on_radioBtn_BMU_toggled(bool) {}
void MainWindow::on_radioBtn_BMS_toggled(bool) {}
void MainWindow::on_Btn_clear_clicked() {}
void MainWindow::on_pushButton_3_clicked() {}
void MainWindow::on_Btn_PT_Load_clicked() {}
