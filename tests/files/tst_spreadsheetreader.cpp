#include "files/spreadsheetreader.h"
#include "files/tableexport.h"

#include <zip.h>

#include <QTemporaryDir>
#include <QtTest>

using Parts = QMap<QString, QByteArray>;
using Rows = QList<QStringList>;
Q_DECLARE_METATYPE(Rows)

namespace {

const QString fixtureDir = QStringLiteral(VOLTARO_FIXTURES_DIR);

// Bare-bones workbook parts; each case replaces what it is about.
const QByteArray contentTypes = "<?xml version=\"1.0\"?><Types/>";
const QByteArray rootRels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
QByteArray workbook(const QByteArray& sheets, const QByteArray& properties = {}) {
    return "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">" +
           properties + "<sheets>" + sheets + "</sheets></workbook>";
}
QByteArray relationship(const char* id, const char* type, const char* target) {
    return QByteArray("<Relationship Id=\"") + id +
           "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + type +
           "\" Target=\"" + target + "\"/>";
}
QByteArray relationships(const QByteArray& entries) {
    return "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
           "relationships\">" +
           entries + "</Relationships>";
}
QByteArray sheet(const QByteArray& rows) {
    return "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           "<sheetData>" +
           rows + "</sheetData></worksheet>";
}

Parts oneSheetBook(const QByteArray& sheetXml) {
    return {{"[Content_Types].xml", contentTypes},
            {"_rels/.rels", rootRels},
            {"xl/workbook.xml", workbook("<sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/>")},
            {"xl/_rels/workbook.xml.rels",
             relationships(relationship("rId1", "worksheet", "worksheets/sheet1.xml"))},
            {"xl/worksheets/sheet1.xml", sheetXml}};
}

bool writeZip(const QString& path, const Parts& parts) {
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (auto part = parts.cbegin(); part != parts.cend(); ++part) {
        ok = ok && zipOpenNewFileInZip64(zip, part.key().toUtf8().constData(), nullptr, nullptr, 0,
                                         nullptr, 0, nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION,
                                         0) == ZIP_OK;
        ok = ok && zipWriteInFileInZip(zip, part.value().constData(),
                                       unsigned(part.value().size())) == ZIP_OK;
        ok = ok && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSpreadsheetReader : public QObject {
    Q_OBJECT

private slots:
    void fixtures_data();
    void fixtures();
    void sameTableInEveryFormat_data();
    void sameTableInEveryFormat();
    void sniffing_data();
    void sniffing();
    void craftedWorkbooks_data();
    void craftedWorkbooks();
    void damagedInputs_data();
    void damagedInputs();
    void ownExportsReadBack_data();
    void ownExportsReadBack();

private:
    QTemporaryDir dir;
};

void TestSpreadsheetReader::fixtures_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells");
    const QStringList header{"Date&Time", "Code", "Description", "Log Data"};
    QTest::newRow("openpyxl, text cells") << "history-bmu-hv.xlsx" << 21 << 0 << header;
    QTest::newRow("openpyxl, hex text keeps its blanks")
        << "history-bmu-hv.xlsx" << 21 << 1
        << QStringList{"2023-04-17 08:05:03", "00", "Power ON",
                       "01 01 03 0c 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "};
    QTest::newRow("openpyxl, date cells and number codes")
        << "history-bmu-lv-dates.xlsx" << 15 << 1
        << QStringList{"2023-04-17 08:05:03", "0", "Power ON",
                       "03 0c 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "};
    QTest::newRow("LibreOffice, shared strings and escaped date format")
        << "history-bmu-lv-dates-lo.xlsx" << 15 << 14
        << QStringList{"2023-04-17 16:08:26", "200", "No Defined",
                       "01 02 03 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "};
    QTest::newRow("xlwt binary xls") << "history-bms.xls" << 17 << 2
                                     << QStringList{"2023-04-17 08:42:14", "02", "Events record",
                                                    "00 40 00 00 00 00 00 00 19 57 63 c9 14 be "
                                                    "14 9c ff 54 0d 46 0d 1f 18 "};
    QTest::newRow("own export named .xls")
        << "history-bms-export.xls" << 17 << 16
        << QStringList{"2023-04-17 17:22:48", "150", "Not defined",
                       "05 05 05 05 05 05 05 05 05 05 05 05 "
                       "05 05 05 05 05 05 05 05 05 05 05 "};
    QTest::newRow("parameter table, empty column B inside the range")
        << "param-table-qpa.xlsx" << 90 << 0
        << QStringList{"G00", "",      "Param 0", "65535", "unit0", "2287",  "unit1",
                       "-1",  "unit2", "0",       "unit3", "2996",  "unit4", "300"};
    QTest::newRow("parameter table, closing row")
        << "param-table-qpa.xlsx" << 90 << 89
        << QStringList{"End of table", "", "", "", "", "", "", "", "", "", "", "", "",
                       "checksum row"};
    QTest::newRow("LibreOffice xls, hex text cell")
        << "param-table-qpa-lo.xls" << 90 << 88
        << QStringList{"G08",   "",      "Param 88", "3",     "unit0", "7",     "unit1",
                       "65535", "unit2", "0",        "unit3", "65535", "unit4", "00a5"};
}

void TestSpreadsheetReader::fixtures() {
    QFETCH(QString, file);
    QFETCH(int, rowCount);
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    const SheetReadResult result = readFirstWorksheet(fixtureDir + QLatin1Char('/') + file);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.rows.size(), rowCount);
    QCOMPARE(result.rows.at(row), cells);
    for (const QStringList& line : result.rows)
        QCOMPARE(line.size(), cells.size());
}

void TestSpreadsheetReader::sameTableInEveryFormat_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("BMS history: xls and own text export") << "history-bms.xls"
                                                          << "history-bms-export.xls";
    QTest::newRow("LV history: openpyxl and LibreOffice") << "history-bmu-lv-dates.xlsx"
                                                          << "history-bmu-lv-dates-lo.xlsx";
    QTest::newRow("parameter table: xlsx and LibreOffice xls") << "param-table-qpa.xlsx"
                                                               << "param-table-qpa-lo.xls";
}

void TestSpreadsheetReader::sameTableInEveryFormat() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    const SheetReadResult a = readFirstWorksheet(fixtureDir + QLatin1Char('/') + first);
    const SheetReadResult b = readFirstWorksheet(fixtureDir + QLatin1Char('/') + second);
    QVERIFY(a.ok() && b.ok());
    QVERIFY(!a.rows.isEmpty());
    QCOMPARE(a.rows, b.rows);
}

void TestSpreadsheetReader::sniffing_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<int>("format");
    QTest::newRow("nothing") << QByteArray() << int(SheetFormat::Empty);
    QTest::newRow("zip") << QByteArray("PK\x03\x04\x14\0", 6) << int(SheetFormat::Xlsx);
    QTest::newRow("OLE2") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")
                          << int(SheetFormat::Xls);
    QTest::newRow("text") << QByteArray("Date&Time\t") << int(SheetFormat::Text);
    QTest::newRow("empty zip archive is not a workbook signature")
        << QByteArray("PK\x05\x06", 4) << int(SheetFormat::Text);
}

void TestSpreadsheetReader::sniffing() {
    QFETCH(QByteArray, head);
    QFETCH(int, format);
    QCOMPARE(int(sniffSheetFormat(head)), format);
}

void TestSpreadsheetReader::craftedWorkbooks_data() {
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<Rows>("rows");

    QTest::newRow("rich text runs joined, phonetic guide left out") << [] {
        Parts p = oneSheetBook(sheet("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c>"
                                     "<c r=\"B1\" t=\"s\"><v>1</v></c></row>"));
        p["xl/_rels/workbook.xml.rels"] =
            relationships(relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
                          relationship("rId2", "sharedStrings", "sharedStrings.xml"));
        p["xl/sharedStrings.xml"] =
            "<sst><si><r><t>Cell_</t></r><r><t xml:space=\"preserve\">Max </t></r>"
            "<rPh><t>ignored</t></rPh></si><si><t>a_x000D_b</t></si></sst>";
        return p;
    }() << Rows{{"Cell_Max ", "a\rb"}};
    QTest::newRow("range starts at the first used cell, gaps kept")
        << oneSheetBook(sheet("<row r=\"3\"><c r=\"C3\" t=\"inlineStr\"><is><t>x</t></is></c>"
                              "</row><row r=\"5\"><c r=\"E5\"><v>1.5</v></c></row>"))
        << Rows{{"x", "", ""}, {"", "", ""}, {"", "", "1.5"}};
    QTest::newRow("cells and rows without references follow each other")
        << oneSheetBook(sheet("<row><c t=\"inlineStr\"><is><t>a</t></is></c><c><v>2</v></c></row>"
                              "<row><c t=\"b\"><v>1</v></c><c t=\"b\"><v>0</v></c></row>"))
        << Rows{{"a", "2"}, {"TRUE", "FALSE"}};
    QTest::newRow("formula results, errors and ISO dates")
        << oneSheetBook(sheet("<row r=\"1\"><c r=\"A1\" t=\"str\"><f>A2</f><v>x</v></c>"
                              "<c r=\"B1\" t=\"e\"><v>#DIV/0!</v></c>"
                              "<c r=\"C1\" t=\"d\"><v>2023-04-17T08:05:03</v></c>"
                              "<c r=\"D1\"><f>1+1</f><v>2</v></c></row>"))
        << Rows{{"x", "#DIV/0!", "2023-04-17 08:05:03", "2"}};
    QTest::newRow("1904 dates through a built-in date style") << [] {
        Parts p = oneSheetBook(sheet("<row r=\"1\"><c r=\"A1\" s=\"1\"><v>1.25</v></c>"
                                     "<c r=\"B1\" s=\"0\"><v>1.25</v></c></row>"));
        p["xl/workbook.xml"] = workbook("<sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/>",
                                        "<workbookPr date1904=\"1\"/>");
        p["xl/_rels/workbook.xml.rels"] =
            relationships(relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
                          relationship("rId3", "styles", "styles.xml"));
        p["xl/styles.xml"] = "<styleSheet><cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs>"
                             "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"22\"/></cellXfs>"
                             "</styleSheet>";
        return p;
    }() << Rows{{"1904-01-02 06:00:00", "1.25"}};
    QTest::newRow("first worksheet follows the workbook order, not the part names") << [] {
        Parts p = oneSheetBook(sheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"));
        p["xl/workbook.xml"] = workbook("<sheet name=\"Chart\" sheetId=\"3\" r:id=\"rId3\"/>"
                                        "<sheet name=\"B\" sheetId=\"2\" r:id=\"rId2\"/>"
                                        "<sheet name=\"A\" sheetId=\"1\" r:id=\"rId1\"/>");
        p["xl/_rels/workbook.xml.rels"] =
            relationships(relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
                          relationship("rId2", "worksheet", "/xl/worksheets/sheet2.xml") +
                          relationship("rId3", "chartsheet", "chartsheets/sheet1.xml"));
        p["xl/worksheets/sheet2.xml"] = sheet("<row r=\"1\"><c r=\"A1\"><v>2</v></c></row>");
        return p;
    }() << Rows{{"2"}};
    QTest::newRow("empty sheet") << oneSheetBook(sheet("")) << Rows{};
}

void TestSpreadsheetReader::craftedWorkbooks() {
    QFETCH(Parts, parts);
    QFETCH(Rows, rows);
    const QString path = dir.filePath(QStringLiteral("crafted.xlsx"));
    QVERIFY(writeZip(path, parts));
    const SheetReadResult result = readFirstWorksheet(path);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.rows, rows);
}

void TestSpreadsheetReader::damagedInputs_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<QString>("message");
    const QByteArray good = readBytes(fixtureDir + QStringLiteral("/history-bmu-hv.xlsx"));
    QVERIFY(good.size() > 1000);
    QTest::newRow("empty file") << QByteArray() << Parts() << "The file is empty.";
    QTest::newRow("zip cut short") << good.left(good.size() / 2) << Parts() << "damaged";
    // Garble the compressed sheet, just behind its local header.
    QByteArray flipped = good;
    const int sheetData = good.indexOf("xl/worksheets/sheet1.xml") + 100;
    for (int i = sheetData; i < sheetData + 200; ++i)
        flipped[i] = char(flipped[i] ^ 0x5A);
    QTest::newRow("zip with garbled data") << flipped << Parts() << "damaged";
    QTest::newRow("binary xls header, nothing behind")
        << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + QByteArray(100, '\0') << Parts()
        << "not a readable Excel";
    QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20) << Parts()
                             << "neither a spreadsheet nor a text table";
    QTest::newRow("zip without a workbook")
        << QByteArray() << Parts{{"word/document.xml", "<w/>"}} << "not a spreadsheet workbook";
    QTest::newRow("workbook without sheets") << QByteArray() << [] {
        Parts p = oneSheetBook(sheet(""));
        p["xl/workbook.xml"] = workbook("");
        return p;
    }() << "no worksheet";
    QTest::newRow("sheet part missing") << QByteArray() << [] {
        Parts p = oneSheetBook(sheet(""));
        p.remove("xl/worksheets/sheet1.xml");
        return p;
    }() << "missing";
    QTest::newRow("broken sheet XML")
        << QByteArray() << oneSheetBook("<worksheet><sheetData><row><c>") << "damaged";
    QTest::newRow("a cell at the far corner")
        << QByteArray()
        << oneSheetBook(sheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"1048576\">"
                              "<c r=\"XFD1048576\"><v>1</v></c></row>"))
        << "too large";
}

void TestSpreadsheetReader::damagedInputs() {
    QFETCH(QByteArray, bytes);
    QFETCH(Parts, parts);
    QFETCH(QString, message);
    const QString path = dir.filePath(QStringLiteral("damaged.xlsx"));
    QFile::remove(path);
    QVERIFY(parts.isEmpty() ? writeBytes(path, bytes) : writeZip(path, parts));
    const SheetReadResult result = readFirstWorksheet(path);
    QVERIFY2(result.error.contains(message), qPrintable(result.error));
    QVERIFY(result.rows.isEmpty());
}

void TestSpreadsheetReader::ownExportsReadBack_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("text named .xls") << "export.xls";
    QTest::newRow("text named .txt") << "export.txt";
    QTest::newRow("workbook named .xlsx") << "export.xlsx";
    QTest::newRow("workbook named .XLSX") << "EXPORT.XLSX";
}

void TestSpreadsheetReader::ownExportsReadBack() {
    QFETCH(QString, name);
    const ExportTable table{{"Date&Time", "Code", "Cell_Max_T(℃)", "Log Data"},
                            {{"2023-04-17 08:05:03", "00", "25", "01 0c 00 "},
                             {"2023-04-17 08:42:14", "007", "", "00000000000000000012"}}};
    const QString path = dir.filePath(name);
    QCOMPARE(writeTableFile(path, table), QString());
    const SheetReadResult result = readFirstWorksheet(path);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.rows, Rows() << table.header << table.rows);
}

QTEST_GUILESS_MAIN(TestSpreadsheetReader)
#include "tst_spreadsheetreader.moc"
