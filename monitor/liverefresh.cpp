#include "monitor/liverefresh.h"

#include "link/bmusession.h"
#include "monitor/bmsinforead.h"
#include "monitor/statusrefresh.h"

#include <QTimer>

LiveRefresh::LiveRefresh(BmuSession* session, QObject* parent)
    : QObject(parent)
    , session(session)
    , interval(new QTimer(this))
    , ticker(new QTimer(this)) {
    interval->setInterval(intervalChoices().first() * 1000);
    connect(interval, &QTimer::timeout, this, [this] {
        due = true;
        readIfDue();
    });
    ticker->setInterval(1000);
    connect(ticker, &QTimer::timeout, this, &LiveRefresh::updateStatusText);
    connect(session, &BmuSession::operationFinished, this, &LiveRefresh::onOperationFinished);
    connect(session, &BmuSession::statusRead, this, [this] {
        if (ownRead)
            sinceUpdate.start();
    });
    // Another operation's end, or the link back: what fell due meanwhile runs now.
    connect(session, &BmuSession::busyChanged, this, [this](bool busy) {
        if (!busy)
            QTimer::singleShot(0, this, &LiveRefresh::readIfDue);
        updateStatusText();
    });
    connect(session->link(), &BmuLink::connected, this, [this] {
        due = enabled;
        readIfDue();
    });
    connect(session->link(), &BmuLink::disconnected, this, &LiveRefresh::updateStatusText);
}

void LiveRefresh::setEnabled(bool on) {
    if (on == enabled)
        return;
    enabled = on;
    due = on;
    towerPending = false;
    if (on) {
        interval->start();
        ticker->start();
        readIfDue();
    } else {
        interval->stop();
        ticker->stop();
    }
    updateStatusText();
}

void LiveRefresh::setIntervalMs(int ms) {
    interval->setInterval(ms);
}

int LiveRefresh::intervalMs() const {
    return interval->interval();
}

void LiveRefresh::readIfDue() {
    if (!enabled || session->currentOperation() || !session->link()->isConnected())
        return updateStatusText();
    Operation* read = nullptr;
    if (towerPending && shownTower > 0) {
        towerPending = false;
        read = new BmsInfoRead(shownTower);
    } else if (due) {
        due = false;
        towerPending = true; // the shown tower's read, if any, follows
        read = new StatusRefresh(StatusRefresh::Scope::StatusOnly);
    } else {
        return updateStatusText();
    }
    ownRead = session->startInBackground(read);
    updateStatusText();
}

void LiveRefresh::onOperationFinished(const OperationResult& result) {
    if (!ownRead)
        return;
    ownRead = false;
    // The tower's read follows the status read once the session is free, if that worked.
    if (result.outcome != Outcome::Done)
        towerPending = false;
    QTimer::singleShot(0, this, &LiveRefresh::readIfDue);
}

QString LiveRefresh::statusText() const {
    if (!enabled)
        return {};
    if (!session->link()->isConnected())
        return tr("Not connected");
    if (const Operation* user = session->userOperation())
        return tr("Paused: %1 running").arg(user->name());
    if (!sinceUpdate.isValid())
        return tr("Live · reading");
    return tr("Live · updated %1 s ago").arg(sinceUpdate.elapsed() / 1000);
}

void LiveRefresh::updateStatusText() {
    const QString text = statusText();
    if (text == shownText)
        return;
    shownText = text;
    emit statusTextChanged(text);
}
