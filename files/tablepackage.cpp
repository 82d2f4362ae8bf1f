#include "files/tablepackage.h"

#include "firmware/tablefile.h"

#include <array>
#include <cctype>

#include <QCoreApplication>

namespace {

constexpr std::array<int, 6> valueColumns{3, 5, 7, 9, 11, 13};

// The main and sub version sit in the first two value columns of the last table row.
constexpr int mainVersionColumn = 3;
constexpr int subVersionColumn = 5;

struct TypeCode {
    const char* type;
    int code;
};
constexpr TypeCode typeCodes[] = {
    {"ZRC", 0}, {"QPC", 0}, {"ZRDX", 1}, {"QPB", 1}, {"ZRA", 2}, {"QPA", 2},
};

TablePackage failure(const QString& text) {
    TablePackage package;
    package.error = text;
    return package;
}

// Spreadsheet row and column names for messages, counted from the top-left of the table.
QString cellName(int row, int column) {
    return QStringLiteral("%1%2").arg(QChar('A' + column)).arg(row + 1);
}

bool isHexDigits(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0x7F || !std::isxdigit(c.unicode()))
            return false;
    }
    return !text.isEmpty();
}

// The type code of a text of the packaging list, -1 for any other text.
int packagingTypeCode(const QString& batteryType) {
    for (const TypeCode& entry : typeCodes) {
        if (batteryType == QLatin1String(entry.type))
            return entry.code;
    }
    return -1;
}

} // namespace

QStringList packagingBatteryTypes() {
    QStringList types;
    for (const TypeCode& entry : typeCodes)
        types << QLatin1String(entry.type);
    return types;
}

TablePackage packageParameterTable(const SheetRows& rows, const QString& batteryType) {
    const int typeCode = packagingTypeCode(batteryType);
    if (typeCode < 0)
        return failure(
            QCoreApplication::translate("Files", "Unknown battery type \"%1\".").arg(batteryType));
    if (rows.isEmpty())
        return failure(QCoreApplication::translate("Files", "The sheet is empty."));
    if (rows.size() != tableRowCount + 1)
        return failure(QCoreApplication::translate(
                           "Files", "The sheet holds %1 rows; a parameter table needs %2 "
                                    "table rows and a closing row (%3 table bytes).")
                           .arg(rows.size())
                           .arg(tableRowCount)
                           .arg(tableByteCount));

    QByteArray table;
    table.reserve(tableByteCount);
    const int lastRow = tableRowCount - 1;
    for (int r = 0; r <= lastRow; ++r) {
        for (int c : valueColumns) {
            const QString text = rows.at(r).value(c).trimmed();
            quint16 word = 0;
            if (r == lastRow && c == valueColumns.back()) {
                // Already hex digits in the sheet; a number cell may have lost its zeros.
                if (!isHexDigits(text) || text.size() > 4)
                    return failure(QCoreApplication::translate(
                                       "Files", "Cell %1 must hold up to four hex digits, "
                                                "not \"%2\".")
                                       .arg(cellName(r, c), text));
                word = text.toUShort(nullptr, 16);
            } else {
                bool isNumber = false;
                const qint64 value = text.toLongLong(&isNumber);
                if (isNumber && (value < -32768 || value > 65535))
                    return failure(QCoreApplication::translate(
                                       "Files", "Cell %1 holds %2, outside -32768..65535.")
                                       .arg(cellName(r, c), text));
                // Text that is not a number counts as 0; negatives as two's complement.
                word = isNumber ? quint16(value) : 0;
            }
            // Values are stored high byte first.
            table.append(char(word >> 8)).append(char(word & 0xFF));
        }
    }

    bool mainOk = false;
    bool subOk = false;
    const QStringList& versionRow = rows.at(lastRow);
    const int main = versionRow.value(mainVersionColumn).trimmed().toInt(&mainOk);
    const int sub = versionRow.value(subVersionColumn).trimmed().toInt(&subOk);
    if (!mainOk || !subOk || main < 0 || main > 255 || sub < 0 || sub > 255)
        return failure(
            QCoreApplication::translate("Files", "The table version in cells %1 and %2 must be two "
                                                 "numbers from 0 to 255.")
                .arg(cellName(lastRow, mainVersionColumn), cellName(lastRow, subVersionColumn)));

    TablePackage package;
    package.content = encodeTableFile(table);
    package.hexText = QString::fromLatin1(QByteArray::fromBase64(package.content));
    package.fileName = QStringLiteral("%1-TAB-%2-%3.%4.bin")
                           .arg(batteryType.left(3))
                           .arg(typeCode)
                           .arg(main)
                           .arg(sub);
    return package;
}
