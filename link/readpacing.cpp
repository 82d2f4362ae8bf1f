#include "link/readpacing.h"

#include <QTimer>

ReadPacing::ReadPacing(QTimer* step, const SessionTiming& timing, std::function<void()> onFallBack)
    : step(step)
    , timing(timing)
    , onFallBack(std::move(onFallBack)) {}

void ReadPacing::requestSent(int stepMs) {
    awaiting = fast();
    awaitingPoll = false;
    step->start(stepMs);
}

void ReadPacing::pollSent(int limitMs) {
    if (!fast())
        return;
    awaiting = true;
    awaitingPoll = true;
    step->start(limitMs);
}

void ReadPacing::replyTaken(int stepMs) {
    awaiting = false;
    step->start(fast() ? timing.minimumGapMs : stepMs);
}

void ReadPacing::replyPassed() {
    if (!fast())
        return;
    awaiting = false;
    step->start(timing.minimumGapMs);
}

bool ReadPacing::onTick() {
    if (!awaiting)
        return true;
    awaiting = false;
    fellBack = true;
    onFallBack();
    return !awaitingPoll;
}
