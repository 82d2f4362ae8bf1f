// Firmware and parameter-table members of the main window; added with the firmware work.
#include "app/mainwindow.h"

void MainWindow::on_comboBox_currentIndexChanged(int) {}
void MainWindow::on_BtnSendFW_clicked() {}
void MainWindow::on_Btn_PT_Update_clicked() {}
void MainWindow::sendFirmwarePacket() {}
void MainWindow::sendTablePacket() {}
void MainWindow::onFirmwareReply() {}
void MainWindow::onFirmwareStep() {}
void MainWindow::onTableReply() {}
void MainWindow::onTableStep() {}
void MainWindow::setupDownload() {}
void MainWindow::on_BtnDownloadFWfile_clicked() {}
void MainWindow::slotReadyRead() {}
void MainWindow::downloadProgress(qint64, qint64) {}
void MainWindow::readReplyError(QNetworkReply::NetworkError) {}
void MainWindow::timeOut() {}
void MainWindow::downloadFinishReply(QNetworkReply*) {}
bool MainWindow::buildDownloadUrl() {
    return false;
}
bool MainWindow::ensureDataDir() {
    return false;
}
bool MainWindow::openDownloadFile() {
    return false;
}
void MainWindow::startDownload() {}
void MainWindow::selectMissingFiles() {}
