#include "monitor/bmsinforead.h"

#include "link/bmusession.h"
#include "link/bytes.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "link/replyshape.h"
#include "monitor/bmsinfodecoder.h"

#include <QTimer>

namespace {

constexpr int PageRegisters = 65;
constexpr quint16 RequestRegister = 0x0550;

} // namespace

BmsInfoRead::BmsInfoRead(int bmsNumber)
    : bmsNumber(bmsNumber) {}

BmsInfoRead::~BmsInfoRead() = default;

void BmsInfoRead::begin() {
    if (bmsNumber < 1) {
        addLine(tr("No BMS to read yet: press Refresh on the System Info tab first."));
        finish(Outcome::Failed, tr("No BMS to read."));
        return;
    }
    guardReplies(timing().replyLimitMs, [this] {
        fail(tr("No valid reply from the BMU: the BMS information "
                "was not read."));
    });
    stepTimer = makeTimer([this] { onStep(); });
    giveWayLimit = makeTimer([this] { finish(Outcome::Cancelled); });
    pacing = std::make_unique<ReadPacing>(stepTimer, timing(), [this] { noteFallBack(); });
    requestInfo();
}

void BmsInfoRead::requestInfo() {
    phase = Phase::Request;
    page = 0;
    block.clear();
    sendRequest(hexToBytes(bmsInfoRequest(quint16(bmsNumber))));
    replyTaken(); // the poll follows whether or not the echo comes
    sinceRequest.start();
    pacing->requestSent(timing().bmsInfoPollMs);
}

void BmsInfoRead::onStep() {
    if (givesWay())
        return;
    if (!pacing->onTick())
        return;
    if (phase == Phase::Request) {
        sendRequest(hexToBytes(QLatin1String(Command::BmsInfoReadyPoll)));
        pacing->pollSent(timing().bmsInfoPageMs);
        return;
    }
    if (phase != Phase::Pages)
        return;
    page += 1;
    if (page > BmsInfo::PageCount) {
        // The last page never came.
        fail(tr("No valid reply from the BMU: the BMS information is incomplete."));
        return;
    }
    sendRequest(hexToBytes(QLatin1String(Command::BmsInfoPage)));
    pacing->requestSent(timing().bmsInfoPageMs);
}

void BmsInfoRead::cancel() {
    Operation::cancel();
    if (isRunning())
        givesWay();
}

void BmsInfoRead::sendRequest(const QByteArray& frame) {
    send(frame);
    ++repliesDue;
}

bool BmsInfoRead::givesWay() {
    if (!cancelled())
        return false;
    // Ended only with no reply of it due, so that none reaches the operation that follows;
    // a reply that has not come within the reply limit is taken as lost.
    if (repliesDue == 0)
        finish(Outcome::Cancelled);
    else if (!giveWayLimit->isActive())
        giveWayLimit->start(timing().replyLimitMs);
    return true;
}

void BmsInfoRead::onFrame(const QByteArray& frame) {
    const bool ownReply = isWriteEcho(frame, RequestRegister) || isReadReply(frame, 1) ||
                          isReadReply(frame, PageRegisters) ||
                          frame.toHex().toUpper() == Command::ExtendedReadEcho;
    if (ownReply && repliesDue > 0)
        --repliesDue;
    takeFrame(frame);
    if (isRunning())
        givesWay();
}

void BmsInfoRead::takeFrame(const QByteArray& frame) {
    switch (phase) {
    case Phase::Request:
        if (isWriteEcho(frame, RequestRegister)) {
            replyTaken();
            pacing->replyPassed(); // fast reads poll once the request is taken
        } else if (isReadReply(frame, 1)) {
            replyTaken();
            takeReadiness(frame);
        }
        break;
    case Phase::Pages:
        takePage(frame);
        break;
    case Phase::ExtendedRead:
        if (frame.toHex().toUpper() == Command::ExtendedReadEcho) {
            replyTaken();
            pass = 2;
            if (!cancelled())
                requestInfo();
        }
        break;
    }
}

void BmsInfoRead::takeReadiness(const QByteArray& frame) {
    if (wordBE(frame, 3) == Command::ReadyValue) {
        phase = Phase::Pages;
        pacing->replyTaken(timing().bmsInfoPageMs);
        return;
    }
    // At the system's pace the poll comes when the unit has had its time: not ready then
    // is a failure. Fast reads poll again until that time has passed.
    if (pacing->fast() && sinceRequest.elapsed() < timing().bmsInfoPollMs) {
        pacing->replyPassed();
        return;
    }
    fail(tr("The BMU did not get the BMS information ready."));
}

void BmsInfoRead::takePage(const QByteArray& frame) {
    // Only a whole page reply is gathered: anything else would shift the later pages.
    if (!isReadReply(frame, PageRegisters))
        return;
    replyTaken();
    block.append(bmsPageSlice(frame, page));
    if (page == BmsInfo::PageCount)
        endPass();
    else
        pacing->replyPassed();
}

void BmsInfoRead::endPass() {
    stepTimer->stop();
    if (cancelled())
        return finish(Outcome::Cancelled);
    const bool complete = block.size() == BmsInfo::BlockSize;
    if (complete)
        emit session()->bmsInfoRead(bmsNumber, block, pass);
    else
        addLine(tr("No valid reply from the BMU: a page of the BMS information "
                   "went missing."));
    if (pass == 1 && snapshot().readsCellsTwice()) {
        phase = Phase::ExtendedRead;
        sendRequest(hexToBytes(extendedReadRequest()));
        return;
    }
    finish(complete ? Outcome::Done : Outcome::Failed);
}

void BmsInfoRead::fail(const QString& line) {
    addNote(PaneNote::Kind::ColouredLine, line, QStringLiteral("red"));
    finish(Outcome::Failed, line);
}
