#include "link/frameassembler.h"

#include "link/crc.h"

namespace {

constexpr quint8 SlaveAddress = 0x01;
constexpr quint8 ReadHolding = 0x03;
constexpr quint8 WriteMultiple = 0x10;
constexpr int MaxReadBytes = 250; // 125 registers, the Modbus limit for one read

bool crcMatches(const QByteArray& frame) {
    const int n = frame.size();
    const quint16 received = static_cast<quint8>(frame[n - 2]) |
                             static_cast<quint16>(static_cast<quint8>(frame[n - 1]) << 8);
    return modbusCrc16(frame.left(n - 2)) == received;
}

} // namespace

int FrameAssembler::expectedLength(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return -1;
    if (static_cast<quint8>(bytes[0]) != SlaveAddress)
        return 0;
    if (bytes.size() < 2)
        return -1;
    const quint8 function = static_cast<quint8>(bytes[1]);
    if (function & 0x80)
        return 5;
    if (function == WriteMultiple)
        return 8;
    if (function != ReadHolding)
        return 0;
    if (bytes.size() < 3)
        return -1;
    const int byteCount = static_cast<quint8>(bytes[2]);
    if (byteCount % 2 != 0 || byteCount > MaxReadBytes)
        return 0;
    return 5 + byteCount;
}

bool FrameAssembler::isException(const QByteArray& frame) {
    return frame.size() == 5 && (static_cast<quint8>(frame[1]) & 0x80);
}

QVector<QByteArray> FrameAssembler::feed(const QByteArray& chunk) {
    pending.append(chunk);
    QVector<QByteArray> frames;
    while (!pending.isEmpty()) {
        const int length = expectedLength(pending);
        if (length < 0 || (length > 0 && pending.size() < length))
            break; // wait for the rest of the frame
        if (length > 0) {
            const QByteArray candidate = pending.left(length);
            if (crcMatches(candidate)) {
                frames.append(candidate);
                pending.remove(0, length);
                continue;
            }
        }
        // Not the start of a valid frame: skip one byte and look again.
        pending.remove(0, 1);
    }
    return frames;
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
