// Packaging a parameter-table sheet into a table file.
#include "filefixture.h"

#include "files/spreadsheetreader.h"
#include "files/tablepackage.h"
#include "firmware/tablefile.h"
#include "link/bytes.h"
#include "link/crc.h"

namespace {

// A sheet of 89 table rows and a closing row, every value 0, version 3.7, hex "00a5";
// with `value` in one cell.
SheetRows tableSheet(int row = 0, int column = 0, const QString& value = QString()) {
    SheetRows rows;
    for (int r = 0; r < tableRowCount; ++r) {
        QStringList cells{"G", "", QStringLiteral("Param %1").arg(r)};
        for (int v = 0; v < 11; ++v)
            cells << (v % 2 ? QStringLiteral("unit") : QStringLiteral("0"));
        rows << cells;
    }
    rows.last()[3] = QStringLiteral("3");
    rows.last()[5] = QStringLiteral("7");
    rows.last()[13] = QStringLiteral("00a5");
    rows << QStringList{"End of table"};
    if (column > 0)
        rows[row][column] = value;
    return rows;
}

} // namespace

class TestTablePackage : public QObject {
    Q_OBJECT

private slots:
    // The 16-bit word a value cell becomes, as the table update loads it from the file.
    void values_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("word");
        QTest::newRow("-1") << 0 << 3 << "-1" << 0xFFFF;
        QTest::newRow("300") << 0 << 5 << "300" << 0x012C;
        QTest::newRow("lowest") << 5 << 13 << "-32768" << 0x8000;
        QTest::newRow("highest") << 88 << 11 << "65535" << 0xFFFF;
        QTest::newRow("blanks around") << 1 << 3 << " 12 " << 12;
        QTest::newRow("text counts as 0") << 0 << 7 << "n/a" << 0;
        QTest::newRow("empty counts as 0") << 0 << 9 << "" << 0;
        QTest::newRow("last value is hex") << 88 << 13 << "BEEF" << 0xBEEF;
        QTest::newRow("last value that lost its zeros") << 88 << 13 << "165" << 0x0165;
    }

    void values() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(int, word);
        const TablePackage package =
            packageParameterTable(tableSheet(row, column, cell), QStringLiteral("QPA"));
        QVERIFY2(package.ok(), qPrintable(package.error));
        const TableBlock block = decodeTableFile(package.content);
        QVERIFY(tableCrcMatches(block));
        QCOMPARE(block.tableData.size(), tableByteCount);
        // Six words of two bytes a row, the values in every other column from column 3.
        QCOMPARE(int(wordBE(block.tableData, row * 12 + column - 3)), word);
    }

    void fixtureTable_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("openpyxl xlsx") << "param-table-qpa.xlsx";
        QTest::newRow("LibreOffice xls") << "param-table-qpa-lo.xls";
    }

    void fixtureTable() {
        QFETCH(QString, file);
        const SheetReadResult sheet = readFirstWorksheet(fixture(file));
        QVERIFY2(sheet.ok(), qPrintable(sheet.error));
        const TablePackage package = packageParameterTable(sheet.rows, QStringLiteral("QPA"));
        QVERIFY2(package.ok(), qPrintable(package.error));
        QCOMPARE(package.fileName, QStringLiteral("QPA-TAB-2-3.7.bin"));

        // First row: 65535, 2287, -1, 0, 2996, 300.
        QVERIFY(package.hexText.startsWith(QStringLiteral("ffff 08ef ffff 0000 0bb4 012c ")));
        // The hex text ends in the last value taken as it stands, then the CRC without a blank.
        QCOMPARE(package.hexText.size(), tableByteCount / 2 * 5 + 4);
        QCOMPARE(package.hexText.mid(package.hexText.size() - 9, 5), QStringLiteral("00a5 "));
        QVERIFY(!package.content.contains('\n'));

        // The layers undone by hand: Base64, then hex text, then the CRC (low byte first).
        const QByteArray bytes = QByteArray::fromHex(QByteArray::fromBase64(package.content));
        const QByteArray table = bytes.left(tableByteCount);
        QCOMPARE(bytes.size(), tableByteCount + 2);
        QCOMPARE(QString::fromLatin1(bytes.right(2).toHex().toUpper()),
                 crcText(modbusCrc16(table)));
        QCOMPARE(package.hexText.right(4), crcText(modbusCrc16(table)));
        QCOMPARE(byteAt(table, 1057), quint8(3)); // main version
        QCOMPARE(byteAt(table, 1059), quint8(7)); // sub version
        QCOMPARE(wordBE(table, 1066), quint16(0x00A5));

        // What the table update loads from the file.
        const TableBlock block = decodeTableFile(package.content);
        QVERIFY(tableCrcMatches(block));
        QCOMPARE(block.tableData, table);
    }

    void fileNames() {
        const QStringList types{"ZRC", "ZRDX", "ZRA", "QPC", "QPB", "QPA"};
        const QStringList names{"ZRC-TAB-0-3.7.bin", "ZRD-TAB-1-3.7.bin", "ZRA-TAB-2-3.7.bin",
                                "QPC-TAB-0-3.7.bin", "QPB-TAB-1-3.7.bin", "QPA-TAB-2-3.7.bin"};
        for (int i = 0; i < types.size(); ++i)
            QCOMPARE(packageParameterTable(tableSheet(), types[i]).fileName, names[i]);
    }

    void refusals_data() {
        QTest::addColumn<SheetRows>("rows");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty sheet") << SheetRows{} << "QPA" << QStringLiteral("empty");
        QTest::newRow("one row short")
            << tableSheet().mid(1) << "QPA" << QStringLiteral("holds 89 rows");
        QTest::newRow("a row too many")
            << (tableSheet() << QStringList{"x"}) << "QPA" << QStringLiteral("holds 91 rows");
        QTest::newRow("value above the range")
            << tableSheet(4, 7, "65536") << "QPA" << QStringLiteral("H5 holds 65536");
        QTest::newRow("value below the range")
            << tableSheet(0, 13, "-32769") << "QPA" << QStringLiteral("N1 holds -32769");
        QTest::newRow("last value not hex") << tableSheet(88, 13, "checksum") << "QPA"
                                            << "N89";
        QTest::newRow("last value too long") << tableSheet(88, 13, "100a5") << "QPA"
                                             << "N89";
        QTest::newRow("version not a byte")
            << tableSheet(88, 5, "-1") << "QPA" << QStringLiteral("D89 and F89");
        QTest::newRow("unknown battery type")
            << tableSheet() << "ZRD" << QStringLiteral("Unknown battery type");
    }

    void refusals() {
        QFETCH(SheetRows, rows);
        QFETCH(QString, type);
        QFETCH(QString, message);
        const TablePackage package = packageParameterTable(rows, type);
        QVERIFY2(package.error.contains(message), qPrintable(package.error));
        QVERIFY(package.content.isEmpty());
        QVERIFY(package.fileName.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTablePackage)
#include "tst_tablepackage.moc"
