#pragma once

#include <QByteArray>
#include <QtEndian>

// A minimal compound file with one stream, for the reader tests: 512-byte sectors, sector 0
// the FAT, sector 1 the directory (root entry, the stream), sector 2 the mini FAT, the
// stream's sectors from 3 on. A stream below 4096 bytes lives in the mini stream, which
// then takes the sectors from 3 on instead. Tests damage the fields through the offsets.
namespace CompoundFileBuilder {

constexpr int SectorSize = 512;
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 Free = 0xFFFFFFFF;

inline int sectorOffset(int sector) {
    return SectorSize * (sector + 1);
}
inline int fatEntryOffset(int sector) {
    return sectorOffset(0) + 4 * sector;
}
inline int directoryEntryOffset(int entry) {
    return sectorOffset(1) + 128 * entry;
}
constexpr int FirstDataSector = 3;

inline void put32(QByteArray& bytes, int offset, quint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
}
inline void put16(QByteArray& bytes, int offset, quint16 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

inline void putEntry(QByteArray& file, int entry, const QString& name, quint8 type, quint32 start,
                     quint32 size) {
    const int at = directoryEntryOffset(entry);
    for (int i = 0; i < name.size() && i < 31; ++i)
        put16(file, at + 2 * i, name.at(i).unicode());
    put16(file, at + 64, quint16((name.size() + 1) * 2));
    file[at + 66] = char(type);
    put32(file, at + 68, Free); // no siblings or children
    put32(file, at + 72, Free);
    put32(file, at + 76, Free);
    put32(file, at + 116, start);
    put32(file, at + 120, size);
}

inline QByteArray build(const QString& streamName, const QByteArray& content) {
    const bool mini = content.size() < 4096;
    const int unit = mini ? 64 : SectorSize;
    const int units = (content.size() + unit - 1) / unit;
    const int dataSectors = (units * unit + SectorSize - 1) / SectorSize;
    QByteArray file(sectorOffset(FirstDataSector + dataSectors), '\0');

    file.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    put16(file, 0x18, 0x3E);
    put16(file, 0x1A, 3);
    put16(file, 0x1C, 0xFFFE);
    put16(file, 0x1E, 9);
    put16(file, 0x20, 6);
    put32(file, 0x2C, 1);          // FAT sectors
    put32(file, 0x30, 1);          // first directory sector
    put32(file, 0x38, 4096);       // mini stream cut-off
    put32(file, 0x3C, 2);          // first mini FAT sector
    put32(file, 0x40, 1);          // mini FAT sectors
    put32(file, 0x44, EndOfChain); // no DIFAT sectors
    for (int i = 0; i < 109; ++i)
        put32(file, 0x4C + 4 * i, i == 0 ? 0 : Free);

    for (int i = 0; i < SectorSize / 4; ++i)
        put32(file, fatEntryOffset(i), Free);
    put32(file, fatEntryOffset(0), 0xFFFFFFFD); // the FAT's own sector
    put32(file, fatEntryOffset(1), EndOfChain);
    put32(file, fatEntryOffset(2), EndOfChain);
    for (int i = 0; i < dataSectors; ++i)
        put32(file, fatEntryOffset(FirstDataSector + i),
              i + 1 < dataSectors ? quint32(FirstDataSector + i + 1) : EndOfChain);

    for (int i = 0; i < SectorSize / 4; ++i)
        put32(file, sectorOffset(2) + 4 * i, Free);
    if (mini) {
        for (int i = 0; i < units; ++i)
            put32(file, sectorOffset(2) + 4 * i, i + 1 < units ? quint32(i + 1) : EndOfChain);
    }
    file.replace(sectorOffset(FirstDataSector), content.size(), content);

    putEntry(file, 0, QStringLiteral("Root Entry"), 5, mini ? FirstDataSector : EndOfChain,
             mini ? quint32(units * unit) : 0);
    putEntry(file, 1, streamName, 2, mini ? 0 : FirstDataSector, quint32(content.size()));
    return file;
}

} // namespace CompoundFileBuilder
