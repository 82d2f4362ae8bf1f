#include "files/compoundfile.h"

#include "link/bytes.h"

#include <QStringList>
#include <QVector>

namespace {

const char signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr int headerSize = 512;
constexpr int headerDifatEntries = 109;
constexpr int directoryEntrySize = 128;
constexpr quint32 maxRegularSector = 0xFFFFFFFA; // above: free, end of chain and markers
constexpr quint32 endOfChain = 0xFFFFFFFE;
constexpr quint8 streamEntry = 2;
constexpr quint8 rootEntry = 5;

quint32 u32(const QByteArray& bytes, int offset) {
    return quint32(wordLE(bytes, offset)) | quint32(wordLE(bytes, offset + 2)) << 16;
}

class CompoundFile {
public:
    explicit CompoundFile(const QByteArray& file)
        : file(file) {}

    QString open() {
        if (file.size() < headerSize || !file.startsWith(QByteArray(signature, 8)))
            return damaged();
        const int sectorShift = wordLE(file, 0x1E);
        miniShift = wordLE(file, 0x20);
        if ((sectorShift != 9 && sectorShift != 12) || miniShift != 6)
            return damaged();
        sectorSize = 1 << sectorShift;
        sectorCount = (file.size() - headerSize + sectorSize - 1) / sectorSize;
        miniCutoff = u32(file, 0x38);
        if (!readFat())
            return damaged();
        return {};
    }

    // The bytes of the chain starting at `start`, in the regular sectors.
    bool chain(quint32 start, QByteArray* bytes) const {
        bytes->clear();
        quint32 sector = start;
        // A chain never holds more sectors than the file, which also ends every cycle.
        for (int steps = 0; sector != endOfChain; ++steps) {
            if (!isSector(sector) || steps >= sectorCount || sector >= quint32(fat.size()))
                return false;
            *bytes += sliceAt(file, headerSize + int(sector) * sectorSize, sectorSize);
            sector = fat.at(int(sector));
        }
        return true;
    }

    CompoundStream stream(const QStringList& names) const {
        QByteArray directory;
        if (!chain(u32(file, 0x30), &directory))
            return {{}, damaged()};
        const int entries = directory.size() / directoryEntrySize;
        for (const QString& wanted : names) {
            for (int i = 0; i < entries; ++i) {
                const QByteArray entry = directory.mid(i * directoryEntrySize, directoryEntrySize);
                if (byteAt(entry, 66) == streamEntry &&
                    entryName(entry).compare(wanted, Qt::CaseInsensitive) == 0)
                    return content(directory, entry);
            }
        }
        return {{},
                QStringLiteral("The file is not a readable Excel 97-2003 workbook (no "
                               "workbook stream).")};
    }

private:
    static QString damaged() {
        return QStringLiteral("The file is not a readable Excel 97-2003 workbook (damaged).");
    }

    // Sector numbers are unsigned: compared as such, a huge one never turns negative.
    bool isSector(quint32 sector) const { return sector < quint32(sectorCount); }

    // The name is UTF-16 in the first 64 bytes; its stated length counts the closing zero.
    static QString entryName(const QByteArray& entry) {
        const int length = qMin<int>(wordLE(entry, 64), 64) / 2 - 1;
        QString name;
        for (int i = 0; i < length; ++i)
            name += QChar(wordLE(entry, 2 * i));
        return name;
    }

    bool readFat() {
        QVector<quint32> fatSectors;
        for (int i = 0; i < headerDifatEntries; ++i)
            fatSectors << u32(file, 0x4C + 4 * i);
        // Further DIFAT sectors: all entries but the last, which links the next one.
        quint32 difat = u32(file, 0x44);
        const int perSector = sectorSize / 4 - 1;
        for (int steps = 0; difat < maxRegularSector; ++steps) {
            if (!isSector(difat) || steps >= sectorCount)
                return false;
            const int offset = headerSize + int(difat) * sectorSize;
            for (int i = 0; i < perSector; ++i)
                fatSectors << u32(file, offset + 4 * i);
            difat = u32(file, offset + 4 * perSector);
        }
        int used = 0;
        for (const quint32 sector : fatSectors) {
            if (sector >= maxRegularSector)
                continue;
            if (!isSector(sector) || ++used > sectorCount)
                return false;
            const int offset = headerSize + int(sector) * sectorSize;
            for (int i = 0; i < sectorSize / 4; ++i)
                fat << u32(file, offset + 4 * i);
        }
        return !fat.isEmpty();
    }

    CompoundStream content(const QByteArray& directory, const QByteArray& entry) const {
        const quint32 start = u32(entry, 116);
        const quint32 size = u32(entry, 120);
        QByteArray bytes;
        if (size < miniCutoff) {
            if (!miniChain(directory, start, &bytes))
                return {{}, damaged()};
        } else if (!chain(start, &bytes)) {
            return {{}, damaged()};
        }
        if (quint32(bytes.size()) < size)
            return {{}, damaged()};
        return {bytes.left(int(size)), {}};
    }

    // Small streams live in the mini stream (the root entry's chain) in 64-byte sectors
    // chained by the mini FAT.
    bool miniChain(const QByteArray& directory, quint32 start, QByteArray* bytes) const {
        if (byteAt(directory, 66) != rootEntry)
            return false;
        QByteArray miniStream;
        QByteArray miniFatBytes;
        if (!chain(u32(directory, 116), &miniStream) || !chain(u32(file, 0x3C), &miniFatBytes))
            return false;
        const int miniSize = 1 << miniShift;
        const int miniCount = miniStream.size() / miniSize;
        bytes->clear();
        quint32 sector = start;
        for (int steps = 0; sector != endOfChain; ++steps) {
            if (sector >= quint32(miniCount) || steps >= miniCount ||
                sector >= quint32(miniFatBytes.size() / 4))
                return false;
            *bytes += miniStream.mid(int(sector) * miniSize, miniSize);
            sector = u32(miniFatBytes, 4 * int(sector));
        }
        return true;
    }

    const QByteArray& file;
    int sectorSize = 512;
    int sectorCount = 0;
    int miniShift = 6;
    quint32 miniCutoff = 4096;
    QVector<quint32> fat;
};

} // namespace

CompoundStream readCompoundStream(const QByteArray& file, const QStringList& names) {
    CompoundFile compound(file);
    const QString error = compound.open();
    if (!error.isEmpty())
        return {{}, error};
    return compound.stream(names);
}
