#include "files/delimitedtextreader.h"

#include <QTextCodec>
#include <QtTest>

using Rows = QList<QStringList>;
Q_DECLARE_METATYPE(Rows)

class TestDelimitedText : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void encodings_data();
    void encodings();
    void notText_data();
    void notText();
};

void TestDelimitedText::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("own export: trailing tabs, CRLF")
        << "Date&Time\tCode\t\r\n2023-04-17 08:05:03\t00\t"
        << Rows{{"Date&Time", "Code"}, {"2023-04-17 08:05:03", "00"}};
    QTest::newRow("LF line ends and an empty cell inside") << "a\t\tc\t\nd\te\tf\t\n"
                                                           << Rows{{"a", "", "c"}, {"d", "e", "f"}};
    QTest::newRow("comma separated when the first line has no tab")
        << "a,b\n1,2" << Rows{{"a", "b"}, {"1", "2"}};
    QTest::newRow("tab file keeps commas in cells")
        << "x\ty\n1,5\t2" << Rows{{"x", "y"}, {"1,5", "2"}};
    QTest::newRow("quoted field with delimiter, quote and line break")
        << "a,\"b,\"\"c\"\"\nd\",e\n"
        << Rows{{"a", "b,\"c\"\nd", "e"}};
    QTest::newRow("old Mac line ends") << "a\tb\rc\td" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("short rows padded to the used range") << "a\tb\tc\nd\n"
                                                         << Rows{{"a", "b", "c"}, {"d", "", ""}};
    QTest::newRow("blank lines inside kept, around dropped") << "\n\na\n\nb\n\n"
                                                             << Rows{{"a"}, {""}, {"b"}};
    QTest::newRow("used range starts at the first used column")
        << "\t\tx\n\t\ty" << Rows{{"x"}, {"y"}};
    QTest::newRow("unterminated quote runs to the end") << "a,\"b\nc" << Rows{{"a", "b\nc"}};
    QTest::newRow("only separators") << "\t\t\n\t\t\n" << Rows{};
}

void TestDelimitedText::parse() {
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    const SheetReadResult result = parseDelimitedText(text);
    QVERIFY(result.ok());
    QCOMPARE(result.rows, rows);
}

void TestDelimitedText::encodings_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("cell");
    const QString text = QStringLiteral("Cell_Max_T(℃)\t温度");
    QTest::newRow("GB2312") << QTextCodec::codecForName("GB2312")->fromUnicode(text) << text;
    QTest::newRow("UTF-8") << text.toUtf8() << text;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << text;
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QTest::newRow("UTF-16 with BOM") << utf16 << text;
}

void TestDelimitedText::encodings() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, cell);
    const SheetReadResult result = readDelimitedText(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.rows.size(), 1);
    QCOMPARE(result.rows.first().join(QLatin1Char('\t')), cell);
}

void TestDelimitedText::notText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("PNG signature") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    QTest::newRow("NUL bytes") << QByteArray("a\tb\0c", 5);
    QTest::newRow("invalid in UTF-8 and GB18030") << QByteArray("ab\xFF\xFF\xFF");
    QTest::newRow("broken UTF-8 after BOM") << QByteArray("\xEF\xBB\xBF\xC3");
}

void TestDelimitedText::notText() {
    QFETCH(QByteArray, bytes);
    const SheetReadResult result = readDelimitedText(bytes);
    QVERIFY(!result.ok());
    QVERIFY(result.rows.isEmpty());
}

QTEST_APPLESS_MAIN(TestDelimitedText)
#include "tst_delimitedtext.moc"
