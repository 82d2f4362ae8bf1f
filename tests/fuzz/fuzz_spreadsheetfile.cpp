// Any file chosen for the translation from file or the table packaging: the reader tells
// xlsx, xls and text apart by content and must answer with rows or an error text.

#include "scratchfile.h"
#include "sheetchecks.h"

#include "files/spreadsheetreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    checkSheet(readFirstWorksheet(writeScratchFile(QStringLiteral("sheet.xls"), bytes)));
    return 0;
}
