#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A worksheet as the import sees it: the used range, a list of rows of cell texts.
using SheetRows = QList<QStringList>;

// Result of reading a spreadsheet: the rows, or an error text for the user.
struct SheetReadResult {
    SheetRows rows;
    QString error;

    bool ok() const { return error.isEmpty(); }
    static SheetReadResult failure(const QString& text) { return {{}, text}; }
};

// Collects the non-empty cells of a sheet in any order and yields the used range: the
// smallest rectangle holding every non-empty cell, as a spreadsheet program reports it
// (it starts at the first used row and column, not necessarily at A1). Empty cells
// inside the rectangle come out as empty texts, so every row has the same length.
class UsedRangeBuilder {
public:
    // Largest rectangle accepted, in cells; a sheet claiming more is refused rather
    // than expanded into memory (a stray cell at XFD1048576 would otherwise ask for
    // seventeen billion texts).
    static constexpr qint64 maxCells = 4'000'000;

    void setCell(int row, int column, const QString& text);
    bool tooLarge() const;
    SheetRows rows() const;

private:
    struct Bounds {
        int top = -1, bottom = -1, left = -1, right = -1;
        bool empty() const { return top < 0; }
        qint64 area() const { return empty() ? 0 : qint64(bottom - top + 1) * (right - left + 1); }
    };
    Bounds bounds() const;

    QMap<int, QMap<int, QString>> cells; // row -> column -> non-empty text
    Bounds reach;                        // every cell ever set non-empty, kept cheaply
};
