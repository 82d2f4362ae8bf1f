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

class TestTableFile : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void layers_data();
    void layers();
    void scan_data();
    void scan();
};

void TestTableFile::roundTrip_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("table length") << 1068;
    QTest::newRow("odd length") << 7;
    QTest::newRow("empty table") << 0;
}

void TestTableFile::roundTrip() {
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
void TestTableFile::layers_data() {
    QTest::addColumn<QByteArray>("hexText");
    QTest::addColumn<QByteArray>("tableData");
    QTest::addColumn<QString>("crc");
    QTest::addColumn<bool>("valid");
    const QByteArray table = QByteArray::fromHex("0102fffe");
    const QString good = crcText(modbusCrc16(table));
    QTest::newRow("grouped lower-case values")
        << QByteArray("0102 fffe " + good.toLatin1()) << table << good << true;
    QTest::newRow("text after the first NUL is ignored")
        << QByteArray("0102fffe" + good.toLatin1() + QByteArray(1, '\0') + "abcd") << table << good
        << true;
    QTest::newRow("damaged hex digit") << QByteArray("0102fffd" + good.toLatin1())
                                       << QByteArray::fromHex("0102fffd") << good << false;
    QTest::newRow("one byte only") << QByteArray("ab") << QByteArray() << "AB" << false;
    QTest::newRow("nothing") << QByteArray() << QByteArray() << "" << false;
}

void TestTableFile::layers() {
    QFETCH(QByteArray, hexText);
    QFETCH(QByteArray, tableData);
    QFETCH(QString, crc);
    QFETCH(bool, valid);
    const TableBlock block = decodeTableFile(hexText.toBase64());
    QCOMPARE(block.tableData, tableData);
    QCOMPARE(block.crcText, crc);
    QCOMPARE(tableCrcMatches(block), valid);
}

void TestTableFile::scan_data() {
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

void TestTableFile::scan() {
    QFETCH(QStringList, files);
    QFETCH(QString, batteryType);
    QFETCH(QString, running);
    const TableScan result = scanTableFileNames(files, batteryType, running);
    QTEST(result.selectedFile, "selected");
    QTEST(result.shownVersion, "shown");
}

QTEST_GUILESS_MAIN(TestTableFile)
#include "tst_tablefile.moc"
