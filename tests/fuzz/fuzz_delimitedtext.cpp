// Text tables as the translation and the table packaging import them: UTF-8, UTF-16 or
// GB2312 bytes, tab- or comma-separated, quoted or not. The tool's own export of plain
// texts must read back as the same cells.

#include "sheetchecks.h"

#include "files/delimitedtextreader.h"
#include "files/tableexport.h"

namespace {

// Texts the export writes unchanged and the import gives back: printable ASCII without
// the separators and quotes that the tab-separated form does not escape.
bool exportsPlainly(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E || c == QLatin1Char('"'))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const SheetReadResult result = readDelimitedText(bytes);
    checkSheet(result);

    // A table of plain texts, framed by a non-empty first row and first column so that
    // the used range read back starts where the export started.
    if (!result.ok() || result.rows.isEmpty())
        return 0;
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
    SheetRows expected{table.header};
    expected += table.rows;
    const int width = back.rows.isEmpty() ? 0 : back.rows.first().size();
    FUZZ_REQUIRE(back.rows.size() == expected.size() && width == table.header.size());
    for (int r = 0; r < expected.size(); ++r)
        for (int c = 0; c < width; ++c)
            FUZZ_REQUIRE(back.rows[r][c] == expected[r].value(c));
    return 0;
}
