#include "sim/requestparser.h"

#include "link/bytes.h"
#include "link/crc.h"

namespace {

constexpr int MinimumFrame = 4; // address, function, CRC
constexpr int LongestUnknownFrame = 256;

bool crcMatches(const QByteArray& bytes, int length) {
    const quint16 received = wordLE(bytes, length - 2);
    return modbusCrc16(bytes.left(length - 2)) == received;
}

// Length of the request at the start of bytes: > 0 known, -1 need more bytes,
// 0 the function carries no length (found by CRC instead).
int knownLength(const QByteArray& bytes) {
    if (bytes.size() < 2)
        return -1;
    const quint8 function = byteAt(bytes, 1);
    if (function >= 0x01 && function <= 0x06)
        return 8;
    if (function == 0x0F || function == 0x10) {
        if (bytes.size() < 7)
            return -1;
        return 9 + byteAt(bytes, 6);
    }
    return 0;
}

// True when a complete request with a known length and a valid CRC starts after the
// first byte: the bytes before it can never end in a valid frame that precedes it.
bool completeRequestFollows(const QByteArray& bytes) {
    for (int offset = 1; offset + MinimumFrame <= bytes.size(); ++offset) {
        const QByteArray rest = bytes.mid(offset);
        const int length = knownLength(rest);
        if (length > 0 && rest.size() >= length && crcMatches(rest, length))
            return true;
    }
    return false;
}

ModbusRequest toRequest(const QByteArray& frame) {
    ModbusRequest request;
    request.frame = frame;
    request.slave = byteAt(frame, 0);
    request.function = byteAt(frame, 1);
    if (frame.size() >= 8) {
        request.address = wordBE(frame, 2);
        request.count = wordBE(frame, 4);
    }
    if (request.function == 0x10 || request.function == 0x0F)
        request.data = sliceAt(frame, 7, byteAt(frame, 6));
    return request;
}

} // namespace

QVector<ModbusRequest> RequestParser::feed(const QByteArray& chunk) {
    pending.append(chunk);
    QVector<ModbusRequest> requests;
    while (pending.size() >= 2) {
        const int length = knownLength(pending);
        if (length < 0)
            break;
        if (length > 0) {
            if (pending.size() < length)
                break;
            if (crcMatches(pending, length)) {
                requests.append(toRequest(pending.left(length)));
                pending.remove(0, length);
                continue;
            }
            pending.remove(0, 1);
            continue;
        }
        // Function without a length rule: the shortest prefix with a matching CRC.
        int found = 0;
        for (int n = MinimumFrame; n <= pending.size() && n <= LongestUnknownFrame; ++n) {
            if (crcMatches(pending, n)) {
                found = n;
                break;
            }
        }
        if (found > 0) {
            requests.append(toRequest(pending.left(found)));
            pending.remove(0, found);
        } else if (pending.size() >= LongestUnknownFrame || completeRequestFollows(pending)) {
            pending.remove(0, 1); // garbage, or a request whose end was lost
        } else {
            break;
        }
    }
    return requests;
}
