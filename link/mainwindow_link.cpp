// The window's side of the link: the connection button, the session's pane notes and
// the end of every operation.

#include "app/linkmonitorwindow.h"
#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "app/messages.h"
#include "firmware/panetext.h"
#include "link/bmusession.h"
#include "monitor/statusrefresh.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QString connectText() {
    return MainWindow::tr("Connect");
}

// Removes the newest line of the pane that starts like `line` (the previous progress line).
void removeProgressLine(QTextEdit* pane, const QString& line) {
    const QString start = line.left(line.indexOf(QLatin1Char(':')) + 1);
    for (QTextBlock block = pane->document()->lastBlock(); block.isValid();
         block = block.previous()) {
        if (start.isEmpty() || !block.text().startsWith(start))
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        if (block.previous().isValid())
            cursor.deletePreviousChar(); // the line break before it
        else
            cursor.deleteChar();
        return;
    }
}

QString paneStyle(const QString& colour) {
    return colour.isEmpty() ? QString() : QStringLiteral("color:%1;").arg(colour);
}

} // namespace

void MainWindow::setupSession() {
    session = new BmuSession(this);
    session->link()->setEndpoint(appSettings.bmuHost, appSettings.bmuPort);
    BmuLink* link = session->link();
    connect(link, &BmuLink::connected, this, &MainWindow::onConnect);
    connect(link, &BmuLink::connectFailed, this, &MainWindow::onConnectFailed);
    connect(link, &BmuLink::disconnected, this, &MainWindow::onDisConnect);

    // The state of the link, always in sight.
    linkState = new QLabel(tr("Disconnected"), this);
    linkState->setObjectName(QStringLiteral("label_LinkState"));
    statusBar()->addPermanentWidget(linkState);
    linkMonitorEntry = LinkMonitorWindow::makeEntry(session, this);
    statusBar()->addPermanentWidget(linkMonitorEntry);
    connect(link, &BmuLink::connected, this, [this, link] {
        linkState->setText(tr("Connected to %1:%2").arg(link->host()).arg(link->port()));
    });
    connect(link, &BmuLink::connectFailed, linkState,
            [this] { linkState->setText(tr("Disconnected")); });
    connect(link, &BmuLink::reconnecting, linkState, [this](int attempt) {
        linkState->setText(tr("Link lost, reconnecting (attempt %1)").arg(attempt));
    });
    connect(session, &BmuSession::busyChanged, this,
            [this](bool busy) { busy ? lockButtons() : unlockButtons(); });
    connect(session, &BmuSession::note, this, &MainWindow::showNote);
    connect(session, &BmuSession::operationFinished, this, &MainWindow::onOperationFinished);
    connect(session, &BmuSession::statusRead, this, &MainWindow::refreshOverview);
    connect(session, &BmuSession::setupRead, this, &MainWindow::showSetupRead);
    connect(session, &BmuSession::setupWritten, this, &MainWindow::showSetupWritten);
    connect(session, &BmuSession::bmsInfoRead, this, &MainWindow::showBmsInfo);
    connect(session, &BmuSession::historyBlockRead, this, &MainWindow::showHistoryBlock);
}

bool MainWindow::startOperation(Operation* operation) {
    const int pane = int(operation->pane());
    QString refusal;
    if (session->start(operation, &refusal))
        return true;
    PaneText::appendColoured(paneOf(pane), refusal, "red");
    return false;
}

bool MainWindow::refuseWithoutLink() {
    if (session->link()->isConnected())
        return false;
    Messages::warning(this, tr("Not connected"), BmuSession::notConnectedText());
    return true;
}

QTextEdit* MainWindow::paneOf(int pane) const {
    switch (PaneNote::Pane(pane)) {
    case PaneNote::Pane::Bms:
        return ui->textEdit_BMS_Event;
    case PaneNote::Pane::Update:
        return ui->textEdit_FW_Update;
    case PaneNote::Pane::Overview:
        break;
    }
    return ui->textEdit_BMU_Event;
}

void MainWindow::showNote(const PaneNote& note) {
    QTextEdit* pane = paneOf(int(note.pane));
    switch (note.kind) {
    case PaneNote::Kind::Line:
        pane->append(note.text);
        break;
    case PaneNote::Kind::ColouredLine:
        pane->setTextColor(QColor(note.colour));
        pane->append(note.text);
        break;
    case PaneNote::Kind::StyledLine:
        pane->append(note.text);
        pane->setStyleSheet(paneStyle(note.colour));
        break;
    case PaneNote::Kind::ReplacePane:
        pane->setText(note.text);
        if (!note.colour.isEmpty())
            pane->setStyleSheet(paneStyle(note.colour));
        break;
    case PaneNote::Kind::ProgressLine:
        removeProgressLine(pane, note.text);
        pane->setTextColor(QColor(note.colour));
        pane->append(note.text);
        break;
    case PaneNote::Kind::Clear:
        pane->clear();
        break;
    }
}

void MainWindow::on_Btn_ConnectTCP_clicked() {
    if (!session->link()->isConnected()) {
        session->link()->setEndpoint(appSettings.bmuHost, appSettings.bmuPort);
        linkState->setText(tr("Connecting…"));
        session->link()->connectToBmu();
        return;
    }
    // The user's Disconnect ends the link for good: no automatic reconnection follows.
    session->disconnectFromBmu();
    ui->Btn_ConnectTCP->setText(connectText());
    linkState->setText(tr("Disconnected"));
}

void MainWindow::onConnect(bool byUser) {
    if (byUser)
        Messages::open(this, QMessageBox::Information, tr("information"),
                       tr("Connection successfully!"), QMessageBox::Ok | QMessageBox::Cancel,
                       QMessageBox::Cancel);
    ui->Btn_ConnectTCP->setText(tr("Disconnect"));
}

void MainWindow::onConnectFailed() {
    const BmuLink* link = session->link();
    Messages::open(
        this, QMessageBox::Warning, tr("information"),
        tr("Connection failed!") + QLatin1Char('\n') +
            tr("%1:%2: %3").arg(link->host()).arg(link->port()).arg(link->failureReason()),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
}

void MainWindow::connectAndRefresh() {
    auto* once = new QObject(this);
    connect(session->link(), &BmuLink::connected, once, [this, once] {
        once->deleteLater();
        startOperation(new StatusRefresh);
    });
    connect(session->link(), &BmuLink::connectFailed, once, &QObject::deleteLater);
    on_Btn_ConnectTCP_clicked();
}

void MainWindow::onDisConnect() {
    ui->Btn_ConnectTCP->setText(connectText());
}

void MainWindow::onOperationFinished(const OperationResult& result) {
    if (result.operation == QLatin1String("history read"))
        endHistoryRead(result);
}
