// System setup members of the main window: the setting lists of the battery family,
// the setup read and the setup write.
#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "app/messages.h"
#include "config/setup.h"
#include "link/catalogue.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

constexpr int SetupEchoLimitMs = 3000;

} // namespace

void MainWindow::fillSetupLists() {
    const auto lists = setupListsForSerial(ui->label_SN->text());
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
    requestState = SetupRead;
    sendFrame(QLatin1String(Command::SetupRead));
}

void MainWindow::showSetupRead() {
    const auto setup = decodeSetupReply(shared.rxFrame, familyOfSerial(ui->label_SN->text()));
    if (!setup)
        return;
    ui->comboBoxSetupInverter->setCurrentIndex(setup->inverterPosition);
    ui->label_InverterName->setText(setup->inverterName);
    ui->lineEditSetupParallels->setText(setup->moduleCount);
    ui->comboBoxSetupBMS->setCurrentIndex(setup->batteryTypeIndex);
    ui->label_Batterytype->setText(ui->comboBoxSetupBMS->currentText());
    ui->comboBoxSetupGrid->setCurrentIndex(setup->gridIndex);
    ui->comboBox_SetupPhase->setCurrentIndex(setup->phaseIndex);
}

void MainWindow::on_BtnSetup_clicked() {
    const SetupBytes setup = composeSetupBytes(
        ui->comboBoxSetupInverter->currentText(), ui->lineEditSetupParallels->text(),
        ui->comboBoxSetupBMS->currentIndex(), ui->comboBoxSetupGrid->currentIndex(),
        ui->comboBox_SetupPhase->currentIndex());
    const QString refusal = setupRefusalMessage(setup.outcome);
    if (!refusal.isEmpty()) {
        // Refused before anything is sent or locked: the buttons stay usable.
        Messages::warning(this, QStringLiteral("Setup"), refusal);
        return;
    }

    lockButtons();
    requestState = SetupWrite;
    stepTimer->start(SetupEchoLimitMs);
    if (setup.outcome == SetupBytes::NoInverter)
        return; // nothing to write: the step gives the buttons back
    const QString request = setupWriteRequest(setup.bytes);
    sendFrame(request);
    qDebug() << "写入的信息:" << request;
}
