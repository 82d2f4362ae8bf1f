#pragma once

#include <QByteArray>

// Bounds-checked access to reply frames and record blocks: an offset past the end
// reads as 0, so a short frame or file never reads outside its bytes.

inline quint8 byteAt(const QByteArray& bytes, int offset) {
    return offset >= 0 && offset < bytes.size() ? static_cast<quint8>(bytes[offset]) : 0;
}

// Big-endian 16-bit value: the register byte order.
inline quint16 wordBE(const QByteArray& bytes, int offset) {
    return static_cast<quint16>(byteAt(bytes, offset) << 8 | byteAt(bytes, offset + 1));
}

// Little-endian 16-bit value (low byte first).
inline quint16 wordLE(const QByteArray& bytes, int offset) {
    return static_cast<quint16>(byteAt(bytes, offset) | byteAt(bytes, offset + 1) << 8);
}

// Two's complement reading of a 16-bit value.
inline int signed16(quint16 raw) {
    return raw <= 0x7FFF ? raw : raw - 0x10000;
}

// Bytes [offset, offset + length) clipped to what exists.
inline QByteArray sliceAt(const QByteArray& bytes, int offset, int length) {
    if (offset < 0 || offset >= bytes.size() || length <= 0)
        return {};
    return bytes.mid(offset, length);
}
