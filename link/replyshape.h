#pragma once

#include "link/bytes.h"

#include <QByteArray>

// The shapes of the two replies a request sequence waits for. A frame of another shape is
// no reply to its request, however valid its CRC.

// The reply to a read of `registers` registers: slave, 0x03, byte count, data, CRC.
inline bool isReadReply(const QByteArray& frame, int registers) {
    return frame.size() == 5 + 2 * registers && byteAt(frame, 1) == 0x03 &&
           byteAt(frame, 2) == 2 * registers;
}

// The echo of a write from `firstRegister`: slave, 0x10, first register, count, CRC; the
// count is checked when one is given.
inline bool isWriteEcho(const QByteArray& frame, quint16 firstRegister, int registers = -1) {
    return frame.size() == 8 && byteAt(frame, 1) == 0x10 && wordBE(frame, 2) == firstRegister &&
           (registers < 0 || wordBE(frame, 4) == registers);
}
