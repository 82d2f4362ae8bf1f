#include "files/tableexport.h"

#include <QTemporaryDir>
#include <QtTest>

class TestTableExport : public QObject {
    Q_OBJECT

private slots:
    void textLines_data();
    void textLines();
    void gb2312Bytes();
    void textFileHasNoQuoting();
    void formatFollowsTheName_data();
    void formatFollowsTheName();
    void unwritablePathIsReported_data();
    void unwritablePathIsReported();

private:
    QTemporaryDir dir;
};

void TestTableExport::textLines_data() {
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("text");
    QTest::newRow("header and rows, each cell followed by a tab")
        << QStringList{"Date&Time", "Code", "Description"}
        << QList<QStringList>{{"2023-04-17 08:05:03", "00", "Power ON"}}
        << "Date&Time\tCode\tDescription\t\n2023-04-17 08:05:03\t00\tPower ON\t";
    QTest::newRow("columns but no rows: only the header line")
        << QStringList{"Module", "Cell No."} << QList<QStringList>{} << "Module\tCell No.\t";
    QTest::newRow("empty and missing cells are just a tab")
        << QStringList{"a", "b", "c"} << QList<QStringList>{{"1", "", "3"}, {"4"}, {}}
        << "a\tb\tc\t\n1\t\t3\t\n4\t\t\t\n\t\t\t";
    QTest::newRow("a column without a header item")
        << QStringList{"a", "", "c"} << QList<QStringList>{{"1", "2", "3"}}
        << "a\t\tc\t\n1\t2\t3\t";
    QTest::newRow("no columns: empty lines") << QStringList{} << QList<QStringList>{{}} << "\n";
}

void TestTableExport::textLines() {
    QFETCH(QStringList, header);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, text);
    QCOMPARE(tabSeparatedText({header, rows}), text);
}

void TestTableExport::gb2312Bytes() {
    const ExportTable table{{QStringLiteral("Cell_Max_T(℃)")}, {{QStringLiteral("温度")}}};
    // ℃ is A1 E6 in GB2312, 温 CE C2, 度 B6 C8.
    QCOMPARE(tabSeparatedGb2312(table), QByteArray("Cell_Max_T(\xA1\xE6)\t\n\xCE\xC2\xB6\xC8\t"));
}

void TestTableExport::textFileHasNoQuoting() {
    const QString path = dir.filePath(QStringLiteral("quotes.txt"));
    const ExportTable table{{"a", "b"}, {{"say \"hi\"", "x,y"}}};
    QCOMPARE(writeTableFile(path, table), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("a\tb\t\nsay \"hi\"\tx,y\t"));
}

void TestTableExport::formatFollowsTheName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("signature");
    QTest::newRow(".xlsx gets a workbook") << "t.xlsx" << QByteArray("PK\x03\x04");
    QTest::newRow(".XLSX gets a workbook") << "T.XLSX" << QByteArray("PK\x03\x04");
    QTest::newRow(".xls gets text") << "t.xls" << QByteArray("h\t");
    QTest::newRow(".txt gets text") << "t.txt" << QByteArray("h\t");
    QTest::newRow("no suffix gets text") << "t" << QByteArray("h\t");
    QTest::newRow(".xlsx.txt gets text") << "t.xlsx.txt" << QByteArray("h\t");
}

void TestTableExport::formatFollowsTheName() {
    QFETCH(QString, name);
    QFETCH(QByteArray, signature);
    const QString path = dir.filePath(name);
    QCOMPARE(writeTableFile(path, {{"h"}, {{"v"}}}), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(signature));
}

void TestTableExport::unwritablePathIsReported_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("text") << "missing-folder/t.txt";
    QTest::newRow("workbook") << "missing-folder/t.xlsx";
}

void TestTableExport::unwritablePathIsReported() {
    QFETCH(QString, name);
    const QString path = dir.filePath(name);
    const QString error = writeTableFile(path, {{"h"}, {{"v"}}});
    QVERIFY(error.contains(path));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestTableExport)
#include "tst_tableexport.moc"
