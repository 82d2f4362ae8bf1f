// The BIFF8 records of an Excel 97-2003 workbook: any bytes as the "Workbook" stream of a
// well-formed compound file, so that every input reaches the record readers.

#include "files/compoundfilebuilder.h"
#include "scratchfile.h"
#include "sheetchecks.h"

#include "files/spreadsheetreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray stream(reinterpret_cast<const char*>(data), int(size));
    if (stream.isEmpty())
        return 0;
    const QByteArray file = CompoundFileBuilder::build(QStringLiteral("Workbook"), stream);
    checkSheet(readFirstWorksheet(writeScratchFile(QStringLiteral("book.xls"), file)));
    return 0;
}
