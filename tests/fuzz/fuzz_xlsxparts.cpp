// The XML inside an xlsx package: relationships, workbook, shared strings, styles and the
// sheet, packed into a well-formed zip so that every input reaches the XML readers.

#include "scratchfile.h"
#include "sheetchecks.h"
#include "xlsxparts.h"

#include "files/spreadsheetreader.h"

#include <zip.h>

namespace {

bool writePackage(const QString& path, const QList<QByteArray>& parts) {
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (int i = 0; i < parts.size() && i < XlsxParts::count && ok; ++i) {
        ok = zipOpenNewFileInZip64(zip, XlsxParts::names[i], nullptr, nullptr, 0, nullptr, 0,
                                   nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0) == ZIP_OK &&
             zipWriteInFileInZip(zip, parts[i].constData(), unsigned(parts[i].size())) == ZIP_OK &&
             zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    const QString path = scratchPath(QStringLiteral("book.xlsx"));
    QFile::remove(path);
    if (!writePackage(path, XlsxParts::split(input)))
        return 0;
    checkSheet(readFirstWorksheet(path));
    return 0;
}
