#include "link/frameassembler.h"

#include "link/crc.h"

#include <cstring>

namespace {

constexpr quint8 SlaveAddress = 0x01;
constexpr quint8 ReadHolding = 0x03;
constexpr quint8 WriteMultiple = 0x10;
constexpr int MaxReadBytes = FrameAssembler::MaxFrameLength - 5; // address, function, count, CRC

// Frame length implied by the bytes at `head`, as expectedLength() describes it.
int lengthAt(const char* head, int available) {
    if (available < 1)
        return -1;
    if (static_cast<quint8>(head[0]) != SlaveAddress)
        return 0;
    if (available < 2)
        return -1;
    const quint8 function = static_cast<quint8>(head[1]);
    if (function & 0x80)
        return 5;
    if (function == WriteMultiple)
        return 8;
    if (function != ReadHolding)
        return 0;
    if (available < 3)
        return -1;
    const int byteCount = static_cast<quint8>(head[2]);
    if (byteCount % 2 != 0 || byteCount > MaxReadBytes)
        return 0;
    return 5 + byteCount;
}

} // namespace

int FrameAssembler::expectedLength(const QByteArray& bytes) {
    return lengthAt(bytes.constData(), bytes.size());
}

bool FrameAssembler::isException(const QByteArray& frame) {
    return frame.size() == 5 && (static_cast<quint8>(frame[1]) & 0x80);
}

void FrameAssembler::clear() {
    pending.clear();
    crcs.clear();
    failedUntil = 0;
}

QVector<QByteArray> FrameAssembler::feed(const QByteArray& chunk,
                                         QVector<QByteArray>* crcFailures) {
    QVector<QByteArray> frames;
    // The chunk goes in by pieces, so that the buffer never holds more than a few frames
    // whatever one read of the socket delivers.
    for (int offset = 0; offset < chunk.size();) {
        const int piece = qMin(chunk.size() - offset, BufferLimit - pending.size());
        pending.append(chunk.constData() + offset, piece);
        crcs.append(chunk.constData() + offset, piece);
        offset += piece;
        takeFrames(&frames, crcFailures);
    }
    return frames;
}

void FrameAssembler::takeFrames(QVector<QByteArray>* frames, QVector<QByteArray>* crcFailures) {
    const char* bytes = pending.constData();
    const int size = pending.size();
    // Every offset is looked at once: either it starts a frame with a valid CRC, which is
    // taken whole, or the scan moves one byte on. Each CRC costs the same few steps, so the
    // work per received byte is bounded whatever the stream holds.
    int start = 0;
    while (start < size) {
        const void* address = std::memchr(bytes + start, SlaveAddress, size_t(size - start));
        if (!address) {
            start = size; // nothing here can begin a frame
            break;
        }
        start = int(static_cast<const char*>(address) - bytes);
        const int length = lengthAt(bytes + start, size - start);
        if (length < 0 || (length > 0 && size - start < length))
            break; // wait for the rest of the frame
        // The CRC closes the frame, low byte first.
        if (length > 0 && crcs.crcOf(start, start + length - 2) ==
                              quint16(quint8(bytes[start + length - 2]) |
                                      quint8(bytes[start + length - 1]) << 8)) {
            frames->append(QByteArray(bytes + start, length));
            start += length;
        } else {
            if (length > 0 && start >= failedUntil) {
                failedUntil = start + length;
                if (crcFailures)
                    crcFailures->append(QByteArray(bytes + start, length));
            }
            ++start;
        }
    }
    // What stays is the beginning of one unfinished frame, shorter than MaxFrameLength:
    // the junk in front of it has been dropped.
    pending.remove(0, start);
    crcs.dropFront(start);
    failedUntil = qMax(0, failedUntil - start);
}

const char* modbusExceptionName(quint8 code) {
    switch (code) {
    case 1:
        return "illegal function";
    case 2:
        return "illegal data address";
    case 3:
        return "illegal data value";
    case 4:
        return "slave device failure";
    case 5:
        return "acknowledge";
    case 6:
        return "slave device busy";
    case 8:
        return "memory parity error";
    case 10:
        return "gateway path unavailable";
    case 11:
        return "gateway target device failed to respond";
    default:
        return "unknown exception";
    }
}
