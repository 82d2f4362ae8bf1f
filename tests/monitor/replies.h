#pragma once

// Reply frames built by hand for the decoder tests.

#include "link/crc.h"
#include "monitor/batterysystem.h"

#include <QtTest>

Q_DECLARE_METATYPE(BatteryFamily)

// Reply frame of a 0x03 read carrying these register bytes, with its CRC (low byte first).
inline QByteArray readReply(const QByteArray& registerBytes) {
    QByteArray frame = QByteArray::fromHex("0103");
    frame.append(char(registerBytes.size()));
    frame.append(registerBytes);
    const quint16 crc = modbusCrc16(frame);
    return frame + char(crc & 0xFF) + char(crc >> 8);
}

// A block of zeros with these bytes written at this offset.
inline QByteArray zerosWith(int size, int offset, const QByteArray& value) {
    QByteArray bytes(size, '\0');
    bytes.replace(offset, value.size(), value);
    return bytes;
}
