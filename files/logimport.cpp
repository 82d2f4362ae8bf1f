#include "files/logimport.h"

#include "files/spreadsheetreader.h"
#include "history/logtranslation.h"

namespace {

// Rows decoded between two looks at `cancel`: a few milliseconds of work.
constexpr int sliceRows = 2000;

SavedLog sliceOf(const SavedLog& log, int first, int count) {
    return {log.dateTimes.mid(first, count), log.codes.mid(first, count),
            log.descriptions.mid(first, count), log.logData.mid(first, count)};
}

} // namespace

TranslatedLog translateLogFile(const QString& path, LogUnit unit, const QString& family,
                               const std::atomic<bool>& cancel,
                               const std::function<void(int, int)>& progress) {
    TranslatedLog result;
    SavedLog log;
    {
        const SheetReadResult sheet = readFirstWorksheet(path);
        if (!sheet.ok()) {
            result.outcome = TranslatedLog::Outcome::Unreadable;
            result.error = sheet.error;
            return result;
        }
        if (sheet.rows.isEmpty() || !savedLogFromRows(sheet.rows, &log)) {
            result.outcome = TranslatedLog::Outcome::NotASavedLog;
            return result;
        }
    }
    const int total = log.dateTimes.size();
    result.rows.reserve(total);
    for (int first = 0; first < total; first += sliceRows) {
        if (cancel) {
            result.outcome = TranslatedLog::Outcome::Cancelled;
            result.rows.clear();
            return result;
        }
        result.rows += translateSavedLog(sliceOf(log, first, sliceRows), unit, family);
        progress(result.rows.size(), total);
    }
    return result;
}
