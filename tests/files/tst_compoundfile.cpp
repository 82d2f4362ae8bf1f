#include "compoundfilebuilder.h"

#include "files/compoundfile.h"

#include <QtTest>

using namespace CompoundFileBuilder;

namespace {

QByteArray pattern(int size) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char(i * 7 + i / 256));
    return bytes;
}

const QStringList workbookNames{QStringLiteral("Workbook"), QStringLiteral("Book")};

} // namespace

class TestCompoundFile : public QObject {
    Q_OBJECT

private slots:
    void readsTheStream_data();
    void readsTheStream();
    void damagedFilesGiveAnError_data();
    void damagedFilesGiveAnError();
};

void TestCompoundFile::readsTheStream_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::newRow("regular sectors, several") << "Workbook" << 5000;
    QTest::newRow("regular sectors, exactly the cut-off") << "Workbook" << 4096;
    QTest::newRow("mini stream, several mini sectors") << "Workbook" << 1000;
    QTest::newRow("mini stream, one byte") << "Workbook" << 1;
    QTest::newRow("name in other case") << "WORKBOOK" << 600;
    QTest::newRow("older name") << "Book" << 4500;
}

void TestCompoundFile::readsTheStream() {
    QFETCH(QString, name);
    QFETCH(int, size);
    const QByteArray content = pattern(size);
    const CompoundStream stream = readCompoundStream(build(name, content), workbookNames);
    QVERIFY2(stream.ok(), qPrintable(stream.error));
    QCOMPARE(stream.bytes, content);
}

void TestCompoundFile::damagedFilesGiveAnError_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");
    const QByteArray regular = build(QStringLiteral("Workbook"), pattern(5000));
    const QByteArray small = build(QStringLiteral("Workbook"), pattern(300));
    const QString damaged = QStringLiteral("damaged");
    auto changed = [](QByteArray file, int offset, quint32 value) {
        put32(file, offset, value);
        return file;
    };

    QTest::newRow("header only") << regular.left(512) << damaged;
    QTest::newRow("cut inside the stream") << regular.left(sectorOffset(5)) << damaged;
    QTest::newRow("sector size 128") << [&] {
        QByteArray file = regular;
        put16(file, 0x1E, 7);
        return file;
    }() << damaged;
    // A stated name length far beyond the 64-byte field must not be read beyond it.
    QTest::newRow("directory name length 0xFFFF") << [&] {
        QByteArray file = regular;
        put16(file, directoryEntryOffset(1) + 64, 0xFFFF);
        return file;
    }() << "no workbook";
    QTest::newRow("no workbook stream")
        << build(QStringLiteral("Contents"), pattern(5000)) << "no workbook";
    QTest::newRow("chain runs in a circle")
        << changed(regular, fatEntryOffset(FirstDataSector + 9), FirstDataSector) << damaged;
    QTest::newRow("chain leaves the file")
        << changed(regular, fatEntryOffset(FirstDataSector), 100000) << damaged;
    // Sector numbers with the top bit set once turned negative and passed the bounds checks.
    QTest::newRow("chain entry 0x80000000")
        << changed(regular, fatEntryOffset(FirstDataSector), 0x80000000) << damaged;
    QTest::newRow("directory sector 0x80000001") << changed(regular, 0x30, 0x80000001) << damaged;
    QTest::newRow("FAT sector 0x80000000") << changed(regular, 0x4C, 0x80000000) << damaged;
    QTest::newRow("DIFAT sector 0x80000000") << changed(regular, 0x44, 0x80000000) << damaged;
    QTest::newRow("mini chain entry 0x80000000")
        << changed(small, sectorOffset(2), 0x80000000) << damaged;
    QTest::newRow("stream start past the end")
        << changed(regular, directoryEntryOffset(1) + 116, 70000) << damaged;
    QTest::newRow("stream longer than its chain")
        << changed(regular, directoryEntryOffset(1) + 120, 9000) << damaged;
    QTest::newRow("directory chain past the end") << changed(regular, 0x30, 0x7FFFFFFF) << damaged;
    QTest::newRow("FAT sector past the end") << changed(regular, 0x4C, 0x7FFFFFFF) << damaged;
    QTest::newRow("DIFAT chain points at itself") << [&] {
        QByteArray file = changed(regular, 0x44, 2);
        for (int i = 0; i < 128; ++i)
            put32(file, sectorOffset(2) + 4 * i, 2);
        return file;
    }() << damaged;
    QTest::newRow("mini chain runs in a circle")
        << changed(small, sectorOffset(2) + 4 * 4, 0) << damaged;
    QTest::newRow("mini chain leaves the mini stream")
        << changed(small, sectorOffset(2), 5000) << damaged;
}

void TestCompoundFile::damagedFilesGiveAnError() {
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    const CompoundStream stream = readCompoundStream(file, workbookNames);
    QVERIFY(!stream.ok());
    QVERIFY2(stream.error.contains(error), qPrintable(stream.error));
    QVERIFY(stream.bytes.isEmpty());
}

QTEST_APPLESS_MAIN(TestCompoundFile)
#include "tst_compoundfile.moc"
