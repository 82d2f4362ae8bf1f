#include "app/passwordcodec.h"
#include "firmware/tablefile.h"
#include "link/bytes.h"
#include "link/crc.h"
#include "sim/demodata.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool newer(const QString& versionText, FirmwareVersion running) {
    const QStringList parts = versionText.split(QLatin1Char('.'));
    const int main = parts.value(0).toInt();
    const int sub = parts.value(1).toInt();
    return main > running.main || (main == running.main && sub > running.sub);
}

// The three layers of a table file: Base64, hex text (blanks skipped), bytes and CRC.
QByteArray decodeTable(const QByteArray& content) {
    return QByteArray::fromHex(QByteArray::fromBase64(content));
}

} // namespace

class TestDemoData : public QObject {
    Q_OBJECT

private slots:
    void encodeTableFile_data();
    void encodeTableFile();
    void preparesAWorkingFolder_data();
    void preparesAWorkingFolder();
    void dataFolderCanGoToAnUpdateServer();
};

void TestDemoData::encodeTableFile_data() {
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QByteArray>("hexText");
    QTest::newRow("empty: the CRC of nothing") << QByteArray() << QByteArray("FFFF");
    QTest::newRow("one value 300")
        << QByteArray::fromHex("012c")
        << QByteArray("012c ") + crcText(modbusCrc16(QByteArray::fromHex("012c"))).toLatin1();
    QTest::newRow("value -1 and an odd byte")
        << QByteArray::fromHex("ffff05")
        << QByteArray("ffff 05 ") + crcText(modbusCrc16(QByteArray::fromHex("ffff05"))).toLatin1();
}

void TestDemoData::encodeTableFile() {
    QFETCH(QByteArray, table);
    QFETCH(QByteArray, hexText);
    QCOMPARE(QByteArray::fromBase64(::encodeTableFile(table)), hexText);
}

void TestDemoData::preparesAWorkingFolder_data() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::newRow("hv") << SystemPreset::HighVoltage;
    QTest::newRow("lv") << SystemPreset::LowVoltage;
    QTest::newRow("qpa5") << SystemPreset::Qpa5;
}

void TestDemoData::preparesAWorkingFolder() {
    QFETCH(SystemPreset, preset);
    const SystemProfile profile = systemProfile(preset);
    QTemporaryDir dir;
    QString error;
    QVERIFY2(prepareDemoFolder(dir.path(), preset, QString(), &error), qPrintable(error));

    // Every role's password, stored as the login reads it.
    QSettings config(dir.filePath("Config.ini"), QSettings::IniFormat);
    config.beginGroup("B");
    for (const DemoPassword& entry : demoPasswords())
        QCOMPARE(decodeStoredPassword(config.value(entry.key).toString()),
                 QString::fromLatin1(entry.password));
    QCOMPARE(demoPasswords().size(), 4);

    const QDir data(dir.filePath("Data"));
    const QStringList listed = QString::fromLatin1(readFile(data.filePath("log.txt")))
                                   .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(listed.size(), 3);
    QStringList present = data.entryList({"*.bin"}, QDir::Files);
    QStringList sortedListed = listed;
    sortedListed.sort();
    present.sort();
    QCOMPARE(present, sortedListed);

    for (const QString& name : listed) {
        const QByteArray content = readFile(data.filePath(name));
        const QStringList fields = QString(name).remove(QStringLiteral(".bin")).split('-');
        if (fields.value(1) == QLatin1String("TAB")) {
            // Table: <type>-TAB-<code>-<main>.<sub>.bin
            QCOMPARE(fields.size(), 4);
            QCOMPARE(fields[0], profile.batteryTypeName.left(3));
            QCOMPARE(fields[2].toInt(), int(profile.batteryTypeCode));
            QVERIFY(newer(fields[3], profile.table));
            const QByteArray block = decodeTable(content);
            QCOMPARE(block.size(), 1068 + 2);
            const QByteArray table = block.left(1068);
            QCOMPARE(wordLE(block, 1068), modbusCrc16(table));
            QCOMPARE(QStringLiteral("%1.%2").arg(byteAt(table, 1057)).arg(byteAt(table, 1059)),
                     fields[3]);
            continue;
        }
        // Firmware: <type>-<family>-<main>.<sub>-<section>-<CRC>.bin
        QCOMPARE(fields.size(), 5);
        const bool bms = fields[0] == QLatin1String("BMS");
        QVERIFY(bms || fields[0] == QLatin1String("BMU"));
        QCOMPARE(fields[1], profile.familyCode);
        QVERIFY(newer(fields[2], bms ? profile.bmsA : profile.bmuA));
        QCOMPARE(fields[3], QStringLiteral("B")); // the section that is not running
        QCOMPARE(fields[4], crcText(modbusCrc16(content)));
        QCOMPARE(content, demoFirmwareImage(profile, bms));
    }
}

void TestDemoData::dataFolderCanGoToAnUpdateServer() {
    QTemporaryDir dir;
    QString error;
    const QString work = dir.filePath("work");
    const QString server = dir.filePath("server");
    QVERIFY2(prepareDemoFolder(work, SystemPreset::LowVoltage, server, &error), qPrintable(error));
    QVERIFY(QFile::exists(work + "/Config.ini"));
    QVERIFY(!QFile::exists(work + "/Data"));
    QVERIFY(QFile::exists(server + "/Data/log.txt"));
    QVERIFY(!QFile::exists(server + "/Config.ini"));
    QVERIFY(!prepareDemoFolder(dir.filePath("work/Config.ini/x"), SystemPreset::LowVoltage,
                               QString(), &error));
}

QTEST_GUILESS_MAIN(TestDemoData)
#include "tst_demodata.moc"
