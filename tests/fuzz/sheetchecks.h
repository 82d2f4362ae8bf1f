#pragma once

#include "fuzzinput.h"

#include "files/sheetrows.h"

// What every read of a sheet promises: either rows or an error text, and the rows a
// rectangle (every row as long as the first) within the size the readers accept.
inline void checkSheet(const SheetReadResult& result) {
    if (!result.ok()) {
        FUZZ_REQUIRE(result.rows.isEmpty());
        return;
    }
    const int width = result.rows.isEmpty() ? 0 : result.rows.first().size();
    FUZZ_REQUIRE(qint64(width) * result.rows.size() <= UsedRangeBuilder::maxCells);
    for (const QStringList& row : result.rows)
        FUZZ_REQUIRE(row.size() == width);
}
