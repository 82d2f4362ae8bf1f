// The files of the Data folder: firmware images (their names, the one chosen for a unit,
// the hint beside it, the CRC check before arming and the check before sending), the
// parameter-table file and its choice, the download index and what it leaves to fetch.

#include "firmware/downloadindex.h"
#include "firmware/firmwarefile.h"
#include "firmware/sendcheck.h"
#include "firmware/tablefile.h"
#include "link/crc.h"

#include <QtTest>

Q_DECLARE_METATYPE(ImageCheck)
Q_DECLARE_METATYPE(SendCheck)
Q_DECLARE_METATYPE(FirmwareTarget)

namespace {

QByteArray tableOf(int size) {
    QByteArray table(size, '\0');
    for (int i = 0; i < size; ++i)
        table[i] = char((i * 13 + 5) & 0xFF);
    return table;
}

} // namespace

class TestDataFolder : public QObject {
    Q_OBJECT

private slots:
    // Parsed as "type family main sub section crc"; empty when the name is refused.
    void parseNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fields");
        const auto row = [](const char* name, const char* fields) {
            QTest::newRow(name) << name << fields;
        };
        row("BMU-P3-3.12-B-3FA2.bin", "BMU P3 3 12 B 3FA2");
        row("BMS-P2-1.5-A-00FF.BIN", "BMS P2 1 5 A 00FF");
        row("BMU-P3-3.12-B-3F.bin", "BMU P3 3 12 B 3F.b");
        row("BMU-P3-3.12-3FA2.bin", "");
        row("BMU-P3-3.12-B-x-3FA2.bin", "");
        row("BMU-P3-3-B-3FA2.bin", "");
        row("BMU-P3-3.x-B-3FA2.bin", "");
        row("BMU-P3-3.12-B-3FA2.hex", "");
    }
    void parseNames() {
        QFETCH(QString, name);
        QFETCH(QString, fields);
        const std::optional<FirmwareFileName> p = parseFirmwareFileName(name);
        QCOMPARE(p.has_value(), !fields.isEmpty());
        if (p) {
            QCOMPARE(QStringList({p->type, p->family, QString::number(p->main),
                                  QString::number(p->sub), p->section, p->crcText})
                         .join(' '),
                     fields);
            QCOMPARE(p->fileName, name);
        }
    }

    void familyCodes() {
        for (const auto& [type, code] : {std::pair{"QPC", "P3"},
                                         {"ZRA/ZRA Mini", "P2"},
                                         {"ZRD", "P2"},
                                         {"", ""},
                                         {"qpa", ""}}) {
            QCOMPARE(familyCode(type), QString(code));
            QCOMPARE(isHighVoltageType(type), QString(code) == "P3");
            QCOMPARE(isLowVoltageType(type), QString(code) == "P2");
        }
    }

    void selection_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("expected");
        const QStringList mixed{"BMU-P3-3.9-B-1111.bin",  "BMU-P3-3.12-B-2222.bin",
                                "BMU-P3-4.0-A-3333.bin",  "BMS-P3-9.9-B-4444.bin",
                                "BMU-P2-9.9-B-5555.bin",  "log.txt",
                                "BMU-P3-3.12-B-0000.txt", "BMU-P3-0.0-B-6666.bin"};
        const auto row = [](const char* name, const QStringList& files, const char* type,
                            const char* family, const char* running, const char* expected) {
            QTest::newRow(name) << files << type << family << running << expected;
        };
        row("highest of the other section", mixed, "BMU", "P3", "V3.1-A", "BMU-P3-3.12-B-2222.bin");
        row("running B takes section A", mixed, "BMU", "P3", "V3.1-B", "BMU-P3-4.0-A-3333.bin");
        row("BMS by type", mixed, "BMS", "P3", "V1.0-A", "BMS-P3-9.9-B-4444.bin");
        row("family decides", mixed, "BMU", "P2", "V1.0-A", "BMU-P2-9.9-B-5555.bin");
        row("no family, nothing", mixed, "BMU", "", "V1.0-A", "");
        row("version 0.0 never taken", {"BMU-P3-0.0-B-6666.bin"}, "BMU", "P3", "V1.0-A", "");
        row("equal versions: first in name order, case ignored",
            {"BMU-P3-2.1-B-BBBB.bin", "BMU-P3-2.1-B-cccc.bin", "BMU-P3-2.1-B-aaaa.bin"}, "BMU",
            "P3", "V1.0-A", "BMU-P3-2.1-B-aaaa.bin");
        row("not refreshed: every section counts", {"BMU-P3-2.1-A-1111.bin"}, "BMU", "P3", "",
            "BMU-P3-2.1-A-1111.bin");
    }
    void selection() {
        QFETCH(QStringList, files);
        QFETCH(QString, type);
        QFETCH(QString, family);
        QFETCH(QString, running);
        const std::optional<FirmwareFileName> best =
            selectFirmwareFile(files, type, family, running);
        QTEST(best ? best->fileName : QString(), "expected");
    }

    void runningVersion() {
        const RunningVersion version = parseRunningVersion("V12.34-B");
        QCOMPARE(version.main + '.' + version.sub, QStringLiteral("12.34"));
        QCOMPARE(parseRunningVersion("").main, QString());
    }

    void hints_data() {
        QTest::addColumn<FirmwareTarget>("target");
        QTest::addColumn<QString>("running");
        QTest::addColumn<int>("bestMain");
        QTest::addColumn<int>("bestSub");
        QTest::addColumn<QString>("hint");
        const auto bmu = FirmwareTarget::Bmu, bms = FirmwareTarget::Bms;
        const char* bmuNewer = "There is new version for BMU Firmware,please update it. ";
        QTest::newRow("BMU newer") << bmu << "V1.5-A" << 1 << 6 << bmuNewer;
        QTest::newRow("BMU running sub newer")
            << bmu << "V1.5-A" << 1 << 4
            << "Please download the new BMU Firmware from server,then update it! ";
        QTest::newRow("BMU running main newer")
            << bmu << "V2.0-A" << 1 << 9 << "Please download the new BMU Firmware,then update it! ";
        QTest::newRow("BMU equal") << bmu << "V1.5-A" << 1 << 5 << "";
        QTest::newRow("BMS newer") << bms << "V1.5-B" << 1 << 6
                                   << "There is new version of BMS Firmware,please update it. ";
        QTest::newRow("BMS no file")
            << bms << "V1.5-B" << 0 << 0 << "Please download the new BMS Firmware,then update it! ";
        QTest::newRow("BMS 0.0 silent") << bms << "V0.0-A" << 3 << 0 << "";
        QTest::newRow("BMU 0.0 still hints") << bmu << "V0.0-A" << 3 << 0 << bmuNewer;
    }
    void hints() {
        QFETCH(FirmwareTarget, target);
        QFETCH(QString, running);
        QFETCH(int, bestMain);
        QFETCH(int, bestSub);
        QTEST(firmwareHint(target, parseRunningVersion(running), bestMain, bestSub), "hint");
    }

    // Only an image with bytes whose CRC is the one in its name may be armed: a 0-byte file
    // named "-FFFF" matches its CRC too and once sent a header of size 0.
    void imageChecks_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<ImageCheck>("check");
        const QByteArray read = QByteArray::fromHex("010300000066");
        QTest::newRow("empty file named FFFF") << QByteArray() << "FFFF" << ImageCheck::Empty;
        QTest::newRow("low byte first") << read << "C5E0" << ImageCheck::Good;
        QTest::newRow("high byte first is wrong") << read << "E0C5" << ImageCheck::CrcMismatch;
        QTest::newRow("lower-case text is wrong")
            << QByteArray("123456789") << "374b" << ImageCheck::CrcMismatch;
        QTest::newRow("one byte changed")
            << QByteArray("123456780") << "374B" << ImageCheck::CrcMismatch;
    }
    void imageChecks() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QTEST(checkFirmwareImage(content, expected), "check");
    }

    // The installer's check before an update: which images go out, which are refused.
    void sendChecks_data() {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("batteryType");
        QTest::addColumn<SendCheck>("check");
        QTest::addColumn<bool>("allowed");
        const auto row = [](const char* name, const char* image, const char* running,
                            const char* type, SendCheck check, bool allowed) {
            QTest::newRow(name) << image << running << type << check << allowed;
        };
        row("no image", "", "3.5", "QPB", SendCheck::NoImage, false);
        row("unit reports no version", "3.6", "0.12", "QPB", SendCheck::NoRunningVersion, false);
        row("LV image on HV", "2.9", "3.5", "QPC", SendCheck::NotForHighVoltage, false);
        row("HV image on LV", "3.0", "2.1", "ZRA/ZRA Mini", SendCheck::NotForLowVoltage, false);
        row("newer sub, as a number", "3.12", "3.9", "QPB", SendCheck::NewerSub, true);
        row("same version", "3.5", "3.5", "QPB", SendCheck::SameVersion, false);
        row("older sub", "3.4", "3.5", "QPB", SendCheck::OlderSub, false);
        row("newer main, no type", "3.0", "2.9", "", SendCheck::NewerMain, true);
        row("older main: a deliberate change of line", "2.0", "3.1", "ZRD", SendCheck::OlderMain,
            true);
    }
    void sendChecks() {
        QFETCH(QString, image);
        QFETCH(QString, running);
        QFETCH(QString, batteryType);
        const QStringList n = image.split('.'), r = running.split('.');
        const SendCheck got =
            checkFirmwareSend(n.value(0), n.value(1), r.value(0), r.value(1), batteryType);
        QTEST(got, "check");
        QTEST(sendAllowed(got), "allowed");
    }

    void tableFileRoundTrip_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("table length") << 1068;
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
        const TableBlock block = decodeTableFile(hexText.toBase64());
        QCOMPARE(block.tableData, tableData);
        QTEST(block.crcText, "crc");
        QTEST(tableCrcMatches(block), "valid");
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
        const auto row = [](const char* name, const QStringList& files, const char* type,
                            const char* running, const char* selected, const char* shown) {
            QTest::newRow(name) << files << type << running << selected << shown;
        };
        row("newest of the type, versions as numbers", files, "ZRA/ZRA Mini", "V1.5",
            "ZRA-TAB-2-1.10.bin", "V1.10");
        row("nothing newer shows the last matching file", files, "ZRA/ZRA Mini", "V2.0", "",
            "V1.6");
        row("equal to running is not newer", {"QPA-TAB-2-3.7.bin"}, "QPA", "V3.7", "", "V3.7");
        row("no matching file", files, "QPC", "V1.0", "", "");
        row("not refreshed: any version is newer", {"QPA-TAB-2-0.1.bin"}, "QPA", "",
            "QPA-TAB-2-0.1.bin", "V0.1");
        row("same version twice: last in name order", {"QPA-TAB-b-3.8.bin", "QPA-TAB-A-3.8.bin"},
            "QPA", "V3.7", "QPA-TAB-b-3.8.bin", "V3.8");
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

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
