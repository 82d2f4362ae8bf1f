#pragma once

#include <QByteArray>
#include <QString>

// CRC-16/MODBUS (reflected polynomial 0xA001, initial value 0xFFFF, no final XOR).
// An empty array yields 0xFFFF.
quint16 modbusCrc16(const QByteArray& bytes);

// The CRC register run on from `crc` over `size` bytes: a CRC continued over data that
// arrives in pieces (modbusCrc16(bytes) runs it from 0xFFFF over all of them).
quint16 continueModbusCrc16(quint16 crc, const char* bytes, int size);

// The CRC as the system writes it wherever it is shown or stored as text:
// four upper-case hex digits, low byte first (0xE0C5 gives "C5E0").
QString crcText(quint16 crc);
