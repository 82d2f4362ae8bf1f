// Translation from file: the rows of a saved history sheet (date, code, description, log
// data) decoded for each unit and family, one result row per sheet row.

#include "sheetchecks.h"

#include "files/delimitedtextreader.h"
#include "history/batteryfamily.h"
#include "history/logtranslation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const char* const families[] = {LumenoHv, LumenoLv};
    const QString family = takeKnownOrAny(input, families);
    const SheetReadResult sheet = readDelimitedText(takeRest(input));
    checkSheet(sheet);

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
    return 0;
}
