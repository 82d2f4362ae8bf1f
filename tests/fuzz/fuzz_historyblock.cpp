// History blocks as the five history pages deliver them: 600 bytes, or fewer or more when
// a page went astray, decoded as a BMU log (for any serial number) and as a BMS log.

#include "fuzzinput.h"

#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "link/bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const char* const serials[] = {"P03E01234567890123", "P02A0000000000001", "E0P3X"};
    const QString serial = takeKnownOrAny(input, serials);
    const QByteArray block = takeRest(input);

    const TextRows bmuRows = decodeBmuBlock(block, serial);
    FUZZ_REQUIRE(bmuRows.size() == LogRecord::PerBlock);
    for (const QStringList& row : bmuRows) {
        FUZZ_REQUIRE(row.size() == 4);
        FUZZ_REQUIRE(row[3].size() == LogRecord::DataSize * 3); // "hh " per data byte
    }

    const BmsBlockRows bms = decodeBmsBlock(block);
    FUZZ_REQUIRE(bms.history.size() == LogRecord::PerBlock);
    // At most three warning words per record, each an Events row of its own.
    FUZZ_REQUIRE(bms.events.size() <= 3 * LogRecord::PerBlock);
    for (const QStringList& row : bms.history)
        FUZZ_REQUIRE(row.size() == 4);
    for (const QStringList& row : bms.events)
        FUZZ_REQUIRE(row.size() == 3 && !row[2].isEmpty());
    return 0;
}
