#include "files/xlssheetreader.h"

#include "files/cellformat.h"

#include <freexl.h>

#include <QFile>

namespace {

// Closes the FreeXL handle on every way out.
class XlsHandle {
public:
    XlsHandle() = default;
    XlsHandle(const XlsHandle&) = delete;
    XlsHandle& operator=(const XlsHandle&) = delete;
    ~XlsHandle() {
        if (handle)
            freexl_close(handle);
    }
    const void** slot() { return &handle; }
    const void* get() const { return handle; }

private:
    const void* handle = nullptr;
};

QString cellText(const FreeXL_CellValue& cell) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return QString::number(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return generalNumberText(cell.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return cell.value.text_value ? QString::fromUtf8(cell.value.text_value) : QString();
    case FREEXL_CELL_DATE: // "yyyy-mm-dd": a date cell is midnight of that day
        return cell.value.text_value
                   ? QString::fromUtf8(cell.value.text_value) + QStringLiteral(" 00:00:00")
                   : QString();
    default:
        return {};
    }
}

} // namespace

SheetReadResult readXlsFirstSheet(const QString& path) {
    XlsHandle xls;
    const QByteArray nativePath = QFile::encodeName(path);
    if (freexl_open(nativePath.constData(), xls.slot()) != FREEXL_OK || !xls.get())
        return SheetReadResult::failure(
            QStringLiteral("The file is not a readable Excel 97-2003 workbook."));
    if (freexl_select_active_worksheet(xls.get(), 0) != FREEXL_OK)
        return SheetReadResult::failure(QStringLiteral("The workbook has no worksheet."));
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_worksheet_dimensions(xls.get(), &rows, &columns) != FREEXL_OK)
        return SheetReadResult::failure(QStringLiteral("The workbook has no worksheet."));

    UsedRangeBuilder range;
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(xls.get(), r, c, &cell) != FREEXL_OK)
                continue;
            range.setCell(int(r), int(c), cellText(cell));
        }
        if (range.tooLarge())
            return SheetReadResult::failure(QStringLiteral("The worksheet is too large to read."));
    }
    return {range.rows(), {}};
}
