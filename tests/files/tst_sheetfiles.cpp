// Reading spreadsheet files: delimited text, xlsx and Excel 97-2003 workbooks as written
// here, damaged and hostile, and as other programs wrote the fixtures; a saved log
// translated in slices.
#include "compoundfilebuilder.h"
#include "filefixture.h"
#include "workbookbuilder.h"

#include "files/logimport.h"
#include "files/spreadsheetreader.h"
#include "history/batteryfamily.h"

#include <QTemporaryDir>
#include <QTextCodec>

using namespace WorkbookBuilder;

namespace {

template <typename T> QByteArray le(T value) {
    QByteArray bytes(sizeof value, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// BIFF8 records: id, length, data.
QByteArray record(quint16 id, const QByteArray& data) {
    return le(id) + le(quint16(data.size())) + data;
}
QByteArray cell(quint16 row, quint16 column, quint16 xf = 0) {
    return le(row) + le(column) + le(xf);
}
// An 8-bit XLUnicodeString with a 16-bit character count.
QByteArray text(const QByteArray& latin1) {
    return le(quint16(latin1.size())) + '\0' + latin1;
}
QByteArray bof(quint16 type) {
    return record(0x0809, le(quint16(0x0600)) + le(type) + QByteArray(12, '\0'));
}
const QByteArray eof = record(0x000A, {});

// A workbook stream: globals, the sheet list pointing at the one sheet, the sheet.
QByteArray biff(const QByteArray& globals, const QByteArray& sheet) {
    const QByteArray head = bof(0x0005) + globals;
    const quint32 sheetOffset = quint32(head.size() + 13 + eof.size());
    return head + record(0x0085, le(sheetOffset) + QByteArray("\0\0\1\0S", 5)) + eof + bof(0x0010) +
           sheet + eof;
}
QByteArray xls(const QByteArray& stream) {
    return CompoundFileBuilder::build(QStringLiteral("Workbook"), stream);
}

QByteArray xlsx(const Parts& parts) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("book.xlsx"));
    return writeZip(path, parts) ? readBytes(path) : QByteArray();
}
const QByteArray sheetEntry = "<sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/>";

// XF records: index 0 general, index 1 the built-in date-time format 22.
const QByteArray formats = record(0x00E0, QByteArray(20, '\0')) +
                           record(0x00E0, le(quint32(22 << 16)) + QByteArray(16, '\0'));

} // namespace

class TestSheetFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // Files written here, read to their rows: text in each encoding, xlsx and xls workbooks
    // as other programs write them.
    void reads_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<SheetRows>("rows");
        // Comma-separated when the first line has no tab. (The own export, tab-separated
        // GB2312: the export round trips of tst_toolfiles and the fixture twin below.)
        QTest::newRow("quoted field with delimiter, quote and line break")
            << QByteArray("a,\"b,\"\"c\"\"\nd\",e\n") << SheetRows{{"a", "b,\"c\"\nd", "e"}};
        QTest::newRow("short rows padded, blank lines inside kept")
            << QByteArray("a\tb\n\nd\n\n") << SheetRows{{"a", "b"}, {"", ""}, {"d", ""}};
        QTest::newRow("used range starts at the first used column")
            << QByteArray("\t\tx\n\t\ty") << SheetRows{{"x"}, {"y"}};
        QTest::newRow("only separators") << QByteArray("\t\t\n\t\t\n") << SheetRows{};
        const QString unicode = QStringLiteral("Cell_Max_T(℃)\t温度");
        const SheetRows decoded{unicode.split('\t')};
        QTest::newRow("GB2312") << QTextCodec::codecForName("GB2312")->fromUnicode(unicode)
                                << decoded;
        QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + unicode.toUtf8() << decoded;
        QTest::newRow("UTF-16 with BOM")
            << "\xFF\xFE" +
                   QByteArray(reinterpret_cast<const char*>(unicode.utf16()), unicode.size() * 2)
            << decoded;

        QTest::newRow("rich text runs joined, phonetic guide left out")
            << xlsx(sharedStringBook(
                   "<si><r><t>Cell_</t></r><r><t xml:space=\"preserve\">Max </t></r>"
                   "<rPh><t>ignored</t></rPh></si><si><t>a_x000D_b</t></si>",
                   "<c t=\"s\"><v>0</v></c><c t=\"s\"><v>1</v></c>"))
            << SheetRows{{"Cell_Max ", "a\rb"}};
        QTest::newRow("range starts at the first used cell, gaps kept")
            << xlsx(book(sheet("<row r=\"3\"><c r=\"C3\" t=\"inlineStr\"><is><t>x</t></is></c>"
                               "</row><row r=\"5\"><c r=\"E5\"><v>1.5</v></c></row>")))
            << SheetRows{{"x", "", ""}, {"", "", ""}, {"", "", "1.5"}};
        QTest::newRow("cells without references, booleans, formulas, errors, ISO dates")
            << xlsx(book(sheet("<row><c t=\"inlineStr\"><is><t>a</t></is></c><c><v>2</v></c></row>"
                               "<row><c t=\"b\"><v>1</v></c><c t=\"b\"><v>0</v></c></row><row>"
                               "<c t=\"str\"><f>A2</f><v>x</v></c><c t=\"e\"><v>#DIV/0!</v></c>"
                               "<c t=\"d\"><v>2023-04-17T08:05:03</v></c><c><f>1+1</f><v>2</v>"
                               "</c></row>")))
            << SheetRows{{"a", "2", "", ""},
                         {"TRUE", "FALSE", "", ""},
                         {"x", "#DIV/0!", "2023-04-17 08:05:03", "2"}};
        // Numbers in the General format and under date formats: built-in, custom with
        // quoted letters (no date), elapsed hours.
        QTest::newRow("number formats")
            << xlsx(book(sheet("<row><c><v>-0</v></c><c><v>0.30000000000000004</v></c>"
                               "<c s=\"1\"><v>45033.999999999</v></c><c s=\"1\"><v>61</v></c>"
                               "<c s=\"1\"><v>-3</v></c><c s=\"2\"><v>1.5</v></c>"
                               "<c s=\"3\"><v>1.5</v></c></row>"),
                         relationship("rId3", "styles", "styles.xml"),
                         {{"xl/styles.xml",
                           "<styleSheet><numFmts><numFmt numFmtId=\"170\" formatCode=\"0.00&quot; "
                           "days&quot;\"/><numFmt numFmtId=\"173\" formatCode=\"[h]:mm\"/>"
                           "</numFmts><cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/>"
                           "<xf numFmtId=\"170\"/><xf numFmtId=\"173\"/></cellXfs></styleSheet>"}}))
            << SheetRows{{"0", "0.3", "2023-04-18 00:00:00", "1900-03-01 00:00:00", "-3", "1.5",
                          "1900-01-01 12:00:00"}};
        QTest::newRow("1904 dates through a built-in date style")
            << xlsx(book(sheet("<row><c s=\"1\"><v>1.25</v></c><c s=\"0\"><v>1.25</v></c></row>"),
                         relationship("rId3", "styles", "styles.xml"),
                         {{"xl/workbook.xml", workbook(sheetEntry, "<workbookPr date1904=\"1\"/>")},
                          {"xl/styles.xml", "<styleSheet><cellStyleXfs><xf numFmtId=\"14\"/>"
                                            "</cellStyleXfs><cellXfs><xf numFmtId=\"0\"/><xf "
                                            "numFmtId=\"22\"/></cellXfs></styleSheet>"}}))
            << SheetRows{{"1904-01-02 06:00:00", "1.25"}};
        QTest::newRow("first worksheet follows the workbook order, not the part names")
            << xlsx(book(sheet("<row><c><v>1</v></c></row>"),
                         relationship("rId2", "worksheet", "/xl/worksheets/sheet2.xml") +
                             relationship("rId3", "chartsheet", "chartsheets/sheet1.xml"),
                         {{"xl/workbook.xml",
                           workbook("<sheet name=\"Chart\" sheetId=\"3\" r:id=\"rId3\"/>"
                                    "<sheet name=\"B\" sheetId=\"2\" r:id=\"rId2\"/>" +
                                    sheetEntry)},
                          {"xl/worksheets/sheet2.xml", sheet("<row><c><v>2</v></c></row>")}}))
            << SheetRows{{"2"}};
        QTest::newRow("empty sheet") << xlsx(book(sheet(""))) << SheetRows{};

        // Shared strings: "abc" in one record, then "wxyz" whose last two characters continue,
        // as 16-bit characters, in a CONTINUE record with its own flags byte; index 7 is
        // no string.
        QTest::newRow("xls shared strings across a CONTINUE")
            << xls(biff(record(0x00FC, le(2) + le(2) + text("abc") + le(quint16(4)) + '\0' + "wx") +
                            record(0x003C, '\1' + le(quint16('y')) + le(quint16(0x4E2D))),
                        record(0x00FD, cell(0, 0) + le(0)) + record(0x00FD, cell(0, 1) + le(1)) +
                            record(0x00FD, cell(0, 2) + le(7))))
            << SheetRows{{"abc", QStringLiteral("wxy中")}};
        QTest::newRow("xls numbers: double, RK integer, RK hundredths, MULRK")
            << xls(biff(formats, record(0x0203, cell(0, 0) + le(0.1 + 0.2)) +
                                     record(0x027E, cell(0, 1) + le(quint32(-5) << 2 | 2)) +
                                     record(0x027E, cell(0, 2) + le((1234 << 2) | 3)) +
                                     record(0x00BD, cell(1, 0) + le((7 << 2) | 2) + le(quint16(0)) +
                                                        le((8 << 2) | 2) + le(quint16(1)))))
            << SheetRows{{"0.3", "-5", "12.34"}, {"7", "8", ""}};
        QTest::newRow("xls date format, 1904 dates")
            << xls(biff(formats + record(0x0022, le(quint16(1))),
                        record(0x0203, cell(0, 0, 1) + le(1.5))))
            << SheetRows{{"1904-01-02 12:00:00"}};
        QTest::newRow("xls label, booleans, formula results")
            << xls(biff(formats,
                        record(0x0204, cell(0, 0) + text("Date&Time")) +
                            record(0x0205, cell(0, 1) + '\1' + '\0') +
                            record(0x0205, cell(0, 2) + '\7' + '\1') + // an error: no text
                            record(0x0006, cell(1, 0) + le(42.0) + QByteArray(6, '\0')) +
                            record(0x0006, cell(1, 1) + QByteArray("\0\0\0\0\0\0\xFF\xFF", 8) +
                                               QByteArray(6, '\0')) +
                            record(0x0207, text("from formula"))))
            << SheetRows{{"Date&Time", "TRUE"}, {"42", "from formula"}};
        QTest::newRow("xls stream of the older name in other case")
            << CompoundFileBuilder::build("BOOK", biff({}, record(0x0204, cell(0, 0) + text("a"))))
            << SheetRows{{"a"}};
        // A string table claiming four billion strings that holds none, a cell pointing far
        // beyond it, a text claiming 65535 characters ("ab" is one 16-bit character), a
        // record longer than the stream: read as far as the bytes go.
        QTest::newRow("xls string table claims more than it holds")
            << xls(biff(record(0x00FC, le(-1) + le(-1) + le(quint16(0xFFFF)) + '\1'),
                        record(0x00FD, cell(0, 0) + le(0xFFFFFFF0)) +
                            record(0x0204, cell(0, 1) + le(quint16(0xFFFF)) + '\1' + "ab")))
            << SheetRows{{QStringLiteral("扡")}};
        QTest::newRow("xls record longer than the stream")
            << xls(biff({}, QByteArray("\x03\x02\xFF\xFF\x01", 5))) << SheetRows{{"0"}};
    }
    void reads() {
        QFETCH(QByteArray, file);
        const QString path = dir.filePath(QStringLiteral("input.xlsx"));
        QVERIFY(writeBytes(path, file));
        const SheetReadResult result = readFirstWorksheet(path);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QTEST(result.rows, "rows");
    }

    // Files refused, and why: empty, no spreadsheet, damaged, hostile.
    void refuses_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty file") << QByteArray() << "The file is empty.";
        const QString notText = QStringLiteral("neither a spreadsheet nor a text table");
        QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20)
                                 << notText;
        QTest::newRow("invalid in UTF-8 and GB18030") << QByteArray("ab\xFF\xFF\xFF") << notText;

        // Garble the compressed sheet, just behind its local header.
        QByteArray flipped = readBytes(fixture(QStringLiteral("history-bmu-hv.xlsx")));
        const int sheetData = flipped.indexOf("xl/worksheets/sheet1.xml") + 100;
        QVERIFY(sheetData > 100 && flipped.size() > sheetData + 200);
        for (int i = sheetData; i < sheetData + 200; ++i)
            flipped[i] = char(flipped[i] ^ 0x5A);
        QTest::newRow("zip with garbled data") << flipped << "damaged";
        QTest::newRow("zip without a workbook")
            << xlsx({{"word/document.xml", "<w/>"}}) << "not a spreadsheet workbook";
        QTest::newRow("workbook without sheets")
            << xlsx(book(sheet(""), {}, {{"xl/workbook.xml", workbook("")}})) << "no worksheet";
        Parts noSheet = book(sheet(""));
        noSheet.remove("xl/worksheets/sheet1.xml");
        QTest::newRow("sheet part missing") << xlsx(noSheet) << "missing";
        QTest::newRow("broken sheet XML")
            << xlsx(book("<worksheet><sheetData><row><c>")) << "damaged";
        QTest::newRow("a cell at the far corner")
            << xlsx(book(sheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"1048576\">"
                               "<c r=\"XFD1048576\"><v>1</v></c></row>")))
            << "too large";

        // Workbooks of a few kilobytes: a cell value nested 100 000 elements deep (reading it
        // recursively overflowed the stack), texts beyond a cell's 32767 characters, one of
        // 60 MB, and more text in all than the reader takes.
        const QByteArray deep =
            QByteArray("<x>").repeated(100000) + "1" + QByteArray("</x>").repeated(100000);
        auto strings = [](const QByteArray& text, int count = 1) {
            return xlsx(sharedStringBook(("<si><t>" + text + "</t></si>").repeated(count)));
        };
        QTest::newRow("number nested 100 000 deep")
            << xlsx(book(sheet("<row><c><v>" + deep + "</v></c></row>")))
            << "more than 64 levels deep in xl/worksheets/sheet1.xml";
        QTest::newRow("inline text nested 100 000 deep")
            << xlsx(book(sheet("<row><c t=\"inlineStr\"><is><t>" + deep + "</t></is></c></row>")))
            << "levels deep";
        QTest::newRow("shared string nested 100 000 deep")
            << strings(deep) << "more than 64 levels deep in xl/sharedStrings.xml";
        QTest::newRow("a string of 32768 characters")
            << strings(QByteArray(32768, 'a'))
            << "longer than a cell can hold (32767 characters) in xl/sharedStrings.xml";
        QTest::newRow("rich text runs of 32768 characters together")
            << xlsx(book(sheet("<row><c t=\"inlineStr\"><is>" +
                               ("<r><t>" + QByteArray(16384, 'a') + "</t></r>").repeated(2) +
                               "</is></c></row>")))
            << "longer than a cell can hold";
        QTest::newRow("a string of 60 MB")
            << strings(QByteArray(60 << 20, 'a')) << "longer than a cell can hold";
        QTest::newRow("33 million characters in all")
            << strings(QByteArray(32000, 'a'), 1050)
            << "more text than the tool reads (32 million characters)";

        QTest::newRow("xls not BIFF8")
            << xls(record(0x0809, le(quint16(0x0500)) + le(quint16(5))) + eof) << "not a readable";
        QTest::newRow("xls without a sheet") << xls(bof(0x0005) + eof) << "no worksheet";
        const QByteArray sheetless = biff({}, {});
        QTest::newRow("xls sheet offset past the stream")
            << xls(sheetless.left(sheetless.indexOf(bof(0x0010)))) << "no worksheet";
        // Compound files: a stream of 5000 bytes in regular sectors, one of 1000 in the mini
        // stream, damaged. Sector numbers with the top bit set once turned negative and
        // passed the bounds checks; a name length far beyond its 64-byte field must not be
        // read beyond it.
        using namespace CompoundFileBuilder;
        const QByteArray regular = xls(QByteArray(5000, 'x'));
        const QByteArray mini = xls(QByteArray(1000, 'x'));
        auto changed = [](QByteArray file, int offset, quint32 value, int count = 1) {
            for (int i = 0; i < count; ++i)
                put32(file, offset + 4 * i, value);
            return file;
        };
        QTest::newRow("cut inside the stream") << regular.left(512 * 6) << "damaged";
        QTest::newRow("sector size 128") << changed(regular, 0x1C, 0x0007FFFF) << "damaged";
        QTest::newRow("directory name length 0xFFFF")
            << changed(regular, Directory + 128 + 64, 0xFFFF) << "no workbook";
        QTest::newRow("no workbook stream") << build("Contents", {}) << "no workbook";
        QTest::newRow("chain runs in a circle")
            << changed(regular, Fat + 4 * (FirstDataSector + 9), FirstDataSector) << "damaged";
        QTest::newRow("chain leaves the file")
            << changed(regular, Fat + 4 * FirstDataSector, 100000) << "damaged";
        QTest::newRow("chain entry 0x80000000")
            << changed(regular, Fat + 4 * FirstDataSector, 0x80000000) << "damaged";
        QTest::newRow("mini chain entry 0x80000000")
            << changed(mini, MiniFat, 0x80000000) << "damaged";
        QTest::newRow("mini chain runs in a circle")
            << changed(mini, MiniFat + 4 * 4, 0) << "damaged";
        QTest::newRow("stream start past the end")
            << changed(regular, Directory + 128 + 116, 70000) << "damaged";
        QTest::newRow("stream longer than its chain")
            << changed(regular, Directory + 128 + 120, 9000) << "damaged";
        QTest::newRow("DIFAT chain points at itself")
            << changed(changed(regular, 0x44, 2), MiniFat, 2, 128) << "damaged";
    }
    void refuses() {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        const QString path = dir.filePath(QStringLiteral("input.xlsx"));
        QVERIFY(writeBytes(path, file));
        const SheetReadResult result = readFirstWorksheet(path);
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        QCOMPARE(result.rows, SheetRows{});
    }

    // One row of each fixture, every row as wide; a twin saved by another program reads
    // the same. (The histories translated: tst_cli.)
    void fixtures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("twin");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("openpyxl, hex text keeps its blanks")
            << "history-bmu-hv.xlsx" << QString() << 21 << 1
            << QStringList{"2023-04-17 08:05:03", "00", "Power ON",
                           "01 01 03 0c 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "};
        QTest::newRow("openpyxl, date cells and number codes")
            << "history-bmu-lv-dates.xlsx" << QString() << 15 << 1
            << QStringList{"2023-04-17 08:05:03", "0", "Power ON",
                           "03 0c 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "};
        QTest::newRow("LibreOffice, shared strings and escaped date format")
            << "history-bmu-lv-dates-lo.xlsx"
            << "history-bmu-lv-dates.xlsx" << 15 << 14
            << QStringList{"2023-04-17 16:08:26", "200", "No Defined",
                           "01 02 03 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "};
        QTest::newRow("xlwt binary xls")
            << "history-bms.xls"
            << "history-bms-export.xls" << 17 << 2
            << QStringList{"2023-04-17 08:42:14", "02", "Events record",
                           "00 40 00 00 00 00 00 00 19 57 63 c9 14 be 14 9c ff 54 0d 46 0d 1f 18 "};
        QTest::newRow("LibreOffice xls, hex text cell")
            << "param-table-qpa-lo.xls"
            << "param-table-qpa.xlsx" << 90 << 88
            << QStringList{"G08",   "",      "Param 88", "3",     "unit0", "7",     "unit1",
                           "65535", "unit2", "0",        "unit3", "65535", "unit4", "00a5"};
    }
    void fixtures() {
        QFETCH(QString, file);
        QFETCH(QString, twin);
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        const SheetReadResult result = readFirstWorksheet(fixture(file));
        QVERIFY2(result.ok(), qPrintable(result.error));
        QTEST(result.rows.size(), "rowCount");
        QCOMPARE(result.rows.at(row), cells);
        for (const QStringList& line : result.rows)
            QCOMPARE(line.size(), cells.size());
        if (!twin.isEmpty())
            QCOMPARE(readFirstWorksheet(fixture(twin)).rows, result.rows);
    }

    // A saved log decoded in slices with progress. (Refusals and Cancel: tst_filewindow.)
    void translationInSlices() {
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        QVERIFY(writeBytes(
            path,
            "Date&Time\tCode\tDescription\tLog Data\t\n" +
                QByteArray("2023-04-17 08:05:03\t00\tPower ON\t03 0c 00 00\t\n").repeated(5000)));
        QVector<int> progress;
        const std::atomic<bool> cancelled{false};
        const TranslatedLog log =
            translateLogFile(path, LogUnit::Bmu, QLatin1String(LumenoLv), cancelled,
                             [&](int done, int) { progress << done; });
        QCOMPARE(log.outcome, TranslatedLog::Outcome::Done);
        QCOMPARE(log.rows.size(), 5000);
        QVERIFY(progress.size() > 1 && std::is_sorted(progress.cbegin(), progress.cend()));
        QCOMPARE(progress.last(), 5000);
    }
};

QTEST_GUILESS_MAIN(TestSheetFiles)
#include "tst_sheetfiles.moc"
