// Firmware and parameter-table transfers: the pre-checks, the header writes, the packet
// stream acknowledged packet by packet, and the result read.

#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "firmware/packets.h"
#include "firmware/panetext.h"
#include "firmware/sendcheck.h"
#include "firmware/tablefile.h"
#include "firmware/update.h"
#include "link/bytes.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QProgressBar>
#include <QTextEdit>
#include <QTimer>

namespace {

// Pacing: the next packet 10 ms after an acknowledgement, a repeat after 3000 ms of
// silence; the header's first repeat after 2000 ms.
constexpr int NextPacketMs = 10;
constexpr int RepeatMs = 3000;
constexpr int FirstHeaderWaitMs = 2000;
constexpr int ResultWaitMs = 2000;
constexpr int HeaderTries = 3;
constexpr int FirmwarePacketTicks = 5; // four sends, the fifth silent tick aborts
constexpr int TablePacketTicks = 3;    // two sends
constexpr int ResultReads = 3;

const char noResponseText[] = "No response, please try again.";
const char tableFailureText[] = "Updating failure, please try again!";
const char pleaseWaitText[] = "Updating,please wait...";

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

void MainWindow::on_BtnSendFW_clicked() {
    lockButtons();
    QTextEdit* pane = ui->textEdit_FW_Update;
    pane->clear();
    const FirmwareTarget target = targetFromText(ui->comboBox->currentText());
    // Only the image loaded for the target shown may go out, whatever the role.
    if (!firmwareUpdate->firmwareArmedFor(target)) {
        showSendCheck(pane, SendCheck::NoImage, targetText(target));
        unlockButtons();
        return;
    }
    if (userRole == QLatin1String("installer")) {
        const SendCheck check = checkFirmwareSend(
            ui->labelMainVersion_FW->text(), ui->labelSubVersion_FW->text(),
            ui->label_Current_MainVersion_FW->text(), ui->label_Current_SubVersion_FW->text(),
            ui->label_Batterytype->text());
        showSendCheck(pane, check, ui->comboBox->currentText());
        if (!sendAllowed(check)) {
            unlockButtons();
            return;
        }
    }
    if (!firmwareUpdate->buildFirmwareHeader()) {
        PaneText::append(pane, QStringLiteral("The firmware image cannot be sent."), PaneText::Red);
        unlockButtons();
        return;
    }
    replyTimer->stop(); // the transfer holds the buttons now, not an earlier read
    transferTarget = target;
    transferHeaderRegister = wordBE(hexToBytes(firmwareUpdate->firmwareHeaderFrame), 2);
    transferPacketRegister = targetInfo(target).packetRegister;
    transferPackets = firmwareUpdate->firmwarePackets;
    retryCount = 0;
    requestState = FwHeader;
    stepTimer->start(FirstHeaderWaitMs);
    sendTransferFrame(firmwareUpdate->firmwareHeaderFrame);
    qDebug() << "firmware header" << firmwareUpdate->firmwareHeaderFrame;
}

void MainWindow::on_Btn_PT_Update_clicked() {
    QTextEdit* pane = ui->textEdit_FW_Update;
    const TableBlock block{firmwareUpdate->tableData, firmwareUpdate->tableCrcText};
    qDebug() << "CRC:" << firmwareUpdate->tableCrcText;
    if (!tableCrcMatches(block)) {
        PaneText::show(pane,
                       QStringLiteral("File is destroyed,please download and try again. Or "
                                      "contact with our service partner."),
                       PaneText::Red);
        return;
    }
    const QString refusal = firmwareUpdate->tableHeaderRefusal();
    if (!refusal.isEmpty() || !firmwareUpdate->buildTableHeader()) {
        PaneText::show(pane, refusal, PaneText::Red);
        return;
    }
    replyTimer->stop();
    transferHeaderRegister = wordBE(hexToBytes(firmwareUpdate->tableHeaderFrame), 2);
    transferPacketRegister = Packet::TableFirstRegister;
    transferPackets = firmwareUpdate->tablePackets;
    retryCount = 0;
    requestState = PtHeader;
    stepTimer->start(FirstHeaderWaitMs);
    sendTransferFrame(firmwareUpdate->tableHeaderFrame);
    qDebug() << "table header" << firmwareUpdate->tableHeaderFrame;
}

void MainWindow::sendTransferFrame(const QString& text) {
    awaitingEcho = true;
    sendFrame(text);
}

bool MainWindow::takeTransferEcho(quint16 firstRegister) {
    // The echo of a register write: slave, 0x10, first register, count. A reply to
    // anything else, or an echo when no write is outstanding, acknowledges nothing.
    const QByteArray& frame = shared.rxFrame;
    if (!awaitingEcho || frame.size() != 8 || byteAt(frame, 1) != 0x10 ||
        wordBE(frame, 2) != firstRegister)
        return false;
    awaitingEcho = false;
    return true;
}

bool MainWindow::isResultReply() const {
    // Nine registers read: slave, 0x03, byte count 18, the registers, CRC.
    return shared.rxFrame.size() == 23 && byteAt(shared.rxFrame, 1) == 0x03 &&
           byteAt(shared.rxFrame, 2) == 18;
}

void MainWindow::endTransfer(const QString& failure) {
    stepTimer->stop();
    awaitingEcho = false;
    requestState = Idle; // late echoes of an ended transfer must not restart it
    if (!failure.isEmpty())
        PaneText::append(ui->textEdit_FW_Update, failure, PaneText::Red);
}

void MainWindow::sendFirmwarePacket() {
    ui->progressBarFW->setValue(packetIndex + 1);
    const QString frame = packetCommand(transferPacketRegister, transferPackets, packetIndex);
    sendTransferFrame(frame);
    qDebug() << "第" << packetIndex << "包数据：" << frame.size() / 3;
}

void MainWindow::sendTablePacket() {
    ui->progressBar_PT->setValue(packetIndex + 1);
    const QString frame = packetCommand(transferPacketRegister, transferPackets, packetIndex);
    sendTransferFrame(frame);
    qDebug() << "第" << packetIndex << "包数据：" << frame.size() / 3;
}

void MainWindow::acknowledgePacket(int nextState) {
    stepTimer->stop();
    retryCount = 0;
    if (requestState == nextState)
        packetIndex += 1;
    else
        packetIndex = 0;
    requestState = nextState;
    stepTimer->start(NextPacketMs);
}

void MainWindow::onFirmwareReply() {
    QTextEdit* pane = ui->textEdit_FW_Update;
    switch (requestState) {
    case FwHeader:
        if (!takeTransferEcho(transferHeaderRegister))
            return;
        acknowledgePacket(FwPackets);
        pane->append(QStringLiteral("Firmware Starts to update."));
        break;
    case FwPackets:
        if (takeTransferEcho(transferPacketRegister))
            acknowledgePacket(FwPackets);
        break;
    case FwResult:
        if (!isResultReply())
            return;
        if (resultIsZero()) {
            if (transferTarget == FirmwareTarget::Bmu) {
                pane->append(QStringLiteral("Update Successful!!!"));
            } else {
                pane->append(QStringLiteral("Data has been loaded to BMU successfully!!"));
                pane->append(QStringLiteral(
                    "Please keep the system powering on, then BMU will start to update BMS."));
                pane->append(QStringLiteral("The process will take about 15 minutes."));
            }
            pane->setStyleSheet(QLatin1String(PaneText::Green));
            endTransfer();
        } else {
            endTransfer(QStringLiteral("Update failure, please try again."));
        }
        shared.rxFrame.clear();
        break;
    default:
        break;
    }
}

void MainWindow::onFirmwareStep() {
    retryCount += 1;
    stepTimer->stop();
    switch (requestState) {
    case FwHeader:
        if (retryCount >= HeaderTries) {
            endTransfer(QLatin1String(noResponseText));
            unlockButtons();
            return;
        }
        stepTimer->start(RepeatMs);
        sendTransferFrame(firmwareUpdate->firmwareHeaderFrame);
        break;
    case FwPackets:
        if (retryCount >= FirmwarePacketTicks) {
            unlockButtons();
            endTransfer(
                QStringLiteral("Transferring Data Error,please double check the Wifi connection."));
            return;
        }
        if (packetIndex == 0)
            PaneText::append(ui->textEdit_FW_Update, QLatin1String(pleaseWaitText), PaneText::Blue);
        if (packetIndex < transferPackets.size()) {
            stepTimer->start(RepeatMs);
            sendFirmwarePacket();
        } else {
            requestState = FwResult;
            retryCount = 0;
            unlockButtons();
            stepTimer->start(ResultWaitMs);
        }
        break;
    case FwResult:
        // The result is read again while the BMU stays silent, then the run ends in red.
        if (retryCount > ResultReads) {
            endTransfer(QLatin1String(noResponseText));
            return;
        }
        stepTimer->start(RepeatMs);
        sendFrame(QLatin1String(targetInfo(transferTarget).resultRead));
        break;
    default:
        break;
    }
}

void MainWindow::onTableReply() {
    QTextEdit* pane = ui->textEdit_FW_Update;
    switch (requestState) {
    case PtHeader:
        if (!takeTransferEcho(transferHeaderRegister))
            return;
        acknowledgePacket(PtPackets);
        pane->append(QStringLiteral("Parameters table Starts to update."));
        break;
    case PtPackets:
        if (takeTransferEcho(transferPacketRegister)) {
            acknowledgePacket(PtPackets);
            qDebug() << "接收到的阈值表数据：" << shared.rxFrame.toHex();
        }
        break;
    case PtResult:
        if (!isResultReply())
            return;
        if (resultIsZero()) {
            pane->append(QStringLiteral("update Successful!!!"));
            pane->append(QStringLiteral("Please confirm the version after 2 minutes"));
            pane->setStyleSheet(QLatin1String(PaneText::Green));
            endTransfer();
        } else {
            endTransfer(QLatin1String(tableFailureText));
        }
        break;
    default:
        break;
    }
}

void MainWindow::onTableStep() {
    retryCount += 1;
    stepTimer->stop();
    switch (requestState) {
    case PtHeader:
        if (retryCount >= HeaderTries) {
            endTransfer(QLatin1String(noResponseText));
            unlockButtons();
            return;
        }
        stepTimer->start(RepeatMs);
        sendTransferFrame(firmwareUpdate->tableHeaderFrame);
        break;
    case PtPackets:
        if (retryCount >= TablePacketTicks) {
            endTransfer(QLatin1String(tableFailureText));
            return;
        }
        if (packetIndex == 0)
            ui->textEdit_FW_Update->append(QLatin1String(pleaseWaitText));
        if (packetIndex < transferPackets.size()) {
            stepTimer->start(RepeatMs);
            sendTablePacket();
        } else {
            requestState = PtResult;
            retryCount = 1;
            unlockButtons();
            stepTimer->start(RepeatMs);
            sendFrame(QLatin1String(Command::TableUpdateResult));
        }
        break;
    case PtResult:
        if (retryCount > ResultReads) {
            endTransfer(QLatin1String(noResponseText));
            return;
        }
        stepTimer->start(RepeatMs);
        sendFrame(QLatin1String(Command::TableUpdateResult));
        break;
    default:
        break;
    }
}
