#include "firmware/transferheader.h"

#include "firmware/packets.h"
#include "link/bytes.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"

namespace {

struct TableType {
    const char* batteryType;
    quint8 code;
};

const TableType tableTypes[] = {
    {"ZRC", 0}, {"QPC", 0}, {"ZRD", 1}, {"QPB", 1}, {"ZRA/ZRA Mini", 2}, {"QPA", 2},
};

// Register values high byte first, as the payload of a header write.
QByteArray registers(std::initializer_list<quint16> values) {
    QByteArray bytes;
    for (const quint16 value : values)
        bytes.append(char(value >> 8)).append(char(value & 0xFF));
    return bytes;
}

} // namespace

bool versionFitsHeader(int main, int sub) {
    return main >= 0 && main <= 0xFF && sub >= 0 && sub <= 0xFF;
}

QString firmwareHeaderText(FirmwareTarget target, int main, int sub, const QString& section,
                           qint64 imageSize) {
    if (!versionFitsHeader(main, sub) || !fitsPacketNumbering(imageSize))
        return {};
    const quint32 size = quint32(imageSize);
    const QByteArray payload =
        registers({quint16(main << 8 | sub), quint16(section == QLatin1String("A") ? 0 : 1), 0x8100,
                   quint16(size & 0xFFFF), quint16(size >> 16)});
    return QLatin1String(targetInfo(target).headerHead) + bytesToHexCommand(payload);
}

std::optional<quint8> tableTypeCode(const QString& batteryType) {
    for (const TableType& type : tableTypes) {
        if (batteryType == QLatin1String(type.batteryType))
            return type.code;
    }
    return std::nullopt;
}

QString tableHeaderText(const QString& batteryType, const QByteArray& tableData) {
    const std::optional<quint8> code = tableTypeCode(batteryType);
    if (!code)
        return {};
    const quint16 version = quint16(byteAt(tableData, TableLayout::MainVersionOffset) << 8 |
                                    byteAt(tableData, TableLayout::SubVersionOffset));
    const QByteArray payload = registers({*code, version, 0x8100, TableLayout::Length, 0x0000});
    return QLatin1String(Command::TableHeaderHead) + bytesToHexCommand(payload);
}
