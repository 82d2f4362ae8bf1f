#pragma once

#include <QtGlobal>

#include <initializer_list>

// The intervals of every request sequence, in milliseconds. The defaults are the
// system's own pacing; tests run the same sequences scaled down.
struct SessionTiming {
    // Link.
    int connectLimitMs = 5000;    // a connection attempt that has not succeeded by then fails
    int reconnectFirstMs = 1000;  // a dropped link is retried at once, then after 1, 2, 4 ... s
    int reconnectLimitMs = 30000; // ... up to this

    // Status refresh: the second status read follows the first by one step.
    int statusStepMs = 500;
    int replyLimitMs = 3000; // a request of a refresh or setup read left unanswered ends it

    // BMS information: the readiness poll follows the request, pages follow one another.
    int bmsInfoPollMs = 3000;
    int bmsInfoPageMs = 500;

    // Fast reads: paged reads paced by the replies instead of the steps, never closer
    // together than the minimum gap.
    bool fastReads = false;
    int minimumGapMs = 20;

    // Setup write: the BMU's echo is awaited this long.
    int setupEchoLimitMs = 3000;

    // History: per block, request, readiness polls, five page reads, then the next block.
    int historyPollMs = 1000; // from the block request to the first readiness poll
    int historyPageMs = 500;  // between readiness polls and between page reads
    int historyNextBlockMs = 1000;
    int historyStallMs = 5000; // silence that ends a read

    // Transfers (firmware and parameter tables).
    int packetGapMs = 10;        // from an acknowledgement to the next packet
    int transferRepeatMs = 3000; // silence after which a header, packet or result read repeats
    int firstHeaderWaitMs = 2000;
    int resultWaitMs = 2000; // from the last packet's echo to the first firmware result read

    // The same pacing with every interval multiplied by `factor` (at least 1 ms).
    SessionTiming scaled(double factor) const {
        SessionTiming t = *this;
        for (int* field :
             {&t.connectLimitMs, &t.reconnectFirstMs, &t.reconnectLimitMs, &t.statusStepMs,
              &t.replyLimitMs, &t.bmsInfoPollMs, &t.bmsInfoPageMs, &t.setupEchoLimitMs,
              &t.historyPollMs, &t.historyPageMs, &t.historyNextBlockMs, &t.historyStallMs,
              &t.packetGapMs, &t.transferRepeatMs, &t.firstHeaderWaitMs, &t.resultWaitMs,
              &t.minimumGapMs})
            *field = qMax(1, int(*field * factor + 0.5));
        return t;
    }
};
