#include "firmware/downloadindex.h"
#include "firmware/tablefile.h"
#include "link/crc.h"

#include <QtTest>

namespace {

QByteArray tableOf(int size) {
    QByteArray table(size, '\0');
    for (int i = 0; i < size; ++i)
        table[i] = char((i * 13 + 5) & 0xFF);
    return table;
}

} // namespace

// The files of the Data folder: the parameter-table file and its choice, the download
// index and what it leaves to fetch.
class TestUpdateFiles : public QObject {
    Q_OBJECT

private slots:
    void tableFileRoundTrip_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("table length") << 1068;
        QTest::newRow("odd length") << 7;
        QTest::newRow("empty table") << 0;
    }

    void tableFileRoundTrip() {
        QFETCH(int, size);
        const QByteArray table = tableOf(size);
        const QByteArray content = encodeTableFile(table);
        QVERIFY(!content.contains('\n'));
        const TableBlock block = decodeTableFile(content);
        QCOMPARE(block.tableData, table);
        QCOMPARE(block.crcText, crcText(modbusCrc16(table)));
        QVERIFY(tableCrcMatches(block));
    }

    // Each layer decoded by hand-built content, as the packaging of other tools writes it.
    void tableFileLayers_data() {
        QTest::addColumn<QByteArray>("hexText");
        QTest::addColumn<QByteArray>("tableData");
        QTest::addColumn<QString>("crc");
        QTest::addColumn<bool>("valid");
        const QByteArray table = QByteArray::fromHex("0102fffe");
        const QString good = crcText(modbusCrc16(table));
        QTest::newRow("grouped lower-case values")
            << QByteArray("0102 fffe " + good.toLatin1()) << table << good << true;
        QTest::newRow("text after the first NUL is ignored")
            << QByteArray("0102fffe" + good.toLatin1() + QByteArray(1, '\0') + "abcd") << table
            << good << true;
        QTest::newRow("damaged hex digit") << QByteArray("0102fffd" + good.toLatin1())
                                           << QByteArray::fromHex("0102fffd") << good << false;
        QTest::newRow("one byte only") << QByteArray("ab") << QByteArray() << "AB" << false;
        QTest::newRow("nothing") << QByteArray() << QByteArray() << "" << false;
    }

    void tableFileLayers() {
        QFETCH(QByteArray, hexText);
        QFETCH(QByteArray, tableData);
        QFETCH(QString, crc);
        QFETCH(bool, valid);
        const TableBlock block = decodeTableFile(hexText.toBase64());
        QCOMPARE(block.tableData, tableData);
        QCOMPARE(block.crcText, crc);
        QCOMPARE(tableCrcMatches(block), valid);
    }

    void tableFileChoice_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("batteryType");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("shown");
        const QStringList files{"ZRA-TAB-2-1.4.bin",   "ZRA-TAB-2-1.6.bin", "ZRA-TAB-2-1.10.bin",
                                "QPA-TAB-2-3.7.bin",   "ZRD-TAB-1-9.9.bin", "ZRA-TAB-2-9.9.txt",
                                "ZRA-TAB-2-x-9.9.bin", "ZRA-2-9.9.bin"};
        QTest::newRow("newest of the type, versions as numbers") << files << "ZRA/ZRA Mini"
                                                                 << "V1.5"
                                                                 << "ZRA-TAB-2-1.10.bin"
                                                                 << "V1.10";
        QTest::newRow("other type") << files << "ZRD"
                                    << "V1.0"
                                    << "ZRD-TAB-1-9.9.bin"
                                    << "V9.9";
        QTest::newRow("nothing newer shows the last matching file") << files << "ZRA/ZRA Mini"
                                                                    << "V2.0"
                                                                    << ""
                                                                    << "V1.6";
        QTest::newRow("equal to running is not newer") << QStringList{"QPA-TAB-2-3.7.bin"} << "QPA"
                                                       << "V3.7"
                                                       << ""
                                                       << "V3.7";
        QTest::newRow("no matching file") << files << "QPC"
                                          << "V1.0"
                                          << ""
                                          << "";
        QTest::newRow("not refreshed: any version is newer")
            << QStringList{"QPA-TAB-2-0.1.bin"} << "QPA"
            << ""
            << "QPA-TAB-2-0.1.bin"
            << "V0.1";
        QTest::newRow("same version twice: last in name order")
            << QStringList{"QPA-TAB-b-3.8.bin", "QPA-TAB-A-3.8.bin"} << "QPA"
            << "V3.7"
            << "QPA-TAB-b-3.8.bin"
            << "V3.8";
    }

    void tableFileChoice() {
        QFETCH(QStringList, files);
        QFETCH(QString, batteryType);
        QFETCH(QString, running);
        const TableScan result = scanTableFileNames(files, batteryType, running);
        QTEST(result.selectedFile, "selected");
        QTEST(result.shownVersion, "shown");
    }

    void indexLines_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("two lines") << QByteArray("a.bin\nb.bin\n") << QStringList{"a.bin", "b.bin"};
        QTest::newRow("CRLF and outer blanks")
            << QByteArray("  a.bin \r\n\tb.bin\r\n") << QStringList{"a.bin", "b.bin"};
        QTest::newRow("inner runs reduced")
            << QByteArray("my   file\t.bin\n") << QStringList{"my file .bin"};
        QTest::newRow("blank line is an entry")
            << QByteArray("a.bin\n\n   \nb.bin\n") << QStringList{"a.bin", "", "", "b.bin"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void indexLines() {
        QFETCH(QByteArray, content);
        QTEST(parseDownloadIndex(content), "entries");
    }

    void missingFiles_data() {
        QTest::addColumn<QStringList>("index");
        QTest::addColumn<QStringList>("local");
        QTest::addColumn<QStringList>("missing");
        const QStringList index{"BMU-P3-3.1-A-1111.bin", "BMS-P3-2.0-B-2222.bin",
                                "QPA-TAB-2-3.7.bin"};
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
            << QStringList{"a.bin", "b.bin", "a.bin"} << QStringList{}
            << QStringList{"a.bin", "b.bin"};
        QTest::newRow("blank entry names no file")
            << QStringList{"", "a.bin", ""} << QStringList{} << QStringList{"a.bin"};
    }

    void missingFiles() {
        QFETCH(QStringList, index);
        QFETCH(QStringList, local);
        QTEST(selectMissingFiles(index, local), "missing");
    }

    void localFileNames_data() {
        QTest::addColumn<QString>("urlPath");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("index") << "/Data/log.txt"
                               << "log.txt";
        QTest::newRow("image") << "/Data/BMU-P3-3.1-A-1111.bin"
                               << "BMU-P3-3.1-A-1111.bin";
        QTest::newRow("blank entry") << "/Data/"
                                     << "ftpget.out";
    }

    void localFileNames() {
        QFETCH(QString, urlPath);
        QTEST(downloadFileName(urlPath), "fileName");
    }
};

QTEST_GUILESS_MAIN(TestUpdateFiles)
#include "tst_updatefiles.moc"
