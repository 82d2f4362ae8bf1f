#pragma once

#include <QString>

#include <array>
#include <cstddef>

// Code tables of the log decoders. Each table is data: {code, text} rows in one array,
// looked up in one place, so that a missing or misspelt entry shows at a glance. The texts
// are marked with QT_TRANSLATE_NOOP("History", ...) and translated where they are shown.

// `text` (UTF-8) in the interface language: the "History" context of the catalogue. An
// empty text stays empty.
QString historyText(const char* text);

struct CodeText {
    int code;
    const char* text; // UTF-8
};

// Sixteen texts of a bit word, bit 0 (least significant) first; an empty text means
// the bit has no text.
using BitTexts = std::array<const char*, 16>;

// The text of `code` in `table`, or nullptr when the table has no row for it.
template <std::size_t N> const char* findCodeText(const CodeText (&table)[N], int code) {
    for (const CodeText& row : table)
        if (row.code == code)
            return row.text;
    return nullptr;
}

// The text of `code` in `table`, or `fallback` when the table has no row for it.
template <std::size_t N>
QString codeText(const CodeText (&table)[N], int code, const char* fallback) {
    const char* text = findCodeText(table, code);
    return historyText(text ? text : fallback);
}

// The translated texts of the set bits of `word`, joined in bit order (bit 0 first) without
// separators.
QString joinSetBits(quint16 word, const BitTexts& texts);
