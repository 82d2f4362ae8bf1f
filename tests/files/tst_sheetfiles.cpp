// Reading spreadsheet files: cell texts, delimited text, workbooks of other programs,
// damaged and hostile inputs, and saved logs translated from them.
#include "filefixture.h"
#include "workbookbuilder.h"

#include "files/cellformat.h"
#include "files/delimitedtextreader.h"
#include "files/logimport.h"
#include "files/spreadsheetreader.h"
#include "history/batteryfamily.h"

#include <QTemporaryDir>
#include <QTextCodec>

Q_DECLARE_METATYPE(TranslatedLog::Outcome)

using namespace WorkbookBuilder;

namespace {

TranslatedLog translate(const QString& path, bool cancel = false,
                        QVector<int>* progress = nullptr) {
    const std::atomic<bool> cancelled{cancel};
    const LogUnit unit = path.contains(QLatin1String("bms")) ? LogUnit::Bms : LogUnit::Bmu;
    return translateLogFile(path, unit, QLatin1String(LumenoLv), cancelled,
                            [progress](int done, int) {
                                if (progress)
                                    *progress << done;
                            });
}

} // namespace

class TestSheetFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // A number cell's text, plain or under a date format of the 1900 or 1904 system.
    void cellTexts_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("dateSystem"); // 0: a plain number
        QTest::addColumn<QString>("text");
        QTest::newRow("negative zero") << -0.0 << 0 << "0";
        QTest::newRow("binary noise hidden") << 0.1 + 0.2 << 0 << "0.3";
        QTest::newRow("just before midnight rounds up")
            << 45033.999999999 << 1900 << "2023-04-18 00:00:00";
        QTest::newRow("day after the phantom leap day") << 61.0 << 1900 << "1900-03-01 00:00:00";
        QTest::newRow("1904 system") << 0.5 << 1904 << "1904-01-01 12:00:00";
        QTest::newRow("negative date stays a number") << -3.0 << 1900 << "-3";
    }
    void cellTexts() {
        QFETCH(double, value);
        QFETCH(int, dateSystem);
        QFETCH(QString, text);
        QCOMPARE(dateSystem ? serialDateTimeText(value, dateSystem == 1904)
                            : generalNumberText(value),
                 text);
    }

    void dateFormats_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("isDate");
        QTest::newRow("built-in m/d/yy") << 14 << "" << true;
        QTest::newRow("quoted letters") << 170 << "0.00\" days\"" << false;
        QTest::newRow("elapsed hours") << 173 << "[h]:mm" << true;
    }
    void dateFormats() {
        QFETCH(int, id);
        QFETCH(QString, code);
        QTEST(isDateFormat(id, code), "isDate");
    }

    void delimitedText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SheetRows>("rows");
        QTest::newRow("own export: trailing tabs, CRLF")
            << QByteArray("Date&Time\tCode\t\r\n2023-04-17 08:05:03\t00\t")
            << SheetRows{{"Date&Time", "Code"}, {"2023-04-17 08:05:03", "00"}};
        QTest::newRow("comma separated when the first line has no tab")
            << QByteArray("a,b\n1,2") << SheetRows{{"a", "b"}, {"1", "2"}};
        QTest::newRow("quoted field with delimiter, quote and line break")
            << QByteArray("a,\"b,\"\"c\"\"\nd\",e\n") << SheetRows{{"a", "b,\"c\"\nd", "e"}};
        QTest::newRow("short rows padded, blank lines inside kept")
            << QByteArray("a\tb\n\nd\n\n") << SheetRows{{"a", "b"}, {"", ""}, {"d", ""}};
        QTest::newRow("used range starts at the first used column")
            << QByteArray("\t\tx\n\t\ty") << SheetRows{{"x"}, {"y"}};
        QTest::newRow("only separators") << QByteArray("\t\t\n\t\t\n") << SheetRows{};
        const QString text = QStringLiteral("Cell_Max_T(℃)\t温度");
        const SheetRows decoded{{QStringLiteral("Cell_Max_T(℃)"), QStringLiteral("温度")}};
        QTest::newRow("GB2312") << QTextCodec::codecForName("GB2312")->fromUnicode(text) << decoded;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << decoded;
        QByteArray utf16("\xFF\xFE");
        utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        QTest::newRow("UTF-16 with BOM") << utf16 << decoded;
    }
    void delimitedText() {
        QFETCH(QByteArray, bytes);
        QFETCH(SheetRows, rows);
        const SheetReadResult result = readDelimitedText(bytes);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.rows, rows);
    }

    // One row of each fixture, every row as wide; a twin saved by another program reads
    // the same. A history translates row for row (the texts are the decoders', checked
    // with them), dates as the file shows them.
    void fixtures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("twin");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("openpyxl, hex text keeps its blanks")
            << "history-bmu-hv.xlsx" << QString() << 21 << 1
            << QStringList{"2023-04-17 08:05:03", "00", "Power ON",
                           "01 01 03 0c 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "};
        QTest::newRow("openpyxl, date cells and number codes")
            << "history-bmu-lv-dates.xlsx" << QString() << 15 << 1
            << QStringList{"2023-04-17 08:05:03", "0", "Power ON",
                           "03 0c 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "};
        QTest::newRow("LibreOffice, shared strings and escaped date format")
            << "history-bmu-lv-dates-lo.xlsx"
            << "history-bmu-lv-dates.xlsx" << 15 << 14
            << QStringList{"2023-04-17 16:08:26", "200", "No Defined",
                           "01 02 03 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "};
        QTest::newRow("xlwt binary xls")
            << "history-bms.xls"
            << "history-bms-export.xls" << 17 << 2
            << QStringList{"2023-04-17 08:42:14", "02", "Events record",
                           "00 40 00 00 00 00 00 00 19 57 63 c9 14 be 14 9c ff 54 0d 46 0d 1f 18 "};
        QTest::newRow("LibreOffice xls, hex text cell")
            << "param-table-qpa-lo.xls"
            << "param-table-qpa.xlsx" << 90 << 88
            << QStringList{"G08",   "",      "Param 88", "3",     "unit0", "7",     "unit1",
                           "65535", "unit2", "0",        "unit3", "65535", "unit4", "00a5"};
    }
    void fixtures() {
        QFETCH(QString, file);
        QFETCH(QString, twin);
        QFETCH(int, rowCount);
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        const SheetReadResult result = readFirstWorksheet(fixture(file));
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.rows.size(), rowCount);
        QCOMPARE(result.rows.at(row), cells);
        for (const QStringList& line : result.rows)
            QCOMPARE(line.size(), cells.size());
        if (!twin.isEmpty())
            QCOMPARE(readFirstWorksheet(fixture(twin)).rows, result.rows);
        if (!file.startsWith(QLatin1String("history")))
            return;
        const TranslatedLog log = translate(fixture(file));
        QCOMPARE(log.outcome, TranslatedLog::Outcome::Done);
        QCOMPARE(log.rows.size(), rowCount - 1);
        QCOMPARE(log.rows[row - 1].mid(0, 3), cells.mid(0, 3));
        for (const QStringList& decoded : log.rows)
            QVERIFY(!decoded.mid(3).join(QString()).isEmpty());
    }

    // Files written here, as raw bytes or (when `parts` is set) a workbook zipped from the
    // parts: the rows read, or the error the reader gives.
    void writtenInputs_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Parts>("parts");
        QTest::addColumn<SheetRows>("rows");
        QTest::addColumn<QString>("error");
        const QByteArray none;
        QTest::newRow("rich text runs joined, phonetic guide left out")
            << none
            << book(sheet("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c>"
                          "<c r=\"B1\" t=\"s\"><v>1</v></c></row>"),
                    relationship("rId2", "sharedStrings", "sharedStrings.xml"),
                    {{"xl/sharedStrings.xml",
                      "<sst><si><r><t>Cell_</t></r><r><t xml:space=\"preserve\">Max </t></r>"
                      "<rPh><t>ignored</t></rPh></si><si><t>a_x000D_b</t></si></sst>"}})
            << SheetRows{{"Cell_Max ", "a\rb"}} << QString();
        QTest::newRow("range starts at the first used cell, gaps kept")
            << none
            << book(sheet("<row r=\"3\"><c r=\"C3\" t=\"inlineStr\"><is><t>x</t></is></c>"
                          "</row><row r=\"5\"><c r=\"E5\"><v>1.5</v></c></row>"))
            << SheetRows{{"x", "", ""}, {"", "", ""}, {"", "", "1.5"}} << QString();
        QTest::newRow("cells and rows without references follow each other")
            << none
            << book(sheet("<row><c t=\"inlineStr\"><is><t>a</t></is></c><c><v>2</v></c></row>"
                          "<row><c t=\"b\"><v>1</v></c><c t=\"b\"><v>0</v></c></row>"))
            << SheetRows{{"a", "2"}, {"TRUE", "FALSE"}} << QString();
        QTest::newRow("formula results, errors and ISO dates")
            << none
            << book(sheet("<row r=\"1\"><c r=\"A1\" t=\"str\"><f>A2</f><v>x</v></c>"
                          "<c r=\"B1\" t=\"e\"><v>#DIV/0!</v></c>"
                          "<c r=\"C1\" t=\"d\"><v>2023-04-17T08:05:03</v></c>"
                          "<c r=\"D1\"><f>1+1</f><v>2</v></c></row>"))
            << SheetRows{{"x", "#DIV/0!", "2023-04-17 08:05:03", "2"}} << QString();
        QTest::newRow("1904 dates through a built-in date style")
            << none
            << book(sheet("<row r=\"1\"><c r=\"A1\" s=\"1\"><v>1.25</v></c>"
                          "<c r=\"B1\" s=\"0\"><v>1.25</v></c></row>"),
                    relationship("rId3", "styles", "styles.xml"),
                    {{"xl/workbook.xml", workbook("<sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/>",
                                                  "<workbookPr date1904=\"1\"/>")},
                     {"xl/styles.xml",
                      "<styleSheet><cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs>"
                      "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"22\"/></cellXfs></styleSheet>"}})
            << SheetRows{{"1904-01-02 06:00:00", "1.25"}} << QString();
        QTest::newRow("first worksheet follows the workbook order, not the part names")
            << none
            << book(sheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"),
                    relationship("rId2", "worksheet", "/xl/worksheets/sheet2.xml") +
                        relationship("rId3", "chartsheet", "chartsheets/sheet1.xml"),
                    {{"xl/workbook.xml",
                      workbook("<sheet name=\"Chart\" sheetId=\"3\" r:id=\"rId3\"/>"
                               "<sheet name=\"B\" sheetId=\"2\" r:id=\"rId2\"/>"
                               "<sheet name=\"A\" sheetId=\"1\" r:id=\"rId1\"/>")},
                     {"xl/worksheets/sheet2.xml",
                      sheet("<row r=\"1\"><c r=\"A1\"><v>2</v></c></row>")}})
            << SheetRows{{"2"}} << QString();
        QTest::newRow("empty sheet") << none << book(sheet("")) << SheetRows{} << QString();

        const QByteArray good = readBytes(fixture(QStringLiteral("history-bmu-hv.xlsx")));
        QVERIFY(good.size() > 1000);
        QTest::newRow("empty file") << none << Parts() << SheetRows{} << "The file is empty.";
        // Garble the compressed sheet, just behind its local header.
        QByteArray flipped = good;
        const int sheetData = good.indexOf("xl/worksheets/sheet1.xml") + 100;
        for (int i = sheetData; i < sheetData + 200; ++i)
            flipped[i] = char(flipped[i] ^ 0x5A);
        QTest::newRow("zip with garbled data") << flipped << Parts() << SheetRows{} << "damaged";
        const QString notText = QStringLiteral("neither a spreadsheet nor a text table");
        QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20)
                                 << Parts() << SheetRows{} << notText;
        QTest::newRow("invalid in UTF-8 and GB18030")
            << QByteArray("ab\xFF\xFF\xFF") << Parts() << SheetRows{} << notText;
        QTest::newRow("zip without a workbook") << none << Parts{{"word/document.xml", "<w/>"}}
                                                << SheetRows{} << "not a spreadsheet workbook";
        QTest::newRow("workbook without sheets")
            << none << book(sheet(""), {}, {{"xl/workbook.xml", workbook("")}}) << SheetRows{}
            << "no worksheet";
        Parts noSheet = book(sheet(""));
        noSheet.remove("xl/worksheets/sheet1.xml");
        QTest::newRow("sheet part missing") << none << noSheet << SheetRows{} << "missing";
        QTest::newRow("broken sheet XML")
            << none << book("<worksheet><sheetData><row><c>") << SheetRows{} << "damaged";
        QTest::newRow("a cell at the far corner")
            << none
            << book(sheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"1048576\">"
                          "<c r=\"XFD1048576\"><v>1</v></c></row>"))
            << SheetRows{} << "too large";

        // Hostile workbooks of a few kilobytes: a cell value nested 100 000 elements deep
        // (reading it recursively overflowed the stack), texts beyond a cell's 32767
        // characters, one of 60 MB, and more text in all than the reader takes.
        const QByteArray deep =
            QByteArray("<x>").repeated(100000) + "1" + QByteArray("</x>").repeated(100000);
        auto strings = [](const QByteArray& text, int count = 1) {
            return sharedStringBook(("<si><t>" + text + "</t></si>").repeated(count));
        };
        QTest::newRow("number nested 100 000 deep")
            << none << book(sheet("<row><c><v>" + deep + "</v></c></row>")) << SheetRows{}
            << "more than 64 levels deep in xl/worksheets/sheet1.xml";
        QTest::newRow("inline text nested 100 000 deep")
            << none << book(sheet("<row><c t=\"inlineStr\"><is><t>" + deep + "</t></is></c></row>"))
            << SheetRows{} << "levels deep";
        QTest::newRow("shared string nested 100 000 deep")
            << none << strings(deep) << SheetRows{}
            << "more than 64 levels deep in xl/sharedStrings.xml";
        QTest::newRow("a string of 32768 characters")
            << none << strings(QByteArray(32768, 'a')) << SheetRows{}
            << "longer than a cell can hold (32767 characters) in xl/sharedStrings.xml";
        QTest::newRow("rich text runs of 32768 characters together")
            << none
            << book(sheet("<row><c t=\"inlineStr\"><is>" +
                          QByteArray("<r><t>")
                              .append(QByteArray(16384, 'a'))
                              .append("</t></r>")
                              .repeated(2) +
                          "</is></c></row>"))
            << SheetRows{} << "longer than a cell can hold";
        QTest::newRow("a string of 60 MB") << none << strings(QByteArray(60 << 20, 'a'))
                                           << SheetRows{} << "longer than a cell can hold";
        QTest::newRow("33 million characters in all")
            << none << strings(QByteArray(32000, 'a'), 1050) << SheetRows{}
            << "more text than the tool reads (32 million characters)";
    }
    void writtenInputs() {
        QFETCH(QByteArray, bytes);
        QFETCH(Parts, parts);
        QFETCH(SheetRows, rows);
        QFETCH(QString, error);
        const QString path = dir.filePath(QStringLiteral("input.xlsx"));
        QFile::remove(path);
        QVERIFY(parts.isEmpty() ? writeBytes(path, bytes) : writeZip(path, parts));
        const SheetReadResult result = readFirstWorksheet(path);
        QVERIFY2(error.isEmpty() ? result.ok() : result.error.contains(error),
                 qPrintable(result.error));
        QCOMPARE(result.rows, rows);
    }

    // A sheet that is no saved log, in slices with progress, and cancelled.
    void translation_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<TranslatedLog::Outcome>("outcome");
        QTest::addColumn<int>("rows");
        QByteArray log("Date&Time\tCode\tDescription\tLog Data\t\n");
        const QByteArray header = log;
        for (int i = 0; i < 5000; ++i)
            log += "2023-04-17 08:05:03\t00\tPower ON\t03 0c 00 00\t\n";
        using Outcome = TranslatedLog::Outcome;
        QTest::newRow("three columns")
            << QByteArray("a\tb\tc\n1\t2\t3\n") << false << Outcome::NotASavedLog << 0;
        QTest::newRow("header only") << header << false << Outcome::Done << 0;
        QTest::newRow("5000 rows") << log << false << Outcome::Done << 5000;
        QTest::newRow("cancelled") << log << true << Outcome::Cancelled << 0;
    }
    void translation() {
        QFETCH(QByteArray, content);
        QFETCH(bool, cancel);
        QFETCH(TranslatedLog::Outcome, outcome);
        QFETCH(int, rows);
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        QVERIFY(writeBytes(path, content));
        QVector<int> progress;
        const TranslatedLog log = translate(path, cancel, &progress);
        QCOMPARE(log.outcome, outcome);
        QCOMPARE(log.rows.size(), rows);
        if (rows > 0) {
            QVERIFY(progress.size() > 1 && std::is_sorted(progress.cbegin(), progress.cend()));
            QCOMPARE(progress.last(), rows);
        }
    }
};

QTEST_GUILESS_MAIN(TestSheetFiles)
#include "tst_sheetfiles.moc"
