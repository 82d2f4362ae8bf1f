#include "files/spreadsheetreader.h"

#include "files/delimitedtextreader.h"
#include "files/xlssheetreader.h"
#include "files/xlsxsheetreader.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// Text tables beyond this size are not history or parameter sheets.
constexpr qint64 maxTextSize = 64 * 1024 * 1024;

} // namespace

SheetFormat sniffSheetFormat(const QByteArray& head) {
    if (head.isEmpty())
        return SheetFormat::Empty;
    if (head.startsWith("PK\x03\x04"))
        return SheetFormat::Xlsx;
    if (head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return SheetFormat::Xls;
    return SheetFormat::Text;
}

SheetReadResult readFirstWorksheet(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SheetReadResult::failure(
            QCoreApplication::translate("Files", "The file cannot be opened: %1")
                .arg(file.errorString()));
    switch (sniffSheetFormat(file.peek(8))) {
    case SheetFormat::Empty:
        return SheetReadResult::failure(QCoreApplication::translate("Files", "The file is empty."));
    case SheetFormat::Xlsx:
        file.close();
        return readXlsxFirstSheet(path);
    case SheetFormat::Xls:
        file.close();
        return readXlsFirstSheet(path);
    case SheetFormat::Text:
        break;
    }
    if (file.size() > maxTextSize)
        return SheetReadResult::failure(
            QCoreApplication::translate("Files", "The table is too large to read."));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return SheetReadResult::failure(
            QCoreApplication::translate("Files", "The file cannot be read: %1")
                .arg(file.errorString()));
    return readDelimitedText(bytes);
}
