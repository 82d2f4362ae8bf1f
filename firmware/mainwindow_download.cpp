// The Download button: log.txt and the files it names, from the update server into the
// Data folder, run by the session.

#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "firmware/download.h"
#include "firmware/update.h"
#include "link/bmusession.h"

#include <QProgressBar>
#include <QProgressDialog>

void MainWindow::on_BtnDownloadFWfile_clicked() {
    auto* download = new Download(appSettings.updateServer, Update::dataFolder());
    connect(download, &Operation::progress, ui->pBar_Download_FW, [this](int received, int total) {
        ui->pBar_Download_FW->setMaximum(total);
        ui->pBar_Download_FW->setValue(received);
    });
    connect(download, &Download::lastFileArrived, this, &MainWindow::reloadFirmwareFiles);
    // A Cancel for a run that takes a while; it goes with the run (the session deletes a
    // download it ran or refused).
    auto* cancelDialog =
        new QProgressDialog(tr("Downloading from the update server..."), tr("Cancel"), 0, 0, this);
    cancelDialog->setWindowTitle(tr("please wait..."));
    cancelDialog->setMinimumDuration(2000);
    connect(cancelDialog, &QProgressDialog::canceled, download, &Download::cancel);
    connect(download, &QObject::destroyed, cancelDialog, &QObject::deleteLater);
    startOperation(download);
}
