#pragma once

// The parts of an xlsx package that the reader looks at, in a fixed order. A fuzz input
// holds their contents separated by the byte 0x1E, which XML text cannot contain; the
// seed generator writes the fixture workbooks in the same form.

#include <QByteArray>
#include <QList>

namespace XlsxParts {

inline const char* const names[] = {
    "[Content_Types].xml",        "_rels/.rels",          "xl/workbook.xml",
    "xl/_rels/workbook.xml.rels", "xl/sharedStrings.xml", "xl/styles.xml",
    "xl/worksheets/sheet1.xml",
};
constexpr int count = sizeof names / sizeof names[0];
constexpr char separator = '\x1E';

inline QList<QByteArray> split(const QByteArray& input) {
    return input.split(separator);
}

inline QByteArray join(const QList<QByteArray>& parts) {
    QByteArray input;
    for (int i = 0; i < parts.size(); ++i)
        input += (i ? QByteArray(1, separator) : QByteArray()) + parts[i];
    return input;
}

} // namespace XlsxParts
