#include "link/bmusession.h"

#include "link/frameassembler.h"

#include <memory>

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
    delete waiting.data();
    if (running) {
        disconnect(running, nullptr, this, nullptr);
        running->stop(tr("The session ended."));
    }
}

void BmuSession::setTiming(const SessionTiming& timing) {
    intervals = timing;
    bmuLink->setTiming(timing);
}

Operation* BmuSession::userOperation() const {
    if (waiting)
        return waiting;
    return runningInBackground ? nullptr : running.data();
}

bool BmuSession::start(Operation* operation, QString* refusal) {
    if (Operation* busyWith = userOperation()) {
        if (refusal)
            *refusal =
                tr("Another operation is running (%1): wait until it ends.").arg(busyWith->name());
        delete operation;
        return false;
    }
    if (operation->usesLink() && !bmuLink->isConnected()) {
        if (refusal)
            *refusal = notConnectedText();
        delete operation;
        return false;
    }
    operation->setParent(this);
    emit busyChanged(true);
    if (running) {
        waiting = operation;
        running->cancel();
    } else {
        launch(operation);
    }
    return true;
}

bool BmuSession::startInBackground(Operation* operation) {
    if (running || waiting || !bmuLink->isConnected()) {
        delete operation;
        return false;
    }
    operation->setParent(this);
    runningInBackground = true;
    launch(operation);
    return true;
}

void BmuSession::launch(Operation* operation) {
    running = operation;
    operation->attach(this);
    connect(operation, &Operation::note, this, &BmuSession::note);
    connect(operation, &Operation::finished, this, &BmuSession::onFinished);
    operation->start();
}

void BmuSession::cancel() {
    if (waiting)
        dropWaiting(Outcome::Cancelled, QString());
    else if (running)
        running->cancel();
}

void BmuSession::disconnectFromBmu() {
    const QString reason = tr("Stopped: the link to the BMU was disconnected.");
    if (waiting)
        dropWaiting(Outcome::Stopped, reason);
    if (running && running->usesLink())
        running->stop(reason);
    bmuLink->disconnectFromBmu();
}

void BmuSession::dropWaiting(Outcome outcome, const QString& reason) {
    std::unique_ptr<Operation> dropped(waiting.data());
    waiting = nullptr;
    if (!reason.isEmpty())
        emit note(
            PaneNote{dropped->pane(), PaneNote::Kind::ColouredLine, reason, QStringLiteral("red")});
    emit operationFinished(OperationResult{dropped->name(), outcome, reason});
    emit busyChanged(false);
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
    const bool background = runningInBackground;
    running = nullptr;
    runningInBackground = false;
    if (ended) {
        disconnect(ended, nullptr, this, nullptr);
        ended->deleteLater();
    }
    emit operationFinished(result);
    if (waiting && waiting->usesLink() && !bmuLink->isConnected()) {
        dropWaiting(Outcome::Failed, notConnectedText());
    } else if (waiting) {
        Operation* next = waiting;
        waiting = nullptr;
        launch(next);
    } else if (!background) {
        emit busyChanged(false);
    }
}

void BmuSession::onLinkLost() {
    // The user's Disconnect has stopped the operation already; a link that dropped leaves
    // it running with its own retries, and it says so now rather than at its time-out.
    if (running && running->usesLink())
        running->linkLost();
}
