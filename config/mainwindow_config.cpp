// System setup members of the main window: the setting lists of the battery family,
// the setup read and the setup write.
#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "app/messages.h"
#include "config/setup.h"
#include "config/setupread.h"
#include "config/setupwrite.h"
#include "link/bmusession.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void MainWindow::fillSetupLists() {
    const auto lists = setupListsForSerial(session ? session->snapshot().serial() : QString());
    if (!lists)
        return;
    ui->comboBoxSetupBMS->clear();
    ui->comboBoxSetupBMS->addItems(lists->batteryTypes);
    ui->comboBoxSetupInverter->addItems(lists->inverterNames);
    ui->label_Parallels->setText(lists->countCaption);
    ui->label_Parallels->adjustSize();
    ui->comboBoxSetupBMS->setCurrentIndex(lists->preselectedBatteryType);
}

void MainWindow::on_Btn_Read_clicked() {
    if (refuseWithoutLink())
        return;
    startOperation(new SetupRead(ui->comboBox_BMSInfo->currentIndex() + 1));
}

void MainWindow::showSetupRead(const SetupSelection& setup) {
    ui->comboBoxSetupInverter->setCurrentIndex(setup.inverterPosition);
    ui->label_InverterName->setText(setup.inverterName);
    ui->lineEditSetupParallels->setText(setup.moduleCount);
    ui->comboBoxSetupBMS->setCurrentIndex(setup.batteryTypeIndex);
    ui->label_Batterytype->setText(ui->comboBoxSetupBMS->currentText());
    ui->comboBoxSetupGrid->setCurrentIndex(setup.gridIndex);
    ui->comboBox_SetupPhase->setCurrentIndex(setup.phaseIndex);
}

void MainWindow::on_BtnSetup_clicked() {
    if (refuseWithoutLink())
        return;
    const SetupBytes setup = composeSetupWrite(
        session->snapshot(), ui->comboBoxSetupInverter->currentText(),
        ui->lineEditSetupParallels->text(), ui->comboBoxSetupBMS->currentIndex(),
        ui->comboBoxSetupGrid->currentIndex(), ui->comboBox_SetupPhase->currentIndex());
    const QString refusal = setupRefusalMessage(setup.outcome);
    if (!refusal.isEmpty()) {
        // Refused before anything is sent: the buttons stay usable.
        Messages::warning(this, tr("Setup"), refusal);
        return;
    }
    if (setup.outcome == SetupBytes::NoInverter)
        return; // nothing to write
    startOperation(new SetupWrite(setup.bytes));
}

void MainWindow::showSetupWritten() {
    ui->label_InverterName->setText(ui->comboBoxSetupInverter->currentText());
    ui->label_Batterytype->setText(ui->comboBoxSetupBMS->currentText());
    ui->label_BMSNo->setText(ui->lineEditSetupParallels->text());
    ui->label_Phase->setText(ui->comboBox_SetupPhase->currentText());
    ui->label_Grid->setText(ui->comboBoxSetupGrid->currentText());
}
