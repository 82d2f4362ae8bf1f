#include "firmware/downloadindex.h"

#include <QtTest>

class TestDownloadIndex : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void missing_data();
    void missing();
    void localNames_data();
    void localNames();
};

void TestDownloadIndex::parse_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("two lines") << QByteArray("a.bin\nb.bin\n") << QStringList{"a.bin", "b.bin"};
    QTest::newRow("no final line break")
        << QByteArray("a.bin\nb.bin") << QStringList{"a.bin", "b.bin"};
    QTest::newRow("CRLF and outer blanks")
        << QByteArray("  a.bin \r\n\tb.bin\r\n") << QStringList{"a.bin", "b.bin"};
    QTest::newRow("inner runs reduced")
        << QByteArray("my   file\t.bin\n") << QStringList{"my file .bin"};
    QTest::newRow("blank line is an entry")
        << QByteArray("a.bin\n\n   \nb.bin\n") << QStringList{"a.bin", "", "", "b.bin"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("one line break") << QByteArray("\n") << QStringList{""};
}

void TestDownloadIndex::parse() {
    QFETCH(QByteArray, content);
    QTEST(parseDownloadIndex(content), "entries");
}

void TestDownloadIndex::missing_data() {
    QTest::addColumn<QStringList>("index");
    QTest::addColumn<QStringList>("local");
    QTest::addColumn<QStringList>("missing");
    const QStringList index{"BMU-P3-3.1-A-1111.bin", "BMS-P3-2.0-B-2222.bin", "QPA-TAB-2-3.7.bin"};
    QTest::newRow("all present") << index << index << QStringList{};
    QTest::newRow("none present, index order") << index << QStringList{"log.txt"} << index;
    QTest::newRow("some present") << index << QStringList{"BMS-P3-2.0-B-2222.bin"}
                                  << QStringList{"BMU-P3-3.1-A-1111.bin", "QPA-TAB-2-3.7.bin"};
    QTest::newRow("case differs: downloaded")
        << QStringList{"QPA-TAB-2-3.7.bin"} << QStringList{"qpa-tab-2-3.7.bin"}
        << QStringList{"QPA-TAB-2-3.7.bin"};
    QTest::newRow("only .bin files count as present")
        << QStringList{"notes.txt", "a.BIN"} << QStringList{"notes.txt", "a.BIN"}
        << QStringList{"notes.txt"};
    QTest::newRow("listed twice, fetched once")
        << QStringList{"a.bin", "b.bin", "a.bin"} << QStringList{} << QStringList{"a.bin", "b.bin"};
    QTest::newRow("blank entry names no file")
        << QStringList{"", "a.bin", ""} << QStringList{} << QStringList{"a.bin"};
}

void TestDownloadIndex::missing() {
    QFETCH(QStringList, index);
    QFETCH(QStringList, local);
    QTEST(selectMissingFiles(index, local), "missing");
}

void TestDownloadIndex::localNames_data() {
    QTest::addColumn<QString>("urlPath");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("index") << "/Data/log.txt"
                           << "log.txt";
    QTest::newRow("image") << "/Data/BMU-P3-3.1-A-1111.bin"
                           << "BMU-P3-3.1-A-1111.bin";
    QTest::newRow("blank entry") << "/Data/"
                                 << "ftpget.out";
}

void TestDownloadIndex::localNames() {
    QFETCH(QString, urlPath);
    QTEST(downloadFileName(urlPath), "fileName");
}

QTEST_GUILESS_MAIN(TestDownloadIndex)
#include "tst_downloadindex.moc"
