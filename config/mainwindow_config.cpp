// System setup members of the main window; added with the monitoring work.
#include "app/mainwindow.h"

void MainWindow::on_Btn_Read_clicked() {}
void MainWindow::on_BtnSetup_clicked() {}
void MainWindow::fillSetupLists() {}
void MainWindow::showSetupRead() {}
