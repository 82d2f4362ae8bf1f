#include "files/firmwarecheck.h"
#include "files/spreadsheetreader.h"
#include "files/tablepackage.h"
#include "firmware/tablefile.h"
#include "link/bytes.h"
#include "link/crc.h"

#include <QTemporaryDir>
#include <QtTest>

using Rows = QList<QStringList>;

namespace {

const QString fixtureDir = QStringLiteral(VOLTARO_FIXTURES_DIR);

// A sheet of 89 table rows and a closing row, every value `fill`, version 3.7, hex "00a5".
Rows tableSheet(const QString& fill = QStringLiteral("0")) {
    Rows rows;
    for (int r = 0; r < tableRowCount; ++r) {
        QStringList row{"G", "", QStringLiteral("Param %1").arg(r)};
        for (int v = 0; v < 6; ++v)
            row << fill << QStringLiteral("unit");
        rows << row.mid(0, 14);
    }
    rows.last()[3] = QStringLiteral("3");
    rows.last()[5] = QStringLiteral("7");
    rows.last()[13] = QStringLiteral("00a5");
    rows << QStringList{"End of table"};
    return rows;
}

// Undoes the file's layers: Base64, then hex text, then the CRC (low byte first).
QByteArray tableBytesOf(const QByteArray& content, bool* crcOk) {
    const QByteArray block = QByteArray::fromHex(QByteArray::fromBase64(content));
    const QByteArray table = block.left(block.size() - 2);
    *crcOk = block.size() >= 2 &&
             crcText(modbusCrc16(table)) == QString::fromLatin1(block.right(2).toHex().toUpper());
    return table;
}

} // namespace

class TestTablePackage : public QObject {
    Q_OBJECT

private slots:
    void valueEncoding_data();
    void valueEncoding();
    void lastCellIsHex_data();
    void lastCellIsHex();
    void fixtureTable_data();
    void fixtureTable();
    void fileNames_data();
    void fileNames();
    void refusals_data();
    void refusals();
    void firmwareCrc_data();
    void firmwareCrc();
    void firmwareFileErrors();

private:
    QTemporaryDir dir;
};

void TestTablePackage::valueEncoding_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("hex");
    QTest::newRow("-1") << "-1"
                        << "ffff";
    QTest::newRow("300") << "300"
                         << "012c";
    QTest::newRow("lowest") << "-32768"
                            << "8000";
    QTest::newRow("highest") << "65535"
                             << "ffff";
    QTest::newRow("blanks around") << " 12 "
                                   << "000c";
    QTest::newRow("text counts as 0") << "n/a"
                                      << "0000";
    QTest::newRow("empty counts as 0") << ""
                                       << "0000";
}

void TestTablePackage::valueEncoding() {
    QFETCH(QString, cell);
    QFETCH(QString, hex);
    Rows rows = tableSheet();
    rows[0][3] = cell;
    const TablePackage package = packageParameterTable(rows, QStringLiteral("QPA"));
    QVERIFY2(package.ok(), qPrintable(package.error));
    QVERIFY(package.hexText.startsWith(hex + QStringLiteral(" 0000 ")));
}

void TestTablePackage::lastCellIsHex_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("word");
    QTest::newRow("four digits") << "00a5" << 0x00A5;
    QTest::newRow("upper case") << "BEEF" << 0xBEEF;
    QTest::newRow("number cell that lost its zeros") << "165" << 0x0165;
}

void TestTablePackage::lastCellIsHex() {
    QFETCH(QString, cell);
    QFETCH(int, word);
    Rows rows = tableSheet();
    rows[tableRowCount - 1][13] = cell;
    const TablePackage package = packageParameterTable(rows, QStringLiteral("QPA"));
    QVERIFY2(package.ok(), qPrintable(package.error));
    const TableBlock block = decodeTableFile(package.content);
    QVERIFY(tableCrcMatches(block));
    QCOMPARE(int(wordBE(block.tableData, tableByteCount - 2)), word);
}

void TestTablePackage::fixtureTable_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("openpyxl xlsx") << "param-table-qpa.xlsx";
    QTest::newRow("LibreOffice xls") << "param-table-qpa-lo.xls";
}

void TestTablePackage::fixtureTable() {
    QFETCH(QString, file);
    const SheetReadResult sheet = readFirstWorksheet(fixtureDir + QLatin1Char('/') + file);
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

    bool crcOk = false;
    const QByteArray table = tableBytesOf(package.content, &crcOk);
    QVERIFY(crcOk);
    QCOMPARE(table.size(), tableByteCount);
    QCOMPARE(byteAt(table, 1057), quint8(3)); // main version
    QCOMPARE(byteAt(table, 1059), quint8(7)); // sub version
    QCOMPARE(wordBE(table, 1066), quint16(0x00A5));
    QCOMPARE(package.hexText.right(4), crcText(modbusCrc16(table)));

    // What the table update loads from the file.
    const TableBlock block = decodeTableFile(package.content);
    QVERIFY(tableCrcMatches(block));
    QCOMPARE(block.tableData, table);
}

void TestTablePackage::fileNames_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("ZRC") << "ZRC"
                         << "ZRC-TAB-0-3.7.bin";
    QTest::newRow("ZRDX is scanned as ZRD") << "ZRDX"
                                            << "ZRD-TAB-1-3.7.bin";
    QTest::newRow("ZRA") << "ZRA"
                         << "ZRA-TAB-2-3.7.bin";
    QTest::newRow("QPC") << "QPC"
                         << "QPC-TAB-0-3.7.bin";
    QTest::newRow("QPB") << "QPB"
                         << "QPB-TAB-1-3.7.bin";
    QTest::newRow("QPA") << "QPA"
                         << "QPA-TAB-2-3.7.bin";
}

void TestTablePackage::fileNames() {
    QFETCH(QString, type);
    QFETCH(QString, name);
    const TablePackage package = packageParameterTable(tableSheet(), type);
    QVERIFY2(package.ok(), qPrintable(package.error));
    QCOMPARE(package.fileName, name);
}

void TestTablePackage::refusals_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty sheet") << Rows{} << "QPA"
                                 << "empty";
    QTest::newRow("one row short") << tableSheet().mid(1) << "QPA"
                                   << "holds 89 rows";
    QTest::newRow("a row too many") << (tableSheet() << QStringList{"x"}) << "QPA"
                                    << "holds 91 rows";
    QTest::newRow("value above the range") <<
        [] {
            Rows r = tableSheet();
            r[4][7] = QStringLiteral("65536");
            return r;
        }() << "QPA"
                                           << "H5 holds 65536";
    QTest::newRow("value below the range") <<
        [] {
            Rows r = tableSheet();
            r[0][13] = QStringLiteral("-32769");
            return r;
        }() << "QPA"
                                           << "N1 holds -32769";
    QTest::newRow("last value not hex") <<
        [] {
            Rows r = tableSheet();
            r[88][13] = QStringLiteral("checksum");
            return r;
        }() << "QPA"
                                        << "N89";
    QTest::newRow("last value too long") <<
        [] {
            Rows r = tableSheet();
            r[88][13] = QStringLiteral("100a5");
            return r;
        }() << "QPA"
                                         << "N89";
    QTest::newRow("version not a byte") <<
        [] {
            Rows r = tableSheet();
            r[88][5] = QStringLiteral("-1");
            return r;
        }() << "QPA"
                                        << "D89 and F89";
    QTest::newRow("unknown battery type") << tableSheet() << "ZRD"
                                          << "Unknown battery type";
}

void TestTablePackage::refusals() {
    QFETCH(Rows, rows);
    QFETCH(QString, type);
    QFETCH(QString, message);
    const TablePackage package = packageParameterTable(rows, type);
    QVERIFY2(package.error.contains(message), qPrintable(package.error));
    QVERIFY(package.content.isEmpty());
    QVERIFY(package.fileName.isEmpty());
}

void TestTablePackage::firmwareCrc_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("crc");
    QTest::newRow("CRC 0x1234 shows 3412") << QByteArray("\xB0\x87") << "3412";
    QTest::newRow("check string") << QByteArray("123456789") << "374B";
}

void TestTablePackage::firmwareCrc() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, crc);
    const QString path = dir.filePath(QStringLiteral("fw.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    const FirmwareCheck check = checkFirmwareFile(path);
    QVERIFY(check.ok());
    QCOMPARE(check.crc, crc);
    QCOMPARE(check.size, bytes.size());
}

void TestTablePackage::firmwareFileErrors() {
    const FirmwareCheck missing = checkFirmwareFile(dir.filePath(QStringLiteral("none.bin")));
    QVERIFY(missing.error.contains(QStringLiteral("cannot be opened")));
    QVERIFY(missing.crc.isEmpty());

    const FirmwareCheck folder = checkFirmwareFile(dir.path());
    QVERIFY(!folder.ok());
    QVERIFY(folder.crc.isEmpty());

    const QString emptyPath = dir.filePath(QStringLiteral("empty.bin"));
    QFile empty(emptyPath);
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(checkFirmwareFile(emptyPath).error.contains(QStringLiteral("empty")));
}

QTEST_GUILESS_MAIN(TestTablePackage)
#include "tst_tablepackage.moc"
