// Files chosen for the translation from file or the table packaging: text tables, xlsx
// and xls workbooks, and parameter-table sheets packed into table files.

#include "fuzzharness.h"

#include "files/compoundfilebuilder.h"
#include "files/delimitedtextreader.h"
#include "files/spreadsheetreader.h"
#include "files/tableexport.h"
#include "files/tablepackage.h"
#include "files/workbookbuilder.h"
#include "firmware/tablefile.h"

namespace {

// Texts the export writes unchanged and the import gives back: printable ASCII without
// the quotes that the tab-separated form does not escape.
bool exportsPlainly(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E || c == QLatin1Char('"'))
            return false;
    return true;
}

} // namespace

// UTF-8, UTF-16 or GB2312 bytes, tab- or comma-separated, quoted or not. The tool's own
// export of plain texts reads back as the same cells.
FUZZ_SURFACE(delimitedtext) {
    const SheetReadResult result = readDelimitedText(bytes);
    checkSheet(result);
    if (!result.ok() || result.rows.isEmpty())
        return;
    // Framed by a non-empty first row and column, so that the used range read back starts
    // where the export started.
    ExportTable table;
    for (const QStringList& row : result.rows) {
        QStringList cells{QStringLiteral("row")};
        for (const QString& cell : row)
            cells << (exportsPlainly(cell) ? cell : QString());
        table.rows << cells;
    }
    for (int c = 0; c <= result.rows.first().size(); ++c)
        table.header << QStringLiteral("h%1").arg(c);
    const SheetReadResult back = readDelimitedText(tabSeparatedGb2312(table));
    FUZZ_REQUIRE(back.ok());
    const SheetRows expected = SheetRows{table.header} + table.rows;
    const int width = back.rows.isEmpty() ? 0 : back.rows.first().size();
    FUZZ_REQUIRE(back.rows.size() == expected.size() && width == table.header.size());
    for (int r = 0; r < expected.size(); ++r)
        for (int c = 0; c < width; ++c)
            FUZZ_REQUIRE(back.rows[r][c] == expected[r].value(c));
}

// Any file: the reader tells xlsx, xls and text apart by content.
FUZZ_SURFACE(spreadsheetfile) {
    checkSheet(readFirstWorksheet(writeScratchFile(QStringLiteral("sheet.xls"), bytes)));
}

// The XML parts of an xlsx package (see xlsxPartNames) in a well-formed zip, so that every
// input reaches the XML readers.
FUZZ_SURFACE(xlsxparts) {
    const QList<QByteArray> contents = bytes.split(xlsxPartSeparator);
    Parts parts;
    for (int i = 0; i < contents.size() && i < int(std::size(xlsxPartNames)); ++i)
        parts[QLatin1String(xlsxPartNames[i])] = contents[i];
    const QString path = writeScratchFile(QStringLiteral("book.xlsx"), {});
    if (WorkbookBuilder::writeZip(path, parts))
        checkSheet(readFirstWorksheet(path));
}

// The BIFF8 records of an Excel 97-2003 workbook as the "Workbook" stream of a
// well-formed compound file, so that every input reaches the record readers.
FUZZ_SURFACE(xlsworkbook) {
    if (bytes.isEmpty())
        return;
    const QByteArray file = CompoundFileBuilder::build(QStringLiteral("Workbook"), bytes);
    checkSheet(readFirstWorksheet(writeScratchFile(QStringLiteral("book.xls"), file)));
}

// Any sheet gives an error text or a file whose table block passes its CRC and whose name
// states the table's version.
FUZZ_SURFACE(tablepackage) {
    const char* const batteryTypes[] = {"QPA", "QPB", "QPC", "ZRA", "ZRC", "ZRDX"};
    const QString batteryType = takeKnownOrAny(input, batteryTypes);
    const SheetReadResult sheet = readDelimitedText(takeRest(input));
    const TablePackage package = packageParameterTable(sheet.rows, batteryType);
    if (!package.ok()) {
        FUZZ_REQUIRE(package.content.isEmpty() && package.fileName.isEmpty());
        return;
    }
    const TableBlock block = decodeTableFile(package.content);
    FUZZ_REQUIRE(block.tableData.size() == tableByteCount && tableCrcMatches(block));
    const QString version = QStringLiteral("%1.%2")
                                .arg(byteAt(block.tableData, 1057))
                                .arg(byteAt(block.tableData, 1059));
    FUZZ_REQUIRE(package.fileName.endsWith(QLatin1Char('-') + version + QLatin1String(".bin")));
    // The table scan finds the file it made for the same battery type.
    const TableScan scan =
        scanTableFileNames({package.fileName}, batteryType, QStringLiteral("V0.0"));
    FUZZ_REQUIRE(scan.shownVersion == QLatin1Char('V') + version);
}
