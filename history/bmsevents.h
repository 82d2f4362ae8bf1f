#pragma once

#include "history/codetables.h"
#include "history/historyrecord.h"

// Warning texts of the BMS level-2 and level-3 warning words, as the live log names them.
extern const BitTexts bmsWarningBits;
// Texts of the BMS fault word.
extern const BitTexts bmsFaultBits;

struct BmsBlockRows {
    TextRows history; // 20 rows: time stamp, code column, description, data bytes as hex
    TextRows events;  // time stamp, level, details: one row per non-zero word of code 2
};

// Rows of a BMS log block. An "Events record" (code 2) carries three little-endian words
// at record bytes 9..14: level-2 warnings, level-3 warnings and faults; each non-zero
// word becomes an Events row, in record order and, within a record, in that order.
BmsBlockRows decodeBmsBlock(const QByteArray& block);
