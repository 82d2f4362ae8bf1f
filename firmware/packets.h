#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Firmware images and parameter tables travel to the BMU in packets of 128 bytes, each a
// write of registers from a fixed first register. A packet carries its 1-based number and
// its data length in front of the data. The list always closes with a short packet of
// size mod 128 bytes, empty when the size is a multiple of 128; that last packet keeps
// the byte count L + 6 and the register count (L + 6) / 2 rounded down even for odd L,
// which the BMU accepts and relies on.
namespace Packet {
constexpr int DataBytes = 128;
constexpr int MaxPackets = 65535; // the packet number is a 16-bit register
constexpr quint16 BmuFirstRegister = 0x05F7;
constexpr quint16 BmsFirstRegister = 0x0647;
constexpr quint16 TableFirstRegister = 0x0407;
} // namespace Packet

// Packets an image of `size` bytes needs: the full ones and the closing short one.
qint64 packetCountFor(qint64 size);

// Whether every packet of an image of `size` bytes gets a number that fits 16 bits.
bool fitsPacketNumbering(qint64 size);

// The packet list of an image: lower-case hex text of each 128-byte slice, the last
// slice cut at the image end (empty for a size that is a multiple of 128).
QStringList splitIntoPackets(const QByteArray& image);

// The write of packet `index` of `packets` to registers from `firstRegister`, as a
// complete hex command string with its CRC. The last entry of the list is sent with the
// short layout. An index outside the list gives an empty string.
QString packetCommand(quint16 firstRegister, const QStringList& packets, int index);
