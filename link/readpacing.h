#pragma once

#include "link/sessiontiming.h"

#include <functional>

class QTimer;

// The pace of a paged read. At the system's pace every request follows the previous one
// by a fixed step. With fast reads the next request goes out as soon as the reply to the
// previous one was taken (after a minimum gap), and the step is only how long a reply
// may take: a reply that takes longer puts the rest of the read back at the system's pace.
// The requests and their order are the same either way; only the gaps differ.
class ReadPacing {
public:
    // `step` is the read's single-shot step timer; `onFallBack` says once that the read
    // went back to the system's pace.
    ReadPacing(QTimer* step, const SessionTiming& timing, std::function<void()> onFallBack);

    bool fast() const { return timing.fastReads && !fellBack; }

    // A request went out that the system follows with the next one after `stepMs`.
    void requestSent(int stepMs);
    // A readiness poll went out: the system waits for its reply, however long; fast reads
    // wait `limitMs`.
    void pollSent(int limitMs);
    // A reply moved the read on: the system takes its next step after `stepMs`, fast
    // reads after the minimum gap.
    void replyTaken(int stepMs);
    // A reply that the system lets pass without a step (a page before the last): fast
    // reads go on after the minimum gap.
    void replyPassed();

    // To be called first on every step tick: false when the tick ended the wait for a
    // poll's reply, which the system keeps waiting for, so that nothing is to be sent.
    bool onTick();

private:
    QTimer* step;
    SessionTiming timing;
    std::function<void()> onFallBack;
    bool fellBack = false;
    bool awaiting = false; // fast: the step runs as the limit of a reply
    bool awaitingPoll = false;
};
