#pragma once

// Reply frames shaped from fuzzer bytes. Most decoders act only on replies of the right
// length, so a target asks for that shape often and for arbitrary bytes otherwise.

#include "fuzzinput.h"

#include "link/crc.h"

// A 0x03 reply of `registers` registers whose values are the next input bytes (zero once
// the input is used up), closed by its CRC.
inline QByteArray readReplyFrom(FuzzedDataProvider& input, int registers) {
    QByteArray frame = QByteArray::fromHex("0103");
    frame.append(char(registers * 2));
    frame.append(takeBytes(input, std::size_t(registers) * 2).leftJustified(registers * 2, '\0'));
    const quint16 crc = modbusCrc16(frame);
    frame.append(char(crc & 0xFF)).append(char(crc >> 8));
    return frame;
}

// Either a well-formed reply of `registers` registers or arbitrary bytes.
inline QByteArray replyOrAnyFrom(FuzzedDataProvider& input, int registers) {
    return input.ConsumeBool() ? readReplyFrom(input, registers)
                               : takeBytes(input, std::size_t(registers) * 2 + 8);
}
