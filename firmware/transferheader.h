#pragma once

#include "firmware/firmwaretarget.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Header writes that open a transfer: five registers announcing what follows. Register +2
// is written as 0x8100 and later read back as the transfer status (0x0000 = success).

// A version number must fit the one byte the header gives it.
bool versionFitsHeader(int main, int sub);

// Firmware header to registers from 0x05F0 (BMU) or 0x0640 (BMS), without CRC:
// +0 main version (high byte) and sub version (low byte), +1 0 for section "A" and 1
// otherwise, +2 0x8100, +3 the image size's low 16 bits, +4 its high 16 bits.
// Empty when a version does not fit a byte or the image needs more than 65535 packets.
QString firmwareHeaderText(FirmwareTarget target, int main, int sub, const QString& section,
                           qint64 imageSize);

// The table length the header announces, and where the table keeps its own version.
namespace TableLayout {
constexpr int Length = 1068;
constexpr int MainVersionOffset = 1057;
constexpr int SubVersionOffset = 1059;
} // namespace TableLayout

// The battery type code of the table header for a battery type text as the Overview shows
// it: 0 for ZRC and QPC, 1 for ZRD and QPB, 2 for "ZRA/ZRA Mini" and QPA. None for any
// other text.
std::optional<quint8> tableTypeCode(const QString& batteryType);

// Parameter-table header to registers from 0x0400, without CRC: +0 the type code, +1 table
// bytes 1057 (high) and 1059 (low), +2 0x8100, +3 0x042C, +4 0. Empty for an unknown
// battery type.
QString tableHeaderText(const QString& batteryType, const QByteArray& tableData);
