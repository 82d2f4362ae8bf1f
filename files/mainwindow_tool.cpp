// The tool page of the main window: the CRC of a firmware file, and packaging a
// parameter-table spreadsheet into a table file in the Data folder.
#include "app/logcategories.h"
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "app/messages.h"
#include "files/firmwarecheck.h"
#include "files/spreadsheetreader.h"
#include "files/tablepackage.h"
#include "files/wholefilesave.h"

#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

void MainWindow::on_pushButton_3_clicked() {
    const QString path =
        askOpenFileName(this, tr("Choose F/W file"), QString(), QStringLiteral("Bin file(*.bin)"));
    if (path.isEmpty())
        return;
    const FirmwareCheck check = checkFirmwareFile(path);
    ui->lineEdit_FW->setText(path);
    ui->lineEdit_CRC->setText(check.crc);
    if (!check.ok()) {
        Messages::warning(this, tr("Remind"), check.error);
        return;
    }
    qCDebug(lcFiles) << "firmware file" << path << "size" << check.size << "CRC" << check.crc;
}

void MainWindow::on_Btn_PT_Load_clicked() {
    const QString path = askOpenFileName(this, tr("选择Excel文件"), QString(),
                                         QStringLiteral("Exel file(*.csv *.xls *.xlsx)"));
    if (path.isEmpty()) {
        ui->textEdit_PT->setPlainText(tr("No file chosen; no table was written."));
        return;
    }
    // A refused sheet leaves no file behind, and a table file is never written short: the
    // package is complete before anything is written, and saved whole or not at all.
    auto refuse = [this](const QString& reason) {
        ui->textEdit_PT->setPlainText(reason);
        Messages::warning(this, tr("Remind"), reason);
    };
    const SheetReadResult sheet = readFirstWorksheet(path);
    if (!sheet.ok())
        return refuse(sheet.error);
    const TablePackage package =
        packageParameterTable(sheet.rows, ui->comboBox_Bat_Type->currentText());
    if (!package.ok())
        return refuse(package.error);
    qCDebug(lcFiles) << "table before encryption" << package.hexText;
    qCDebug(lcFiles) << "encrypted table bytes (with CRC)" << package.content.size();

    const QString dataFolder = QDir::currentPath() + QStringLiteral("/Data/");
    if (!QDir().mkpath(dataFolder))
        return refuse(tr("The folder %1 cannot be created.").arg(dataFolder));
    const QString target = dataFolder + package.fileName;
    const QString reason = saveWholeFile(target, package.content);
    if (!reason.isEmpty())
        return refuse(tr("The file %1 cannot be written: %2").arg(target, reason));
    ui->textEdit_PT->clear();
    ui->textEdit_PT->appendPlainText(
        tr("加密的阈值表导出成功, 文件名为：%1,已存入Data文件夹").arg(package.fileName));
}
