#pragma once

#include "link/crc.h"

#include <QByteArray>

// Reply frames of a 0x03 read, built for the decoder tests.
inline QByteArray readReply(const QByteArray& registerBytes) {
    QByteArray frame = QByteArray::fromHex("0103");
    frame.append(char(registerBytes.size()));
    frame.append(registerBytes);
    const quint16 crc = modbusCrc16(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

inline void putBytes(QByteArray& bytes, int offset, const QByteArray& value) {
    bytes.replace(offset, value.size(), value);
}
