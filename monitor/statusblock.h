#pragma once

#include <QByteArray>

// The status block: the 91-byte image of the BMU status gathered from the two status
// reads of a refresh.
//
//   offset  0..40  bytes 0..40 of the first reply (header and registers 0x0000..0x0012)
//   offset 41..50  the 10 bytes at offset 197 of the first reply (registers 0x0061..0x0065)
//   offset 51..90  the 40 bytes at offset 3 of the second reply (registers 0x0500..0x0513)
//
// The two replies are told apart by their length (209 and 55 bytes), so a first reply
// that comes late, after the second read was sent, still lands in its place, and the
// block is only complete (and decoded) once both parts are there.

enum class StatusReply { First, Second, Other };

class StatusBlock {
public:
    static constexpr int FirstReplySize = 209; // 102 registers
    static constexpr int SecondReplySize = 55; // 25 registers
    static constexpr int Size = 91;

    static StatusReply kindOf(const QByteArray& frame);

    // Keeps the useful bytes of a status reply in its part of the block and returns the
    // kind of reply; anything else is ignored (Other).
    StatusReply take(const QByteArray& frame);

    void clear();
    bool isComplete() const { return !firstPart.isEmpty() && !secondPart.isEmpty(); }

    // The block in map order; only meaningful when complete.
    QByteArray bytes() const { return firstPart + secondPart; }

private:
    QByteArray firstPart;
    QByteArray secondPart;
};
