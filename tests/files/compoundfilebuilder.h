#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

// A minimal compound file with one stream, for the reader's tests and fuzzing: 512-byte
// sectors, sector 0 the FAT, sector 1 the directory (root entry, the stream), sector 2 the
// mini FAT, from sector 3 on the stream or, below 4096 bytes, the mini stream holding it.
// Every other byte is 0xFF: free sectors, unused entries. Tests damage fields by offset.
namespace CompoundFileBuilder {

// Where the FAT, the directory and the mini FAT start; the stream's first sector.
constexpr int Fat = 512;
constexpr int Directory = 1024;
constexpr int MiniFat = 1536;
constexpr int FirstDataSector = 3;
constexpr quint32 EndOfChain = 0xFFFFFFFE;

inline void put16(QByteArray& bytes, int offset, quint16 value) {
    qToLittleEndian(value, bytes.data() + offset);
}
inline void put32(QByteArray& bytes, int offset, quint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

// Chains `count` (mini) sectors from `first` on, in the table that starts at `table`.
inline void putChain(QByteArray& file, int table, int first, int count) {
    for (int i = first; i < first + count; ++i)
        put32(file, table + 4 * i, i + 1 < first + count ? quint32(i + 1) : EndOfChain);
}

inline void putEntry(QByteArray& file, int entry, const QString& name, char type, quint32 start,
                     quint32 size) {
    const int at = Directory + 128 * entry;
    for (int i = 0; i < name.size(); ++i)
        put16(file, at + 2 * i, name.at(i).unicode());
    put16(file, at + 64, quint16((name.size() + 1) * 2));
    file[at + 66] = type;
    put32(file, at + 116, start);
    put32(file, at + 120, size);
}

inline QByteArray build(const QString& streamName, const QByteArray& content) {
    const bool mini = content.size() < 4096;
    const int dataSectors = (content.size() + 511) / 512;
    QByteArray file(512 * (1 + FirstDataSector + dataSectors), '\xFF');
    file.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    put16(file, 0x1E, 9);      // 512-byte sectors
    put16(file, 0x20, 6);      // 64-byte mini sectors
    put32(file, 0x30, 1);      // first directory sector
    put32(file, 0x38, 4096);   // mini stream cut-off
    put32(file, 0x3C, 2);      // first mini FAT sector
    put32(file, 0x4C, 0);      // the one FAT sector
    putChain(file, Fat, 1, 1); // the directory
    putChain(file, Fat, 2, 1); // the mini FAT
    putChain(file, Fat, FirstDataSector, dataSectors);
    if (mini)
        putChain(file, MiniFat, 0, (content.size() + 63) / 64);
    file.replace(512 * (1 + FirstDataSector), content.size(), content);
    putEntry(file, 0, QStringLiteral("Root Entry"), 5, mini ? FirstDataSector : EndOfChain,
             mini ? content.size() : 0);
    putEntry(file, 1, streamName, 2, mini ? 0 : FirstDataSector, content.size());
    return file;
}

} // namespace CompoundFileBuilder
