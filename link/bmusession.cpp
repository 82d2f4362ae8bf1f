#include "link/bmusession.h"

#include "link/frameassembler.h"

BmuSession::BmuSession(QObject* parent)
    : QObject(parent)
    , bmuLink(new BmuLink(this)) {
    qRegisterMetaType<OperationResult>();
    qRegisterMetaType<PaneNote>();
    connect(bmuLink, &BmuLink::frameReceived, this, &BmuSession::onFrame);
    connect(bmuLink, &BmuLink::exceptionReceived, this, &BmuSession::onException);
    connect(bmuLink, &BmuLink::frameSent, this, &BmuSession::frameSent);
    connect(bmuLink, &BmuLink::disconnected, this, &BmuSession::onLinkLost);
}

BmuSession::~BmuSession() {
    if (running) {
        disconnect(running, nullptr, this, nullptr);
        running->stop(tr("The session ended."));
    }
}

void BmuSession::setTiming(const SessionTiming& timing) {
    intervals = timing;
    bmuLink->setTiming(timing);
}

bool BmuSession::start(Operation* operation, QString* refusal) {
    if (running) {
        if (refusal)
            *refusal =
                tr("Another operation is running (%1): wait until it ends.").arg(running->name());
        delete operation;
        return false;
    }
    if (operation->usesLink() && !bmuLink->isConnected()) {
        if (refusal)
            *refusal = notConnectedText();
        delete operation;
        return false;
    }
    running = operation;
    operation->setParent(this);
    operation->attach(this);
    connect(operation, &Operation::note, this, &BmuSession::note);
    connect(operation, &Operation::finished, this, &BmuSession::onFinished);
    emit busyChanged(true);
    operation->start();
    return true;
}

void BmuSession::cancel() {
    if (running)
        running->cancel();
}

void BmuSession::disconnectFromBmu() {
    if (running && running->usesLink())
        running->stop(tr("Stopped: the link to the BMU was disconnected."));
    bmuLink->disconnectFromBmu();
}

QString BmuSession::notConnectedText() {
    return tr("Not connected to the BMU: press Connect first.");
}

bool BmuSession::sendFrame(const QByteArray& frame) {
    return bmuLink->send(frame);
}

void BmuSession::onFrame(const QByteArray& frame) {
    emit frameReceived(frame);
    if (running)
        running->deliver(frame);
}

void BmuSession::onException(quint8 code, const QByteArray& frame) {
    emit frameReceived(frame);
    const PaneNote::Pane pane = running ? running->pane() : PaneNote::Pane::Overview;
    emit note(PaneNote{pane, PaneNote::Kind::Line,
                       tr("The BMU answered with Modbus exception %1 (%2).")
                           .arg(code, 2, 16, QLatin1Char('0'))
                           .arg(QLatin1String(modbusExceptionName(code))),
                       QString()});
    if (running)
        running->deliverException(code);
}

void BmuSession::onFinished(const OperationResult& result) {
    Operation* ended = running;
    running = nullptr;
    if (ended) {
        disconnect(ended, nullptr, this, nullptr);
        ended->deleteLater();
    }
    emit operationFinished(result);
    emit busyChanged(false);
}

void BmuSession::onLinkLost() {
    // The user's Disconnect has stopped the operation already; a link that dropped leaves
    // it running with its own retries, and it says so now rather than at its time-out.
    if (running && running->usesLink())
        running->linkLost();
}
