#include "link/operation.h"

#include "link/bmusession.h"
#include "link/hexcommand.h"

#include <QTimer>

Operation::Operation(QObject* parent)
    : QObject(parent) {}

Operation::~Operation() = default;

void Operation::attach(BmuSession* session) {
    owner = session;
}

void Operation::start() {
    running = true;
    begin();
}

void Operation::cancel() {
    cancelRequested = true;
    if (activeStep)
        activeStep->cancel();
}

void Operation::stop(const QString& reason) {
    if (running)
        onStop(reason);
    finish(Outcome::Stopped, reason);
}

void Operation::linkLost() {
    if (!running)
        return;
    addNote(PaneNote::Kind::ColouredLine,
            tr("The link to the BMU was lost during the %1: reconnecting, the %1 goes on once "
               "the BMU answers again or ends at its time-out.")
                .arg(name()),
            QStringLiteral("red"));
}

void Operation::deliver(const QByteArray& frame) {
    if (!running)
        return;
    if (activeStep)
        activeStep->deliver(frame);
    else
        onFrame(frame);
}

void Operation::deliverException(quint8 code) {
    if (!running)
        return;
    if (activeStep)
        activeStep->deliverException(code);
    else
        onException(code);
}

void Operation::onStepFinished(Operation*, const OperationResult& result) {
    finish(result.outcome, result.message);
}

bool Operation::send(const QByteArray& frame) {
    if (replyGuard)
        replyGuard->start();
    return owner && owner->sendFrame(frame);
}

void Operation::guardReplies(int limitMs, std::function<void()> onSilence) {
    if (!replyGuard)
        replyGuard = makeTimer(std::move(onSilence));
    replyGuard->setInterval(limitMs);
}

void Operation::replyTaken() {
    if (replyGuard)
        replyGuard->stop();
}

void Operation::stillAnswering() {
    if (replyGuard && replyGuard->isActive())
        replyGuard->start();
}

bool Operation::send(const char* hexCommand) {
    return send(hexToBytes(QLatin1String(hexCommand)));
}

void Operation::finish(Outcome outcome, const QString& message) {
    if (!running)
        return;
    running = false;
    // Timers of an ended operation must not act again, nor a step it was running.
    for (QTimer* timer : findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        timer->stop();
    if (Operation* step = activeStep.data()) {
        activeStep = nullptr;
        step->finish(Outcome::Stopped, message);
    }
    emit finished(OperationResult{name(), outcome, message});
}

void Operation::runStep(Operation* step) {
    step->setParent(this);
    step->attach(owner);
    activeStep = step;
    connect(step, &Operation::note, this, &Operation::note);
    connect(step, &Operation::finished, this, [this, step](const OperationResult& result) {
        if (activeStep == step)
            activeStep = nullptr;
        step->deleteLater();
        if (running)
            onStepFinished(step, result);
    });
    if (cancelRequested)
        step->cancel();
    step->start();
}

void Operation::addNote(PaneNote::Kind kind, const QString& text, const QString& colour) {
    emit note(PaneNote{pane(), kind, text, colour});
}

void Operation::noteFallBack() {
    addNote(PaneNote::Kind::ColouredLine,
            QStringLiteral("Fast reads: a reply came late, the rest of this read goes at the "
                           "normal pace."),
            QStringLiteral("blue"));
}

QTimer* Operation::makeTimer(std::function<void()> onTimeout) {
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, onTimeout = std::move(onTimeout)] {
        if (running)
            onTimeout();
    });
    return timer;
}

const SessionTiming& Operation::timing() const {
    static const SessionTiming systemPacing;
    return owner ? owner->timing() : systemPacing;
}

SystemSnapshot& Operation::snapshot() const {
    return owner->snapshot();
}
