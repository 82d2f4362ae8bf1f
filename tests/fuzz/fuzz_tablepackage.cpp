// A parameter-table sheet packed into a table file: any sheet gives either an error text
// or a file whose table block passes its CRC and whose name states the table's version.

#include "sheetchecks.h"

#include "files/delimitedtextreader.h"
#include "files/tablepackage.h"
#include "firmware/tablefile.h"
#include "link/bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const char* const batteryTypes[] = {"QPA", "QPB", "QPC", "ZRA", "ZRC", "ZRDX"};
    const QString batteryType = takeKnownOrAny(input, batteryTypes);
    const SheetReadResult sheet = readDelimitedText(takeRest(input));
    checkSheet(sheet);

    const TablePackage package = packageParameterTable(sheet.rows, batteryType);
    if (!package.ok()) {
        FUZZ_REQUIRE(package.content.isEmpty() && package.fileName.isEmpty());
        return 0;
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
    return 0;
}
