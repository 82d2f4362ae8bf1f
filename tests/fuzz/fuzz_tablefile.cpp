// Parameter-table files as loaded from the Data folder: three layers (Base64, hex text,
// table bytes with their CRC). Whatever the content, the CRC check decides, and a table
// that passes it is announced by a header carrying its own version bytes.

#include "fuzzinput.h"

#include "firmware/tablefile.h"
#include "firmware/transferheader.h"
#include "link/bytes.h"
#include "link/hexcommand.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const char* const batteryTypes[] = {"QPA", "QPB", "QPC", "ZRA/ZRA Mini", "ZRC", "ZRD"};
    const QString batteryType = takeKnownOrAny(input, batteryTypes);
    const QByteArray content = takeRest(input);

    const TableBlock block = decodeTableFile(content);
    FUZZ_REQUIRE(block.crcText.size() <= 4);
    tableCrcMatches(block);

    // What the tool writes, it reads back to the same bytes with a CRC that matches.
    const TableBlock again = decodeTableFile(encodeTableFile(block.tableData));
    FUZZ_REQUIRE(again.tableData == block.tableData && tableCrcMatches(again));

    const QString header = tableHeaderText(batteryType, block.tableData);
    FUZZ_REQUIRE(header.isEmpty() == !tableTypeCode(batteryType).has_value());
    if (!header.isEmpty()) {
        const QByteArray frame = hexToBytes(appendCrcHex(header));
        FUZZ_REQUIRE(frame.size() == 19);
        FUZZ_REQUIRE(byteAt(frame, 9) == byteAt(block.tableData, TableLayout::MainVersionOffset));
        FUZZ_REQUIRE(byteAt(frame, 10) == byteAt(block.tableData, TableLayout::SubVersionOffset));
    }
    return 0;
}
