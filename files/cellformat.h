#pragma once

#include <QString>

// Cell values of spreadsheet files turned into the texts a spreadsheet program shows.

// A number in the "General" format: integers without decimals, other values with at most
// fifteen significant digits (the precision spreadsheet programs keep), so that 0.1 + 0.2
// reads "0.3" and 65535 reads "65535".
QString generalNumberText(double value);

// A date serial number (days since the epoch of the workbook, the fraction being the time
// of day) as "yyyy-MM-dd hh:mm:ss", rounded to the second. The 1900 system counts the
// non-existent 1900-02-29 as day 60, so serials from 61 on are days since 1899-12-30;
// the 1904 system counts days since 1904-01-01. Negative or absurd serials (beyond the
// year 9999) give the number itself.
QString serialDateTimeText(double serial, bool epoch1904);

// True when the number format shows a date or time: one of the built-in date formats by
// id, or a format code with date or time letters outside quoted text, escapes and
// bracketed colour or condition sections.
bool isDateFormat(int numFmtId, const QString& formatCode);
