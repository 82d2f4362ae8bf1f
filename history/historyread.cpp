#include "history/historyread.h"

#include "history/historyrecord.h"
#include "link/bmusession.h"
#include "link/bytes.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "link/replyshape.h"

#include <QTimer>

namespace {

// A page is a read of 65 registers. The first register is not part of the log; the other
// 128 bytes carry record bytes, of which the fifth page holds 88 (4 x 128 + 88 = one
// 600-byte block).
constexpr int PageRegisters = 65;
constexpr int PageRecordOffset = 5;
constexpr int FullPageBytes = 128;
constexpr int LastPageBytes = 88;

} // namespace

HistoryRead::HistoryRead(int unit, int blocks)
    : unit(unit)
    , total(blocks) {}

HistoryRead::~HistoryRead() = default;

void HistoryRead::begin() {
    stepTimer = makeTimer([this] { onStep(); });
    pacing = std::make_unique<ReadPacing>(stepTimer, timing(), [this] { noteFallBack(); });
    stallTimer = makeTimer([this] {
        if (cancelled()) {
            finish(Outcome::Cancelled);
            return;
        }
        finish(Outcome::Failed, tr("No response from the BMU: reading the history stopped after %1 "
                                   "of %2 blocks.")
                                    .arg(done)
                                    .arg(total));
    });
    stallTimer->setInterval(timing().historyStallMs);
    emit progress(0, total);
    requestBlock();
}

void HistoryRead::requestBlock() {
    phase = Phase::Waiting;
    block.clear();
    send(hexToBytes(historyBlockRequest(quint16(unit))));
    pacing->requestSent(timing().historyPollMs);
    stallTimer->start();
}

void HistoryRead::onStep() {
    if (!pacing->onTick())
        return;
    switch (phase) {
    case Phase::Waiting:
        // A unit that never becomes ready must not keep a cancelled read alive.
        if (cancelled()) {
            finish(Outcome::Cancelled);
            return;
        }
        send(Command::HistoryReadyPoll);
        pacing->pollSent(timing().historyPageMs);
        break;
    case Phase::Pages:
        page += 1;
        if (page <= PagesPerBlock) {
            send(Command::HistoryPage);
            pacing->requestSent(timing().historyPageMs);
        }
        break;
    case Phase::Next:
        done += 1;
        emit progress(done, total);
        if (cancelled() || done >= total)
            finish(cancelled() && done < total ? Outcome::Cancelled : Outcome::Done);
        else
            requestBlock();
        break;
    }
}

void HistoryRead::onFrame(const QByteArray& frame) {
    if (phase == Phase::Next)
        return;
    // Every reply of the running block shows the BMU is still answering.
    stallTimer->start();
    if (phase == Phase::Waiting) {
        // The echo of the block request lands here too and only re-arms the poll.
        if (wordBE(frame, 3) == Command::ReadyValue) {
            page = 0;
            phase = Phase::Pages;
        }
        pacing->replyTaken(timing().historyPageMs);
        return;
    }
    takePage(frame);
}

void HistoryRead::takePage(const QByteArray& frame) {
    // Another reply that lands while pages are read (a late readiness answer) carries no
    // record bytes: taking its bytes would shift every later record of the block.
    if (!isReadReply(frame, PageRegisters))
        return;
    if (page >= 1 && page < PagesPerBlock)
        block += sliceAt(frame, PageRecordOffset, FullPageBytes);
    else if (page == PagesPerBlock)
        block += sliceAt(frame, PageRecordOffset, LastPageBytes);
    if (page != PagesPerBlock || block.size() < LogRecord::BlockSize) {
        pacing->replyPassed();
        return;
    }
    emit session()->historyBlockRead(unit, block);
    block.clear();
    phase = Phase::Next;
    stallTimer->stop();
    pacing->replyTaken(timing().historyNextBlockMs);
}
