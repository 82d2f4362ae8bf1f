#include "files/sheetrows.h"

void UsedRangeBuilder::setCell(int row, int column, const QString& text) {
    if (row < 0 || column < 0)
        return;
    if (!text.isEmpty()) {
        cells[row][column] = text;
        if (reach.empty()) {
            reach = {row, row, column, column};
        } else {
            reach.top = qMin(reach.top, row);
            reach.bottom = qMax(reach.bottom, row);
            reach.left = qMin(reach.left, column);
            reach.right = qMax(reach.right, column);
        }
        return;
    }
    // A later empty value replaces an earlier one; an empty cell never widens the range.
    auto found = cells.find(row);
    if (found == cells.end())
        return;
    found->remove(column);
    if (found->isEmpty())
        cells.erase(found);
}

UsedRangeBuilder::Bounds UsedRangeBuilder::bounds() const {
    Bounds b;
    if (cells.isEmpty())
        return b;
    b.top = cells.firstKey();
    b.bottom = cells.lastKey();
    for (const QMap<int, QString>& row : cells) {
        b.left = b.left < 0 ? row.firstKey() : qMin(b.left, row.firstKey());
        b.right = qMax(b.right, row.lastKey());
    }
    return b;
}

bool UsedRangeBuilder::tooLarge() const {
    return reach.area() > maxCells;
}

SheetRows UsedRangeBuilder::rows() const {
    SheetRows result;
    const Bounds b = bounds();
    if (b.empty() || b.area() > maxCells)
        return result;
    for (int r = b.top; r <= b.bottom; ++r) {
        const QMap<int, QString> rowCells = cells.value(r);
        QStringList line;
        line.reserve(b.right - b.left + 1);
        for (int c = b.left; c <= b.right; ++c)
            line << rowCells.value(c);
        result << line;
    }
    return result;
}
