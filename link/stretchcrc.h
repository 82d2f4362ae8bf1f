#pragma once

#include <QVector>

// The CRC-16/MODBUS of any stretch of a buffer in a constant number of steps, whatever the
// stretch's length, so that a scan may check a frame at every offset of a stream.
//
// The CRC register is linear over GF(2): running it over bytes [s, e) from 0xFFFF gives
// R(e) ^ Z(e - s, R(s) ^ 0xFFFF), where R(k) is the register run from 0xFFFF over the first
// k bytes and Z(n, r) the register r run over n zero bytes. R is kept for every byte of the
// buffer; Z is a table of sixteen columns for each length up to MaxLength.
class StretchCrc {
public:
    static constexpr int MaxLength = 255;

    // The buffer grows at its end and loses bytes at its front, as the caller's does.
    void append(const char* bytes, int size);
    void dropFront(int count);
    void clear();

    // The CRC of the bytes [start, end) of the buffer; end - start at most MaxLength.
    quint16 crcOf(int start, int end) const;

private:
    QVector<quint16> registers{0xFFFF}; // R(k) of the buffer's first k bytes
};
