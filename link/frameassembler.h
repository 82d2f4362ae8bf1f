#pragma once

#include "link/stretchcrc.h"

#include <QByteArray>
#include <QVector>

// Cuts the byte stream of the link into Modbus-RTU reply frames.
//
// A reply may arrive in several TCP segments, and one segment may carry more than one
// frame. The length of a frame follows from its function code: 0x03 replies are
// 5 + byte count bytes, 0x10 echoes 8 bytes, exception replies (function code with the
// high bit set) 5 bytes. Every complete frame is checked against its CRC; frames that
// fail it and bytes that cannot start a frame are dropped. The work per received byte is
// bounded and the buffer holds a few frames at most: a flood of garbage costs time in
// proportion to its length and no memory.
class FrameAssembler {
public:
    // The longest frame: a read reply of 125 registers (the Modbus limit for one read).
    static constexpr int MaxFrameLength = 5 + 2 * 125;

    // Appends a received chunk and returns every complete frame with a valid CRC, in order.
    // Frames of a plausible head and length whose CRC fails go to `crcFailures` when given;
    // the bytes of one such frame are not looked at again for another failure.
    QVector<QByteArray> feed(const QByteArray& chunk, QVector<QByteArray>* crcFailures = nullptr);

    // Drops the bytes of an unfinished frame; called when the next request is written.
    void clear();

    int pendingSize() const { return pending.size(); }

    // Frame length implied by the first bytes: 0 when they cannot start a frame,
    // -1 when more bytes are needed to tell.
    static int expectedLength(const QByteArray& bytes);

    static bool isException(const QByteArray& frame);

private:
    // Room for a few frames: a frame still unfinished after a scan is shorter than one frame,
    // so every piece appended is at least three frames long.
    static constexpr int BufferLimit = 4 * MaxFrameLength;

    void takeFrames(QVector<QByteArray>* frames, QVector<QByteArray>* crcFailures);

    QByteArray pending;
    StretchCrc crcs;     // of the bytes in pending
    int failedUntil = 0; // end in pending of the last frame whose CRC failed
};

// The name of a Modbus exception code ("illegal data address" for 2).
const char* modbusExceptionName(quint8 code);
