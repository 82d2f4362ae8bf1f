#include "files/xlssheetreader.h"

#include "files/cellformat.h"
#include "files/compoundfile.h"
#include "link/bytes.h"

#include <QFile>
#include <QHash>
#include <QVector>

#include <cstring>

// Excel 97-2003 workbooks hold their content as BIFF8 records (16-bit id, 16-bit length,
// data) in the "Workbook" stream: a globals part (shared strings, number formats, cell
// formats, the list of sheets) and one part per sheet. All numbers are little-endian.

namespace {

// Record ids.
constexpr quint16 Bof = 0x0809;
constexpr quint16 Eof = 0x000A;
constexpr quint16 Continue = 0x003C;
constexpr quint16 DateMode = 0x0022;
constexpr quint16 Format = 0x041E;
constexpr quint16 ExtendedFormat = 0x00E0;
constexpr quint16 BoundSheet = 0x0085;
constexpr quint16 SharedStrings = 0x00FC;
constexpr quint16 Number = 0x0203;
constexpr quint16 Rk = 0x027E;
constexpr quint16 MulRk = 0x00BD;
constexpr quint16 LabelSst = 0x00FD;
constexpr quint16 Label = 0x0204;
constexpr quint16 BoolErr = 0x0205;
constexpr quint16 Formula = 0x0006;
constexpr quint16 FormulaString = 0x0207;
constexpr quint16 Biff8 = 0x0600;

constexpr qint64 maxStreamSize = 64 * 1024 * 1024;

struct Record {
    quint16 id;
    QByteArray data;
};

QVector<Record> recordsFrom(const QByteArray& stream, int offset) {
    QVector<Record> records;
    while (offset + 4 <= stream.size()) {
        const quint16 id = wordLE(stream, offset);
        const int length = wordLE(stream, offset + 2);
        records.append({id, sliceAt(stream, offset + 4, length)});
        offset += 4 + length;
        if (id == Eof)
            break;
    }
    return records;
}

quint32 u32(const QByteArray& bytes, int offset) {
    return quint32(wordLE(bytes, offset)) | quint32(wordLE(bytes, offset + 2)) << 16;
}

double ieeeDouble(const QByteArray& bytes, int offset) {
    quint64 bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | byteAt(bytes, offset + i);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// An RK number: a double cut to its high 30 bits or a 30-bit integer, maybe divided by 100.
double rkValue(quint32 rk) {
    double value;
    if (rk & 0x02) {
        value = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x01) ? value / 100 : value;
}

// Reads strings whose characters may run on into the following CONTINUE records; each
// continuation starts with a new flags byte saying whether its characters are 8 or 16 bit.
class SegmentReader {
public:
    explicit SegmentReader(QVector<QByteArray> segments)
        : segments(std::move(segments)) {}

    bool atEnd() const { return segment >= segments.size(); }

    quint8 byte() {
        skipEmpty();
        if (atEnd())
            return 0;
        const quint8 b = byteAt(segments[segment], position++);
        return b;
    }
    // Low byte first; the reads are separate statements so that their order is fixed.
    quint16 word() {
        const quint8 low = byte();
        return quint16(low | byte() << 8);
    }
    quint32 dword() {
        const quint16 low = word();
        return quint32(low) | quint32(word()) << 16;
    }
    void skip(qint64 count) {
        for (; count > 0 && !atEnd(); --count)
            byte();
    }

    // `count` characters; `flags` bit 0 says 16-bit characters.
    QString characters(int count, quint8 flags) {
        QString text;
        bool wide = flags & 0x01;
        for (int i = 0; i < count && !atEnd(); ++i) {
            if (position >= segments[segment].size()) {
                ++segment;
                position = 0;
                if (atEnd())
                    break;
                wide = byte() & 0x01; // continuation: its own flags byte
            }
            text += QChar(wide ? word() : byte());
        }
        return text;
    }

    // An XLUnicodeString: character count (16 or 8 bit), flags, optional run and extension
    // sizes, the characters, then the runs and the extension, which are skipped.
    QString unicodeString(bool shortCount) {
        const int count = shortCount ? byte() : word();
        const quint8 flags = byte();
        const int runs = (flags & 0x08) ? word() : 0;
        const quint32 extension = (flags & 0x04) ? dword() : 0;
        const QString text = characters(count, flags);
        skip(qint64(runs) * 4 + extension);
        return text;
    }

private:
    void skipEmpty() {
        while (!atEnd() && position >= segments[segment].size()) {
            ++segment;
            position = 0;
        }
    }

    QVector<QByteArray> segments;
    int segment = 0;
    int position = 0;
};

struct Globals {
    QStringList sharedStrings;
    QHash<int, QString> formatCodes;
    QVector<int> cellFormats; // number format id of each XF record
    bool epoch1904 = false;
    qint64 firstSheetOffset = -1;
};

QStringList sharedStringsFrom(const QVector<QByteArray>& segments) {
    SegmentReader reader(segments);
    reader.skip(4); // total count of string uses
    const quint32 unique = reader.dword();
    QStringList strings;
    for (quint32 i = 0; i < unique && !reader.atEnd(); ++i)
        strings << reader.unicodeString(false);
    return strings;
}

Globals readGlobals(const QVector<Record>& records) {
    Globals globals;
    for (int i = 0; i < records.size(); ++i) {
        const Record& record = records[i];
        switch (record.id) {
        case DateMode:
            globals.epoch1904 = wordLE(record.data, 0) == 1;
            break;
        case Format: {
            SegmentReader reader({record.data.mid(2)});
            globals.formatCodes.insert(wordLE(record.data, 0), reader.unicodeString(false));
            break;
        }
        case ExtendedFormat:
            globals.cellFormats << wordLE(record.data, 2);
            break;
        case BoundSheet:
            // The first worksheet (type 0) in sheet order.
            if (globals.firstSheetOffset < 0 && byteAt(record.data, 5) == 0)
                globals.firstSheetOffset = u32(record.data, 0);
            break;
        case SharedStrings: {
            QVector<QByteArray> segments{record.data};
            while (i + 1 < records.size() && records[i + 1].id == Continue)
                segments << records[++i].data;
            globals.sharedStrings = sharedStringsFrom(segments);
            break;
        }
        default:
            break;
        }
    }
    return globals;
}

class SheetReader {
public:
    explicit SheetReader(const Globals& globals)
        : globals(globals) {}

    QString read(const QVector<Record>& records) {
        for (const Record& record : records) {
            if (pendingFormula && record.id == FormulaString) {
                SegmentReader reader({record.data});
                setCell(formulaRow, formulaColumn, reader.unicodeString(false));
            }
            pendingFormula = false;
            readCell(record);
            if (range.tooLarge())
                return QStringLiteral("The worksheet is too large to read.");
        }
        return {};
    }

    SheetRows rows() const { return range.rows(); }

private:
    void readCell(const Record& record) {
        const QByteArray& d = record.data;
        const int row = wordLE(d, 0);
        const int column = wordLE(d, 2);
        switch (record.id) {
        case Number:
            setCell(row, column, numberText(ieeeDouble(d, 6), wordLE(d, 4)));
            break;
        case Rk:
            setCell(row, column, numberText(rkValue(u32(d, 6)), wordLE(d, 4)));
            break;
        case MulRk: {
            // Row, first column, then an XF and an RK per column, then the last column.
            const int cells = (d.size() - 6) / 6;
            for (int i = 0; i < cells; ++i)
                setCell(row, column + i,
                        numberText(rkValue(u32(d, 6 + 6 * i)), wordLE(d, 4 + 6 * i)));
            break;
        }
        case LabelSst:
            setCell(row, column,
                    globals.sharedStrings.value(int(qMin<quint32>(u32(d, 6), INT_MAX))));
            break;
        case Label: {
            SegmentReader reader({d.mid(6)});
            setCell(row, column, reader.unicodeString(false));
            break;
        }
        case BoolErr:
            if (byteAt(d, 7) == 0)
                setCell(row, column,
                        byteAt(d, 6) ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
            break;
        case Formula:
            readFormula(d, row, column);
            break;
        default:
            break;
        }
    }

    // A formula's cached result: a number, or a marker in bytes 6..13 for other kinds; a
    // text result follows in the next record.
    void readFormula(const QByteArray& d, int row, int column) {
        if (wordLE(d, 12) != 0xFFFF) {
            setCell(row, column, numberText(ieeeDouble(d, 6), wordLE(d, 4)));
            return;
        }
        switch (byteAt(d, 6)) {
        case 0:
            pendingFormula = true;
            formulaRow = row;
            formulaColumn = column;
            break;
        case 1:
            setCell(row, column, byteAt(d, 8) ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
            break;
        default:
            break;
        }
    }

    QString numberText(double value, int xf) const {
        const int formatId = globals.cellFormats.value(xf, 0);
        return isDateFormat(formatId, globals.formatCodes.value(formatId))
                   ? serialDateTimeText(value, globals.epoch1904)
                   : generalNumberText(value);
    }

    void setCell(int row, int column, const QString& text) { range.setCell(row, column, text); }

    const Globals& globals;
    UsedRangeBuilder range;
    bool pendingFormula = false;
    int formulaRow = 0;
    int formulaColumn = 0;
};

QString unreadable() {
    return QStringLiteral("The file is not a readable Excel 97-2003 workbook.");
}

} // namespace

SheetReadResult readXlsFirstSheet(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SheetReadResult::failure(unreadable());
    if (file.size() > maxStreamSize)
        return SheetReadResult::failure(
            QStringLiteral("The spreadsheet file is too large to read."));
    const CompoundStream stream =
        readCompoundStream(file.readAll(), {QStringLiteral("Workbook"), QStringLiteral("Book")});
    if (!stream.ok())
        return SheetReadResult::failure(stream.error);

    const QVector<Record> globalRecords = recordsFrom(stream.bytes, 0);
    if (globalRecords.isEmpty() || globalRecords.first().id != Bof ||
        wordLE(globalRecords.first().data, 0) != Biff8)
        return SheetReadResult::failure(unreadable());
    const Globals globals = readGlobals(globalRecords);
    if (globals.firstSheetOffset < 0 || globals.firstSheetOffset >= stream.bytes.size())
        return SheetReadResult::failure(QStringLiteral("The workbook has no worksheet."));

    const QVector<Record> sheetRecords = recordsFrom(stream.bytes, int(globals.firstSheetOffset));
    if (sheetRecords.isEmpty() || sheetRecords.first().id != Bof)
        return SheetReadResult::failure(QStringLiteral("The workbook has no worksheet."));
    SheetReader sheet(globals);
    const QString error = sheet.read(sheetRecords);
    if (!error.isEmpty())
        return SheetReadResult::failure(error);
    return {sheet.rows(), {}};
}
