// Data-file members of the main window: export of result tables, translation of a saved
// log from a file, and the translation tab's controls.
#include "app/fixedpitchdelegate.h"
#include "app/logcategories.h"
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "app/messages.h"
#include "app/styles.h"
#include "files/tableexport.h"
#include "files/translationrun.h"

#include <QComboBox>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUrl>

namespace {

const char exportCaption[] = QT_TRANSLATE_NOOP("MainWindow", "Save");
const char exportFilter[] = "Excel File( *.xls *.xlsx);;TXT-Files (*.txt)";
// The spreadsheet filter first; the second entry lets the tool's own text exports be picked.
const char importFilter[] = "Exel file(*.xls *.xlsx);;TXT-Files (*.txt *.csv)";

// Columns of the translation results; the BMS decoder fills "Warning 1" onward.
const QStringList bmuTranslationHeader{"Date&Time", "Code", "Description", "Details"};
const QStringList bmsTranslationHeader{"Date&Time",     "Code",           "Description",
                                       "Warning 1",     "Warning 2",      "Warning 3",
                                       "Fault",         "Switch Status",  "SOC",
                                       "SOH",           "Bat_V (V)",      "Output_V (V)",
                                       "Current(A)",    "Cell_Max_V(mV)", "Cell_Min_V(mV)",
                                       "Cell_Max_T(℃)", "Cell_Min_T(℃)",  "Remarks"};

QString timeStamp() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HHmmss"));
}

QString desktopFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

// What the table shows: header texts and the display text of every cell; a column
// without a header item and a missing cell are empty texts.
ExportTable contentsOf(const QTableWidget* table) {
    ExportTable contents;
    for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem* item = table->horizontalHeaderItem(c);
        contents.header << (item ? item->text() : QString());
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            row << (item ? item->data(Qt::DisplayRole).toString() : QString());
        }
        contents.rows << row;
    }
    return contents;
}

void setupTranslationTable(QTableWidget* table, const QStringList& header) {
    table->setColumnCount(header.size());
    table->setHorizontalHeaderLabels(header);
    const int widths[] = {200, 50, 250};
    for (int c = 0; c < 3; ++c)
        table->setColumnWidth(c, widths[c]);
    table->setItemDelegateForColumn(1, new FixedPitchDelegate(table)); // the Code column
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setStyleSheet(QLatin1String(Style::SkyblueHeader));
    table->setStyleSheet(QLatin1String(Style::TableSelection));
}

} // namespace

void MainWindow::setupTranslationTables() {
    setupTranslationTable(ui->table_Trans, bmuTranslationHeader);
    setupTranslationTable(ui->tableWidget_Trans_BMS, bmsTranslationHeader);
}

void MainWindow::exportTable(QTableWidget* table, const QString& path) {
    if (path.isEmpty() || !table)
        return;
    qCDebug(lcFiles) << "exporting rows" << table->rowCount() << "columns" << table->columnCount();
    const QString error = writeTableFile(path, contentsOf(table));
    if (!error.isEmpty()) {
        Messages::warning(this, tr("Remind"), error);
        return;
    }
    Messages::ask(this, tr("Done"), tr("Data export successfully. Do you want to open it now?"),
                  QMessageBox::Yes | QMessageBox::No, [path](QMessageBox::StandardButton answer) {
                      if (answer == QMessageBox::Yes)
                          QDesktopServices::openUrl(QUrl::fromLocalFile(path));
                  });
}

void MainWindow::on_pushButton_2_clicked() {
    // Before the first refresh the unit list is empty and the BMU's table is the one shown.
    const int index = qMax(0, ui->comboBox_ReadHistoryInfo->currentIndex());
    const QString serial = ui->label_SN->text();
    const QString name =
        index == 0
            ? QStringLiteral("/%1+BMU Historical Data+%2").arg(serial, timeStamp())
            : QStringLiteral("/%2+BMS%1+%4 Historical Data+%3")
                  .arg(QString::number(index), serial, timeStamp(), ui->label_BMS_SN->text());
    const QString path = askSaveFileName(this, MainWindow::tr(exportCaption),
                                         desktopFolder() + name, QLatin1String(exportFilter));
    exportTable(historyTables.value(index), path);
}

void MainWindow::on_pushBtn_Trans_to_Excel_clicked() {
    QTableWidget* table = nullptr;
    QString name;
    if (ui->radioBtn_BMU->isChecked()) {
        table = ui->table_Trans;
        name = QStringLiteral("/BMU Historical Info (%1)%2");
    } else if (ui->radioBtn_BMS->isChecked()) {
        table = ui->tableWidget_Trans_BMS;
        name = QStringLiteral("/BMS Historical Info (%1)%2");
    } else {
        return;
    }
    const QString path = askSaveFileName(
        this, MainWindow::tr(exportCaption),
        desktopFolder() + name.arg(ui->label_SN->text(), timeStamp()), QLatin1String(exportFilter));
    exportTable(table, path);
}

void MainWindow::on_Btn_TransFromFile_clicked() {
    if (findChild<TranslationRun*>())
        return; // one translation at a time: its progress dialog is open
    const QString path =
        askOpenFileName(this, tr("Choose Excel file"), QString(), QLatin1String(importFilter));
    if (path.isEmpty())
        return;
    const bool bmu = ui->radioBtn_BMU->isChecked();
    if (!bmu && !ui->radioBtn_BMS->isChecked()) {
        Messages::open(this, QMessageBox::Warning, tr("Remind"),
                       tr("Please choose BMU or BMS first."), QMessageBox::Apply);
        return;
    }
    new TranslationRun(this, bmu ? ui->table_Trans : ui->tableWidget_Trans_BMS, path,
                       bmu ? LogUnit::Bmu : LogUnit::Bms, ui->comboBox_Trans->currentText());
}

void MainWindow::on_radioBtn_BMU_toggled(bool checked) {
    if (checked)
        ui->stackedWidget_Trans->setCurrentIndex(0);
}

void MainWindow::on_radioBtn_BMS_toggled(bool checked) {
    if (checked)
        ui->stackedWidget_Trans->setCurrentIndex(1);
}

void MainWindow::on_Btn_clear_clicked() {
    if (ui->radioBtn_BMU->isChecked())
        ui->table_Trans->setRowCount(0);
    else if (ui->radioBtn_BMS->isChecked())
        ui->tableWidget_Trans_BMS->setRowCount(0);
}
