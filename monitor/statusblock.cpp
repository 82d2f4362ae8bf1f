#include "monitor/statusblock.h"

#include "link/bytes.h"

StatusReply StatusBlock::kindOf(const QByteArray& frame) {
    if (byteAt(frame, 0) != 0x01 || byteAt(frame, 1) != 0x03)
        return StatusReply::Other;
    if (frame.size() == FirstReplySize && byteAt(frame, 2) == FirstReplySize - 5)
        return StatusReply::First;
    if (frame.size() == SecondReplySize && byteAt(frame, 2) == SecondReplySize - 5)
        return StatusReply::Second;
    return StatusReply::Other;
}

StatusReply StatusBlock::take(const QByteArray& frame) {
    const StatusReply kind = kindOf(frame);
    if (kind == StatusReply::First)
        firstPart = sliceAt(frame, 0, 41) + sliceAt(frame, 197, 10);
    else if (kind == StatusReply::Second)
        secondPart = sliceAt(frame, 3, 40);
    return kind;
}

void StatusBlock::clear() {
    firstPart.clear();
    secondPart.clear();
}
