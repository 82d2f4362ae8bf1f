#pragma once

#include <QByteArray>
#include <QVector>

// Cuts the byte stream of the link into Modbus-RTU reply frames.
//
// A reply may arrive in several TCP segments, and one segment may carry more than one
// frame. The length of a frame follows from its function code: 0x03 replies are
// 5 + byte count bytes, 0x10 echoes 8 bytes, exception replies (function code with the
// high bit set) 5 bytes. Every complete frame is checked against its CRC; frames that
// fail it and bytes that cannot start a frame are dropped.
class FrameAssembler {
public:
    // Appends a received chunk and returns every complete frame with a valid CRC, in order.
    QVector<QByteArray> feed(const QByteArray& chunk);

    // Drops the bytes of an unfinished frame; called when the next request is written.
    void clear() { pending.clear(); }

    int pendingSize() const { return pending.size(); }

    // Frame length implied by the first bytes: 0 when they cannot start a frame,
    // -1 when more bytes are needed to tell.
    static int expectedLength(const QByteArray& bytes);

    static bool isException(const QByteArray& frame);

private:
    QByteArray pending;
};

// The name of a Modbus exception code ("illegal data address" for 2).
const char* modbusExceptionName(quint8 code);
