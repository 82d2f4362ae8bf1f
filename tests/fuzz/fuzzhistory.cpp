// History blocks, single records and saved logs translated from file.

#include "fuzzharness.h"

#include "files/delimitedtextreader.h"
#include "history/batteryfamily.h"
#include "history/bmsdetail.h"
#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "history/hvbmudetail.h"
#include "history/logtranslation.h"
#include "history/lvbmudetail.h"

namespace {
const char* const families[] = {LumenoHv, LumenoLv};
}

// 600 bytes as the five history pages deliver them, or fewer or more when a page went
// astray, decoded as a BMU log (for any serial number) and as a BMS log.
FUZZ_SURFACE(historyblock) {
    const char* const serials[] = {"P03E01234567890123", "P02A0000000000001", "E0P3X"};
    const QString serial = takeKnownOrAny(input, serials);
    const QByteArray block = takeRest(input);

    const TextRows bmuRows = decodeBmuBlock(block, serial);
    FUZZ_REQUIRE(bmuRows.size() == LogRecord::PerBlock);
    for (const QStringList& row : bmuRows)
        FUZZ_REQUIRE(row.size() == 4);

    const BmsBlockRows bms = decodeBmsBlock(block);
    FUZZ_REQUIRE(bms.history.size() == LogRecord::PerBlock);
    // At most three warning words per record, each an Events row of its own.
    FUZZ_REQUIRE(bms.events.size() <= 3 * LogRecord::PerBlock);
    for (const QStringList& row : bms.history)
        FUZZ_REQUIRE(row.size() == 4);
    for (const QStringList& row : bms.events)
        FUZZ_REQUIRE(row.size() == 3 && !row[2].isEmpty());
}

// One record of either unit and family from its code and any number of data bytes: bytes
// past the record's 23 never change a text; states, warning and fault words always read as
// a text ("None" for a zero word). Codes beyond one byte come from saved logs, whose code
// column is any number.
FUZZ_SURFACE(record) {
    const int code =
        input.ConsumeBool() ? input.ConsumeIntegral<quint8>() : input.ConsumeIntegral<int>();
    const QString family = takeKnownOrAny(input, families);
    const int state = input.ConsumeIntegral<int>();
    const quint8 switches = input.ConsumeIntegral<quint8>();
    const QByteArray data = takeRest(input);

    const QString hv = hvBmuDetail(code, data);
    const QString lv = lvBmuDetail(code, data);
    const QStringList bms = bmsDetailTexts(code, data, family);
    if (data.isEmpty())
        FUZZ_REQUIRE(hv.isEmpty() && lv.isEmpty());
    if (data.size() > 23) {
        FUZZ_REQUIRE(hvBmuDetail(code, data.left(23)) == hv);
        FUZZ_REQUIRE(lvBmuDetail(code, data.left(23)) == lv);
        FUZZ_REQUIRE(bmsDetailTexts(code, data.left(23), family) == bms);
    }
    lvBmuSnapshot(data);
    const BmsWarningTexts w = bmsWarningTexts(data);
    for (const QString& text :
         {hvSystemStatus(state), hvStateLeading(state), hvStateTrailing(state), w.warning1,
          w.warning2, w.warning3, w.fault})
        FUZZ_REQUIRE(!text.isEmpty());
    bmsSwitchText(switches, family);
    FUZZ_REQUIRE(bmsBatteryState(switches).isEmpty() == (switches > 2));
}

// The rows of a saved history sheet (date, code, description, log data) decoded for each
// unit and family, one result row per sheet row.
FUZZ_SURFACE(logtranslation) {
    const QString family = takeKnownOrAny(input, families);
    const SheetReadResult sheet = readDelimitedText(takeRest(input));
    SavedLog log;
    for (const QStringList& row : sheet.rows) {
        log.dateTimes << row.value(0);
        log.codes << row.value(1);
        log.descriptions << row.value(2);
        log.logData << row.value(3);
    }
    for (LogUnit unit : {LogUnit::None, LogUnit::Bmu, LogUnit::Bms}) {
        const TextRows rows = translateSavedLog(log, unit, family);
        FUZZ_REQUIRE(rows.size() == log.dateTimes.size());
        for (int i = 0; i < rows.size(); ++i) {
            if (rows[i].isEmpty())
                continue;
            FUZZ_REQUIRE(rows[i].size() >= 3); // a BMS code without details adds no column
            FUZZ_REQUIRE(rows[i][1] == log.codes[i] && rows[i][2] == log.descriptions[i]);
        }
    }
}
