// Excel 97-2003 workbooks: the compound file around the workbook stream, and the BIFF8
// records inside it, as written and as damaged.
#include "compoundfilebuilder.h"

#include "files/compoundfile.h"
#include "files/xlssheetreader.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace CompoundFileBuilder;
using Rows = QList<QStringList>;
Q_DECLARE_METATYPE(Rows)

namespace {

QByteArray pattern(int size) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char(i * 7 + i / 256));
    return bytes;
}

const QStringList workbookNames{QStringLiteral("Workbook"), QStringLiteral("Book")};

// BIFF8 records: id, length, data; numbers little-endian.
QByteArray record(quint16 id, const QByteArray& data) {
    QByteArray bytes(4, '\0');
    put16(bytes, 0, id);
    put16(bytes, 2, quint16(data.size()));
    return bytes + data;
}
QByteArray le16(quint16 v) {
    QByteArray b(2, '\0');
    put16(b, 0, v);
    return b;
}
QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    put32(b, 0, v);
    return b;
}
QByteArray le64(double value) {
    QByteArray b(8, '\0');
    qToLittleEndian(value, b.data());
    return b;
}
QByteArray cell(int row, int column, int xf) {
    return le16(quint16(row)) + le16(quint16(column)) + le16(quint16(xf));
}
// An 8-bit XLUnicodeString with a 16-bit character count.
QByteArray text(const QByteArray& latin1) {
    return le16(quint16(latin1.size())) + '\0' + latin1;
}

const QByteArray bof = record(0x0809, le16(0x0600) + le16(0x0005) + QByteArray(12, '\0'));
const QByteArray sheetBof = record(0x0809, le16(0x0600) + le16(0x0010) + QByteArray(12, '\0'));
const QByteArray eof = record(0x000A, {});

// Globals (with the sheet offset patched in) followed by the sheet records.
QByteArray workbook(const QByteArray& globals, const QByteArray& sheet) {
    const QByteArray boundSheetHead = QByteArray(4, '\0') + '\0' + '\0' + char(1) + '\0' + 'S';
    QByteArray stream = bof + globals + record(0x0085, boundSheetHead) + eof;
    const int sheetOffset = stream.size();
    put32(stream, stream.indexOf(boundSheetHead), quint32(sheetOffset));
    return stream + sheetBof + sheet + eof;
}

// XF records: index 0 general, index 1 the built-in date-time format 22.
const QByteArray formats = record(0x00E0, le16(0) + le16(0) + QByteArray(16, '\0')) +
                           record(0x00E0, le16(0) + le16(22) + QByteArray(16, '\0'));

} // namespace

class TestXlsFiles : public QObject {
    Q_OBJECT

private slots:
    void readsTheStream_data();
    void readsTheStream();
    void damagedFilesGiveAnError_data();
    void damagedFilesGiveAnError();
    void cellRecords_data();
    void cellRecords();
    void damagedWorkbooks_data();
    void damagedWorkbooks();

private:
    SheetReadResult read(const QByteArray& stream);
    QTemporaryDir dir;
};

void TestXlsFiles::readsTheStream_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::newRow("regular sectors, several") << "Workbook" << 5000;
    QTest::newRow("mini stream, several mini sectors") << "Workbook" << 1000;
    QTest::newRow("older name in other case") << "BOOK" << 4500;
}

void TestXlsFiles::readsTheStream() {
    QFETCH(QString, name);
    QFETCH(int, size);
    const QByteArray content = pattern(size);
    const CompoundStream stream = readCompoundStream(build(name, content), workbookNames);
    QVERIFY2(stream.ok(), qPrintable(stream.error));
    QCOMPARE(stream.bytes, content);
}

void TestXlsFiles::damagedFilesGiveAnError_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");
    const QByteArray regular = build(QStringLiteral("Workbook"), pattern(5000));
    const QByteArray small = build(QStringLiteral("Workbook"), pattern(300));
    const QString damaged = QStringLiteral("damaged");
    auto changed = [](QByteArray file, int offset, quint32 value) {
        put32(file, offset, value);
        return file;
    };

    QTest::newRow("cut inside the stream") << regular.left(sectorOffset(5)) << damaged;
    QTest::newRow("sector size 128") << [&] {
        QByteArray file = regular;
        put16(file, 0x1E, 7);
        return file;
    }() << damaged;
    // A stated name length far beyond the 64-byte field must not be read beyond it.
    QTest::newRow("directory name length 0xFFFF") << [&] {
        QByteArray file = regular;
        put16(file, directoryEntryOffset(1) + 64, 0xFFFF);
        return file;
    }() << "no workbook";
    QTest::newRow("no workbook stream")
        << build(QStringLiteral("Contents"), pattern(5000)) << "no workbook";
    QTest::newRow("chain runs in a circle")
        << changed(regular, fatEntryOffset(FirstDataSector + 9), FirstDataSector) << damaged;
    QTest::newRow("chain leaves the file")
        << changed(regular, fatEntryOffset(FirstDataSector), 100000) << damaged;
    // Sector numbers with the top bit set once turned negative and passed the bounds checks.
    QTest::newRow("chain entry 0x80000000")
        << changed(regular, fatEntryOffset(FirstDataSector), 0x80000000) << damaged;
    QTest::newRow("mini chain entry 0x80000000")
        << changed(small, sectorOffset(2), 0x80000000) << damaged;
    QTest::newRow("stream start past the end")
        << changed(regular, directoryEntryOffset(1) + 116, 70000) << damaged;
    QTest::newRow("stream longer than its chain")
        << changed(regular, directoryEntryOffset(1) + 120, 9000) << damaged;
    QTest::newRow("DIFAT chain points at itself") << [&] {
        QByteArray file = changed(regular, 0x44, 2);
        for (int i = 0; i < 128; ++i)
            put32(file, sectorOffset(2) + 4 * i, 2);
        return file;
    }() << damaged;
    QTest::newRow("mini chain runs in a circle")
        << changed(small, sectorOffset(2) + 4 * 4, 0) << damaged;
}

void TestXlsFiles::damagedFilesGiveAnError() {
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    const CompoundStream stream = readCompoundStream(file, workbookNames);
    QVERIFY(!stream.ok());
    QVERIFY2(stream.error.contains(error), qPrintable(stream.error));
    QVERIFY(stream.bytes.isEmpty());
}

SheetReadResult TestXlsFiles::read(const QByteArray& stream) {
    const QString path = dir.filePath(QStringLiteral("book.xls"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return SheetReadResult::failure(QStringLiteral("cannot write"));
    file.write(build(QStringLiteral("Workbook"), stream));
    file.close();
    return readXlsFirstSheet(path);
}

void TestXlsFiles::cellRecords_data() {
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<Rows>("rows");

    // Shared strings: "abc" in one record, then "wxyz" whose last two characters continue,
    // as 16-bit characters, in a CONTINUE record with its own flags byte.
    const QByteArray sst = record(0x00FC, le32(2) + le32(2) + text("abc") + le16(4) + '\0' + "wx") +
                           record(0x003C, QByteArray(1, '\1') + le16('y') + le16(0x4E2D));
    QTest::newRow("shared strings across a CONTINUE")
        << workbook(sst, record(0x00FD, cell(0, 0, 0) + le32(0)) +
                             record(0x00FD, cell(0, 1, 0) + le32(1)) +
                             record(0x00FD, cell(0, 2, 0) + le32(7)))
        << Rows{{"abc", QStringLiteral("wxy") + QChar(0x4E2D)}}; // index 7: no such string

    QTest::newRow("numbers: double, RK integer, RK hundredths, MULRK")
        << workbook(formats, record(0x0203, cell(0, 0, 0) + le64(0.1 + 0.2)) +
                                 record(0x027E, cell(0, 1, 0) + le32(quint32(-5) << 2 | 2)) +
                                 record(0x027E, cell(0, 2, 0) + le32((1234 << 2) | 3)) +
                                 record(0x00BD, le16(1) + le16(0) + le16(0) + le32((7 << 2) | 2) +
                                                    le16(0) + le32((8 << 2) | 2) + le16(1)))
        << Rows{{"0.3", "-5", "12.34"}, {"7", "8", ""}};

    QTest::newRow("date format, 1904 dates")
        << workbook(formats + record(0x0022, le16(1)), record(0x0203, cell(0, 0, 1) + le64(1.5)))
        << Rows{{"1904-01-02 12:00:00"}};

    QTest::newRow("label, booleans, formula results")
        << workbook(formats,
                    record(0x0204, cell(0, 0, 0) + text("Date&Time")) +
                        record(0x0205, cell(0, 1, 0) + char(1) + char(0)) +
                        record(0x0205, cell(0, 2, 0) + char(7) + char(1)) + // an error: no text
                        record(0x0006, cell(1, 0, 0) + le64(42) + QByteArray(6, '\0')) +
                        record(0x0006, cell(1, 1, 0) + QByteArray("\0\0\0\0\0\0\xFF\xFF", 8) +
                                           QByteArray(6, '\0')) +
                        record(0x0207, text("from formula")))
        << Rows{{"Date&Time", "TRUE"}, {"42", "from formula"}};
}

void TestXlsFiles::cellRecords() {
    QFETCH(QByteArray, stream);
    QFETCH(Rows, rows);
    const SheetReadResult result = read(stream);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.rows, rows);
}

void TestXlsFiles::damagedWorkbooks_data() {
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QString>("error");
    QTest::newRow("not BIFF8") << record(0x0809, le16(0x0500) + le16(5)) + eof << "not a readable";
    QTest::newRow("no sheet listed") << bof + eof << "no worksheet";
    QTest::newRow("sheet offset past the stream") << [] {
        QByteArray stream = workbook({}, {});
        return stream.left(stream.indexOf(sheetBof));
    }() << "no worksheet";
    // A string table claiming four billion strings that holds none, and a cell pointing
    // far beyond it, read as empty cells rather than reading past the records.
    QTest::newRow("string table claims more than it holds")
        << workbook(record(0x00FC, le32(0xFFFFFFFF) + le32(0xFFFFFFFF) + le16(0xFFFF) + '\1'),
                    record(0x00FD, cell(0, 0, 0) + le32(0xFFFFFFF0)) +
                        record(0x0204, cell(0, 1, 0) + le16(0xFFFF) + '\1' + "ab"))
        << "";
    QTest::newRow("record longer than the stream")
        << workbook({}, QByteArray("\x03\x02\xFF\xFF\x01", 5)) << "";
}

void TestXlsFiles::damagedWorkbooks() {
    QFETCH(QByteArray, stream);
    QFETCH(QString, error);
    const SheetReadResult result = read(stream);
    if (error.isEmpty()) {
        QVERIFY2(result.ok(), qPrintable(result.error));
        for (const QStringList& row : result.rows)
            QCOMPARE(row.size(), result.rows.first().size());
        return;
    }
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(error), qPrintable(result.error));
}

QTEST_GUILESS_MAIN(TestXlsFiles)
#include "tst_xlsfiles.moc"
