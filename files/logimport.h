#pragma once

#include "history/logtranslation.h"

#include <atomic>
#include <functional>

// A saved log file decoded for the translation tab in one call, made to run on a worker
// thread: the first worksheet is read, the rows under its header taken as saved records
// (date and time, code, description, data bytes) and each decoded for the unit and battery
// family, as translateSavedLog() does.
struct TranslatedLog {
    enum class Outcome {
        Done,
        Unreadable,   // the file cannot be read as a sheet; error says why
        NotASavedLog, // empty, or a row with fewer than four cells
        Cancelled,
    };
    Outcome outcome = Outcome::Done;
    QString error;
    TextRows rows; // row i for saved row i
};

// `progress(done, total)` follows each slice of decoded rows; `cancel` is looked at before
// each slice.
TranslatedLog translateLogFile(const QString& path, LogUnit unit, const QString& family,
                               const std::atomic<bool>& cancel,
                               const std::function<void(int, int)>& progress);
