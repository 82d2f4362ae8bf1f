// Firmware and parameter-table transfers from the window: the choice of the image, the
// pre-checks, and the start of the transfer the session runs.

#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "app/messages.h"
#include "firmware/panetext.h"
#include "firmware/sendcheck.h"
#include "firmware/tablefile.h"
#include "firmware/transfer.h"
#include "firmware/update.h"
#include "firmware/updateconfirmation.h"
#include "link/bmusession.h"
#include "link/hexcommand.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QTextEdit>

namespace {

// The installer's pre-check outcomes as they appear in the firmware pane: a text colour
// for the lines that follow, the lines, and a style for the whole pane.
struct SendCheckMessage {
    SendCheck check;
    const char* colour;
    const char* style;
    const char* lines[2];
};

const SendCheckMessage sendCheckMessages[] = {
    {SendCheck::NoImage,
     "red",
     nullptr,
     {"1.Please Refresh the system info firstly. ",
      "2.Ensure you have downloaded the firmware files. "}},
    {SendCheck::NoRunningVersion,
     nullptr,
     PaneText::Red,
     {"Can not find the version information, please check the communication between BMU and "
      "BMS.",
      nullptr}},
    {SendCheck::NotForHighVoltage,
     nullptr,
     PaneText::Red,
     {"The firmware is NOT for HV system, please double confirm. ", nullptr}},
    {SendCheck::NotForLowVoltage,
     nullptr,
     PaneText::Red,
     {"The firmware is NOT for LV system, please double confirm. ", nullptr}},
    {SendCheck::NewerMain, "blue", nullptr, {nullptr, nullptr}},
    {SendCheck::OlderMain, nullptr, nullptr, {nullptr, nullptr}},
    {SendCheck::NewerSub, "blue", nullptr, {nullptr, nullptr}},
    {SendCheck::SameVersion,
     "blue",
     nullptr,
     {"If you didn't download the Firmware, please download it then try again. ",
      "If you have downloaded the Firmware already, so the %1 Firmware has been latest."}},
    {SendCheck::OlderSub,
     "red",
     nullptr,
     {"Please download the latest Firmware, then try to update again. ", nullptr}},
};

void showSendCheck(QTextEdit* pane, SendCheck check, const QString& targetText) {
    for (const SendCheckMessage& message : sendCheckMessages) {
        if (message.check != check)
            continue;
        if (message.colour)
            pane->setTextColor(QColor(QLatin1String(message.colour)));
        for (const char* line : message.lines) {
            if (line)
                pane->append(QString::fromLatin1(line).replace(QLatin1String("%1"), targetText));
        }
        if (message.style)
            pane->setStyleSheet(QLatin1String(message.style));
        return;
    }
}

} // namespace

void MainWindow::on_comboBox_currentIndexChanged(int index) {
    if (!firmwareUpdate)
        return; // items added while the form is built
    firmwareUpdate->loadFirmwareFile(index);
    ui->progressBarFW->setValue(0);
}

void MainWindow::reloadFirmwareFiles() {
    // A change of the firmware type is what loads the image: the one for index 0 last.
    ui->comboBox->setCurrentIndex(1);
    ui->comboBox->setCurrentIndex(0);
}

void MainWindow::on_BtnSendFW_clicked() {
    if (refuseWithoutLink())
        return;
    QTextEdit* pane = ui->textEdit_FW_Update;
    pane->clear();
    const FirmwareTarget target = targetFromText(ui->comboBox->currentText());
    // Only the image loaded for the target shown may go out, whatever the role.
    if (!firmwareUpdate->firmwareArmedFor(target)) {
        showSendCheck(pane, SendCheck::NoImage, targetText(target));
        return;
    }
    if (userRole == QLatin1String("installer")) {
        const FirmwareVersions v = firmwareUpdate->firmwareVersions();
        const SendCheck check = checkFirmwareSend(v.newMain, v.newSub, v.runningMain, v.runningSub,
                                                  session->snapshot().batteryType);
        showSendCheck(pane, check, ui->comboBox->currentText());
        if (!sendAllowed(check))
            return;
    }
    if (!firmwareUpdate->buildFirmwareHeader()) {
        PaneText::append(pane, tr("The firmware image cannot be sent."), PaneText::Red);
        return;
    }
    const FirmwareVersions v = firmwareUpdate->firmwareVersions();
    const UpdateSummary summary{targetText(target),
                                v.runningMain + QLatin1Char('.') + v.runningSub,
                                v.newMain + QLatin1Char('.') + v.newSub,
                                firmwareUpdate->firmwareFileName,
                                firmwareUpdate->firmwareSize,
                                int(firmwareUpdate->firmwarePackets.size())};
    confirmUpdate(summary, [this, target] {
        // A refresh while the question was open reloads the files: the header anew.
        if (!firmwareUpdate->firmwareArmedFor(target) || !firmwareUpdate->buildFirmwareHeader())
            return PaneText::append(ui->textEdit_FW_Update,
                                    tr("The firmware image cannot be sent."), PaneText::Red);
        auto* transfer = new Transfer(
            TransferPlan::firmware(target, hexToBytes(firmwareUpdate->firmwareHeaderFrame),
                                   firmwareUpdate->firmwarePackets));
        connect(transfer, &Operation::progress, ui->progressBarFW, &QProgressBar::setValue);
        startOperation(transfer);
    });
}

void MainWindow::confirmUpdate(const UpdateSummary& update, std::function<void()> onYes) {
    Messages::ask(this, tr("Confirm the update"), updateConfirmationText(update, session->timing()),
                  QMessageBox::Yes | QMessageBox::Cancel,
                  [onYes = std::move(onYes)](QMessageBox::StandardButton answer) {
                      if (answer == QMessageBox::Yes)
                          onYes();
                  });
}

void MainWindow::on_Btn_PT_Update_clicked() {
    if (refuseWithoutLink())
        return;
    QTextEdit* pane = ui->textEdit_FW_Update;
    const TableBlock block{firmwareUpdate->tableData, firmwareUpdate->tableCrcText};
    if (!tableCrcMatches(block)) {
        PaneText::show(pane,
                       tr("File is destroyed,please download and try again. Or "
                          "contact with our service partner."),
                       PaneText::Red);
        return;
    }
    const QString refusal = firmwareUpdate->tableHeaderRefusal();
    if (!refusal.isEmpty() || !firmwareUpdate->buildTableHeader()) {
        PaneText::show(pane, refusal, PaneText::Red);
        return;
    }
    const UpdateSummary summary{tr("parameter table"),
                                session->snapshot().overview.tableVersion,
                                firmwareUpdate->tableNewVersion,
                                firmwareUpdate->tableFileName,
                                firmwareUpdate->tableData.size(),
                                int(firmwareUpdate->tablePackets.size())};
    confirmUpdate(summary, [this] {
        if (!firmwareUpdate->buildTableHeader())
            return PaneText::show(ui->textEdit_FW_Update, firmwareUpdate->tableHeaderRefusal(),
                                  PaneText::Red);
        auto* transfer = new Transfer(TransferPlan::table(
            hexToBytes(firmwareUpdate->tableHeaderFrame), firmwareUpdate->tablePackets));
        connect(transfer, &Operation::progress, ui->progressBar_PT, &QProgressBar::setValue);
        startOperation(transfer);
    });
}
