#pragma once

#include "files/sheetrows.h"
#include "history/historyrecord.h"

#include <QStringList>

// A history table saved earlier and loaded back: one entry per row in each list.
struct SavedLog {
    QStringList dateTimes; // characters 0..9 the date, 10 a separator, 11..18 the time
    QStringList codes;     // event code as decimal text
    QStringList descriptions;
    QStringList logData; // data bytes as hex pairs separated by blanks
};

enum class LogUnit { None, Bmu, Bms };

// The saved log in the rows of a worksheet under its header row: date and time, code,
// description and data, the first four cells of each row. False when a row has fewer.
bool savedLogFromRows(const SheetRows& rows, SavedLog* log);

// The column names of the translation of a unit's log: date and time, code, description,
// then "Details" for the BMU, "Warning 1" onward for the BMS.
QStringList translationHeader(LogUnit unit);

// Decodes every saved row for the chosen unit and battery family. Row i of the result
// belongs to row i of the translation table: date and time, code, description, then
// the detail ("Details" for the BMU, "Warning 1" onward for the BMS). A BMU row of an
// unknown family, and every row when no unit is chosen, is an empty list: that table row
// is left unwritten.
TextRows translateSavedLog(const SavedLog& log, LogUnit unit, const QString& family);
