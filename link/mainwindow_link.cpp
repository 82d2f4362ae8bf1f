// The link to the BMU: the connection and its button, sending requests, and the
// dispatcher that routes every reply frame and timer tick by requestState.

#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "app/messages.h"
#include "link/bytes.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "monitor/bms_info.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpSocket>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr int ConnectLimitMs = 5000;
constexpr int ReconnectRetryMs = 3000;

QString connectText() {
    return QObject::tr("Connect");
}

} // namespace

void MainWindow::setupLink() {
    tcpSocket = new QTcpSocket(this);
    connect(tcpSocket, &QTcpSocket::readyRead, this, &MainWindow::onReadMsg);
    connect(tcpSocket, &QTcpSocket::connected, this, &MainWindow::onConnect);
    connect(tcpSocket, &QTcpSocket::disconnected, this, &MainWindow::onDisConnect);
    connect(tcpSocket, &QAbstractSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) {
                // A link the BMU closes ends through disconnected(); only failed attempts here.
                if (error != QAbstractSocket::RemoteHostClosedError &&
                    tcpSocket->state() != QAbstractSocket::ConnectedState)
                    onConnectFailed();
            });

    stepTimer = new QTimer(this);
    stepTimer->setSingleShot(false);
    connect(stepTimer, &QTimer::timeout, this, &MainWindow::onTimeout);
    replyTimer = new QTimer(this);
    replyTimer->setSingleShot(false);
    connect(replyTimer, &QTimer::timeout, this, &MainWindow::onTime2out);

    connectTimer = new QTimer(this);
    connectTimer->setSingleShot(true);
    connect(connectTimer, &QTimer::timeout, this, &MainWindow::onConnectFailed);
    reconnectTimer = new QTimer(this);
    reconnectTimer->setSingleShot(true);
    connect(reconnectTimer, &QTimer::timeout, this, &MainWindow::connectToBmu);
}

void MainWindow::connectToBmu() {
    tcpSocket->connectToHost(appSettings.bmuHost, appSettings.bmuPort, QIODevice::ReadWrite,
                             QAbstractSocket::AnyIPProtocol);
}

void MainWindow::on_Btn_ConnectTCP_clicked() {
    if (ui->Btn_ConnectTCP->text() == connectText()) {
        userDisconnected = false;
        reconnectTimer->stop();
        tcpSocket->abort();
        connectAttemptByUser = true;
        connectToBmu();
        connectTimer->start(ConnectLimitMs);
        return;
    }
    // The user's Disconnect ends the link for good: no automatic reconnection follows.
    userDisconnected = true;
    reconnectTimer->stop();
    tcpSocket->disconnectFromHost();
    ui->Btn_ConnectTCP->setText(connectText());
}

void MainWindow::onConnect() {
    qDebug() << "连接成功";
    connectTimer->stop();
    if (connectAttemptByUser) {
        connectAttemptByUser = false;
        Messages::open(this, QMessageBox::Information, QStringLiteral("information"),
                       QStringLiteral("Connection successfully!"),
                       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    }
    ui->Btn_ConnectTCP->setText(QStringLiteral("Disconnect"));
}

void MainWindow::onConnectFailed() {
    if (tcpSocket->state() == QAbstractSocket::ConnectedState)
        return;
    if (connectAttemptByUser) {
        connectAttemptByUser = false;
        connectTimer->stop();
        tcpSocket->abort();
        Messages::open(this, QMessageBox::Information, QStringLiteral("information"),
                       QStringLiteral("Connection failed!"), QMessageBox::Ok | QMessageBox::Cancel,
                       QMessageBox::Cancel);
    } else if (!userDisconnected && !reconnectTimer->isActive()) {
        reconnectTimer->start(ReconnectRetryMs); // the BMU dropped the link: keep trying
    }
}

void MainWindow::onDisConnect() {
    qDebug() << "连接失败";
    frameAssembler.clear();
    ui->Btn_ConnectTCP->setText(connectText());
    if (userDisconnected)
        return;
    tcpSocket->abort();
    connectToBmu();
}

qint64 MainWindow::sendFrame(const QString& text) {
    // Bytes of a reply that never completed belong to an earlier request.
    frameAssembler.clear();
    if (tcpSocket->state() != QAbstractSocket::ConnectedState)
        return -1;
    return tcpSocket->write(hexToBytes(text));
}

void MainWindow::onReadMsg() {
    const QVector<QByteArray> frames = frameAssembler.feed(tcpSocket->readAll());
    for (const QByteArray& frame : frames)
        dispatchFrame(frame);
}

void MainWindow::dispatchFrame(const QByteArray& frame) {
    shared.rxFrame = frame;
    if (FrameAssembler::isException(frame)) {
        reportException(byteAt(frame, 2));
        return;
    }
    if (requestState < Idle || requestState > BmsExtendWrite)
        return;
    dispatchReply();
}

QTextEdit* MainWindow::paneOfRunningOperation() const {
    switch (requestState) {
    case BmsInfoWait:
    case BmsInfoPages:
    case BmsExtendWrite:
        return ui->textEdit_BMS_Event;
    case FwHeader:
    case FwPackets:
    case FwResult:
    case PtHeader:
    case PtPackets:
    case PtResult:
        return ui->textEdit_FW_Update;
    default:
        return ui->textEdit_BMU_Event;
    }
}

void MainWindow::reportException(quint8 code) {
    paneOfRunningOperation()->append(
        QStringLiteral("The BMU answered with Modbus exception %1 (%2).")
            .arg(code, 2, 16, QLatin1Char('0'))
            .arg(QLatin1String(modbusExceptionName(code))));
}

bool MainWindow::replyIsReady() const {
    return wordBE(shared.rxFrame, 3) == Command::ReadyValue;
}

bool MainWindow::resultIsZero() const {
    return shared.rxFrame.size() > 8 && byteAt(shared.rxFrame, 7) == 0 &&
           byteAt(shared.rxFrame, 8) == 0;
}

void MainWindow::dispatchReply() {
    switch (requestState) {
    case StatusFirst:
        gatherStatusBlock();
        break;
    case StatusSecond:
        // A first reply that comes after the second read was sent is gathered into its
        // place; only the second reply completes the refresh.
        if (StatusBlock::kindOf(shared.rxFrame) != StatusReply::Second) {
            gatherStatusBlock();
            break;
        }
        if (stepTimer->isActive()) {
            stepTimer->stop();
            unlockButtons();
        }
        refreshOverview();
        on_Btn_Read_clicked();
        break;
    case SetupRead:
        showSetupRead();
        qDebug() << "Reading susseccful";
        if (ui->label_BMSNo->text() != QLatin1String("0"))
            on_Btn_BMSInfo_Read_clicked();
        break;
    case SetupWrite:
        stepTimer->stop();
        unlockButtons();
        ui->label_InverterName->setText(ui->comboBoxSetupInverter->currentText());
        ui->label_Batterytype->setText(ui->comboBoxSetupBMS->currentText());
        ui->label_BMSNo->setText(ui->lineEditSetupParallels->text());
        ui->label_Phase->setText(ui->comboBox_SetupPhase->currentText());
        ui->label_Grid->setText(ui->comboBoxSetupGrid->currentText());
        ui->textEdit_BMU_Event->append(QStringLiteral("setting susseccful"));
        shared.rxFrame.clear();
        on_Btn_Refresh_clicked();
        break;
    case HistoryWait:
    case HistoryPages:
        onHistoryReply();
        break;
    case BmsInfoWait:
        if (replyIsReady()) {
            shared.pageCount = 0;
            requestState = BmsInfoPages;
            stepTimer->start(500);
        } else {
            qDebug() << "读取BMS信息错误：" << shared.rxFrame.toHex(' ');
        }
        break;
    case BmsInfoPages:
        bmsInfo->gatherPage();
        if (shared.pageCount == 4) {
            unlockButtons();
            bmsInfo->showBmsInfo();
            shared.pageBuffer.clear();
            if (ui->label_Batterytype->text() == QLatin1String("QPA") &&
                ui->label_ModuleNum->text() == QLatin1String("5")) {
                shared.cellsPass += 1;
                if (shared.cellsPass == 1) {
                    qDebug() << "QPA_CellsInfo=" << shared.cellsPass;
                    on_Btn_BMSInfo_Read_clicked();
                } else if (shared.cellsPass == 2) {
                    shared.cellsPass = 0;
                }
            }
        }
        break;
    case FwHeader:
    case FwPackets:
    case FwResult:
        onFirmwareReply();
        break;
    case PtHeader:
    case PtPackets:
    case PtResult:
        onTableReply();
        break;
    case BmsExtendWrite:
        if (shared.rxFrame.toHex().toUpper() == Command::ExtendedReadEcho) {
            qDebug() << "第二次读取BMS信息";
            requestBmsInfo();
        }
        break;
    default:
        break;
    }
}

void MainWindow::onTimeout() {
    switch (requestState) {
    case StatusFirst:
        // The second block is requested on the tick whether or not the first reply came.
        shared.pageCount -= 1;
        if (shared.pageCount == 0)
            stepTimer->stop();
        requestState = StatusSecond;
        sendFrame(QLatin1String(Command::StatusSecond));
        break;
    case StatusSecond:
        // No second reply within the step: the refresh is over.
        stepTimer->stop();
        unlockButtons();
        break;
    case SetupWrite:
        stepTimer->stop();
        unlockButtons();
        break;
    case HistoryWait:
    case HistoryPages:
    case HistoryNext:
        onHistoryStep();
        break;
    case BmsInfoWait:
        stepTimer->stop();
        sendFrame(QLatin1String(Command::BmsInfoReadyPoll));
        break;
    case BmsInfoPages:
        shared.pageCount += 1;
        if (shared.pageCount == 5) {
            unlockButtons();
            stepTimer->stop();
        } else {
            sendFrame(QLatin1String(Command::BmsInfoPage));
        }
        break;
    case FwHeader:
    case FwPackets:
    case FwResult:
        onFirmwareStep();
        break;
    case PtHeader:
    case PtPackets:
    case PtResult: // the table result is read again while the BMU stays silent
        onTableStep();
        break;
    default:
        break;
    }
}

void MainWindow::onTime2out() {
    if (guardedOp == GuardStatus || guardedOp == GuardHistory || guardedOp == GuardBmsInfo) {
        replyTimer->stop();
        unlockButtons();
    }
}
