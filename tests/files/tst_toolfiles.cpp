// The files the tool writes and checks: exports of result tables, the firmware check, a
// parameter-table sheet packaged into a table file, and the table scan of the Data folder.
#include "filefixture.h"

#include "files/firmwarecheck.h"
#include "files/spreadsheetreader.h"
#include "files/tableexport.h"
#include "files/tablepackage.h"
#include "firmware/tablefile.h"
#include "link/bytes.h"

#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// Runs `job` while files cannot grow beyond 16 bytes: writes past that fail with EFBIG, as
// on a full disk.
QString onFullDisk(const std::function<QString()>& job) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit full{16, saved.rlim_max};
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    const QString error = job();
    setrlimit(RLIMIT_FSIZE, &saved);
    return error;
}

} // namespace

class TestToolFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // The CRC as a file name carries it, or why there is none. Sizes beyond an image are
    // refused before reading: over 2 GB the whole-file read came back empty and the file
    // was reported as empty.
    void firmwareCheck_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("hole"); // sparse size instead of content; -1: no file at all
        QTest::addColumn<QString>("result");
        QTest::newRow("two bytes") << QByteArray("\xB0\x87") << qint64(0) << "3412"; // 0x1234
        QTest::newRow("empty") << QByteArray() << qint64(0) << "is empty";
        QTest::newRow("missing") << QByteArray() << qint64(-1) << "cannot be opened";
        QTest::newRow("9 MB") << QByteArray() << qint64(9) * 1024 * 1024
                              << "is too large to be a firmware image";
        QTest::newRow("over 2 GB") << QByteArray() << (qint64(2) << 30) + 1 << "is too large";
    }
    void firmwareCheck() {
        QFETCH(QByteArray, content);
        QFETCH(qint64, hole);
        QFETCH(QString, result);
        const QString path = dir.filePath(QStringLiteral("fw.bin"));
        QFile::remove(path);
        QFile file(path);
        if (hole >= 0) {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            QVERIFY(file.resize(qMax(hole, qint64(content.size())))); // a hole takes no blocks
            file.close();
        }
        const FirmwareCheck check = checkFirmwareFile(path);
        if (check.ok()) {
            QCOMPARE(check.crc, result);
            QCOMPARE(check.size, qint64(content.size()));
        } else {
            QVERIFY2(check.error.contains(path) && check.error.contains(result),
                     qPrintable(check.error));
            QCOMPARE(check.crc, QString());
        }
    }

    // A file larger than any table is left out of the scan, so the largest version is not
    // necessarily the one picked (and no refresh reads a huge file whole).
    void tableScanSkipsLargeFiles() {
        const QString data = dir.filePath(QStringLiteral("Data"));
        QVERIFY(QDir().mkpath(data));
        QVERIFY(writeBytes(data + "/QPA-TAB-2-3.7.bin",
                           encodeTableFile(QByteArray(tableByteCount, '\0'))));
        QVERIFY(writeBytes(data + "/QPA-TAB-2-3.8.bin", QByteArray(int(maxTableFileSize), 'A')));
        QVERIFY(
            writeBytes(data + "/QPA-TAB-2-3.9.bin", QByteArray(int(maxTableFileSize) + 1, 'A')));
        QCOMPARE(scanTableFolder(data, "QPA", "V3.6").selectedFile, QString("QPA-TAB-2-3.8.bin"));
        QVERIFY(QFile::remove(data + "/QPA-TAB-2-3.8.bin"));
        QCOMPARE(scanTableFolder(data, "QPA", "V3.6").selectedFile, QString("QPA-TAB-2-3.7.bin"));
    }

    // The 16-bit word a value cell becomes, as the table update loads it from the file, or
    // why the sheet makes no table (and then no file either).
    void cells_data() {
        QTest::addColumn<SheetRows>("rows");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("offset"); // of the word in the table
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("message");
        // The fixture's first row holds 65535, 2287, -1, 0, 2996, 300; its last the version
        // 3.7 and the hex text "00a5".
        const SheetRows fixtureRows = readFirstWorksheet(fixture("param-table-qpa.xlsx")).rows;
        QCOMPARE(fixtureRows.size(), tableRowCount + 1);
        const auto changed = [&](int row, int column, const QString& value) {
            SheetRows rows = fixtureRows;
            rows[row][column] = value;
            return rows;
        };
        QTest::newRow("2287") << fixtureRows << "QPA" << 2 << 2287 << "";
        QTest::newRow("-1") << fixtureRows << "QPA" << 4 << 0xFFFF << "";
        QTest::newRow("version") << fixtureRows << "QPA" << 1056 << 3 << "";
        QTest::newRow("hex text") << fixtureRows << "QPA" << 1066 << 0x00A5 << "";
        QTest::newRow("lowest") << changed(5, 13, "-32768") << "QPA" << 70 << 0x8000 << "";
        QTest::newRow("text counts as 0") << changed(0, 3, "n/a") << "QPA" << 0 << 0 << "";
        QTest::newRow("last value that lost its zeros")
            << changed(88, 13, "165") << "QPA" << 1066 << 0x0165 << "";
        QTest::newRow("empty sheet") << SheetRows{} << "QPA" << 0 << 0 << "empty";
        QTest::newRow("one row short") << fixtureRows.mid(1) << "QPA" << 0 << 0 << "holds 89 rows";
        QTest::newRow("value above the range")
            << changed(4, 7, "65536") << "QPA" << 0 << 0 << "H5 holds 65536";
        QTest::newRow("last value not hex")
            << changed(88, 13, "checksum") << "QPA" << 0 << 0 << "N89";
        QTest::newRow("version not a byte")
            << changed(88, 5, "-1") << "QPA" << 0 << 0 << "D89 and F89";
        QTest::newRow("unknown battery type")
            << fixtureRows << "ZRD" << 0 << 0 << "Unknown battery type";
    }
    void cells() {
        QFETCH(SheetRows, rows);
        QFETCH(QString, type);
        QFETCH(int, offset);
        QFETCH(QString, message);
        const TablePackage package = packageParameterTable(rows, type);
        if (!message.isEmpty()) {
            QVERIFY2(package.error.contains(message), qPrintable(package.error));
            QVERIFY(package.content.isEmpty() && package.fileName.isEmpty());
            return;
        }
        const TableBlock block = decodeTableFile(package.content);
        QVERIFY(tableCrcMatches(block));
        QTEST(int(wordBE(block.tableData, offset)), "word");
    }

    // The format follows the name and the file reads back as written. `head` is how the
    // file starts, none when it cannot be written: then an earlier export stays as it was,
    // nothing partial is left, and the error names the file and the reason.
    void exportFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QByteArray>("head");
        const QByteArray zip("PK\x03\x04");
        // GB2312 text (℃ is A1 E6), no quoting; 20 digits and leading zeros stay text in a
        // workbook.
        const QByteArray text("Date&Time\tCode\tCell_Max_T(\xA1\xE6)\tLog Data\t\n"
                              "say \"hi\"\t007\t\tx,y\t\n2023-04-17 08:05:03\t00\t25\t"
                              "00000000000000000012\t");
        const QByteArray none;
        const QByteArray earlier("earlier export");
        QTest::newRow(".xlsx gets a workbook") << "t.xlsx" << earlier << false << zip;
        QTest::newRow(".XLSX gets a workbook") << "T.XLSX" << none << false << zip;
        QTest::newRow(".xls gets text") << "t.xls" << earlier << false << text;
        QTest::newRow(".xlsx.txt gets text") << "t.xlsx.txt" << none << false << text;
        QTest::newRow("text into a missing folder") << "missing/t.txt" << none << false << none;
        QTest::newRow("text over an earlier export, disk full")
            << "t.txt" << earlier << true << none;
        QTest::newRow("workbook over an earlier export, disk full")
            << "t.xlsx" << earlier << true << none;
    }
    void exportFiles() {
        QFETCH(QString, name);
        QFETCH(QByteArray, earlier);
        QFETCH(bool, fullDisk);
        QFETCH(QByteArray, head);
        const ExportTable table{{"Date&Time", "Code", "Cell_Max_T(℃)", "Log Data"},
                                {{"say \"hi\"", "007", "", "x,y"},
                                 {"2023-04-17 08:05:03", "00", "25", "00000000000000000012"}}};
        const QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (!earlier.isEmpty())
            QVERIFY(writeBytes(path, earlier));
        const auto write = [&] { return writeTableFile(path, table); };
        const QString error = fullDisk ? onFullDisk(write) : write();
        if (head.isEmpty()) {
            const QString reason = qt_error_string(fullDisk ? EFBIG : ENOENT);
            QVERIFY2(error.contains(path) && error.contains(reason), qPrintable(error));
            QCOMPARE(readBytes(path), earlier);
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                     earlier.isEmpty() ? 0 : 1);
            return;
        }
        QCOMPARE(error, QString());
        QVERIFY(readBytes(path).startsWith(head));
        const SheetReadResult back = readFirstWorksheet(path);
        QVERIFY2(back.ok(), qPrintable(back.error));
        QCOMPARE(back.rows, SheetRows() << table.header << table.rows);
    }
};

QTEST_GUILESS_MAIN(TestToolFiles)
#include "tst_toolfiles.moc"
