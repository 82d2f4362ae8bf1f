// What an update sends (packets and headers) and the files of the Data folder it sends:
// image names and their CRC, the image and table file chosen, the checks before sending,
// the table file's layers, and what the download index leaves to fetch. The download from
// the server is tests/session/tst_download.cpp.

#include "firmware/downloadindex.h"
#include "firmware/firmwarefile.h"
#include "firmware/packets.h"
#include "firmware/sendcheck.h"
#include "firmware/tablefile.h"
#include "firmware/transferheader.h"
#include "link/bytes.h"
#include "link/crc.h"
#include "link/hexcommand.h"

#include <QtTest>

Q_DECLARE_METATYPE(ImageCheck)
Q_DECLARE_METATYPE(SendCheck)
Q_DECLARE_METATYPE(FirmwareTarget)

namespace {

// A deterministic image whose bytes differ from packet to packet.
QByteArray imageOf(int size) {
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 7 + i / 128) & 0xFF);
    return image;
}

} // namespace

class TestFirmware : public QObject {
    Q_OBJECT

private slots:
    // Every frame checked to its data and the data reassembled: the BMU receives the image
    // byte for byte. The last packet is the short one, its register count rounded down.
    void packets_data() {
        QTest::addColumn<int>("firstRegister");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("lastHead");
        QTest::newRow("empty image: one empty packet")
            << 0x05F7 << 0 << 1 << "01 10 05 F7 00 03 06 00 01 00 00 00 00";
        QTest::newRow("odd length")
            << 0x05F7 << 127 << 1 << "01 10 05 F7 00 42 85 00 01 00 00 00 7F";
        QTest::newRow("multiple of 128: empty closing packet")
            << 0x0647 << 128 << 2 << "01 10 06 47 00 03 06 00 02 00 00 00 00";
        QTest::newRow("table") << 0x0407 << 1068 << 9 << "01 10 04 07 00 19 32 00 09 00 00 00 2C";
    }
    void packets() {
        QFETCH(int, firstRegister);
        QFETCH(int, size);
        QFETCH(QString, lastHead);
        const QByteArray image = imageOf(size);
        const QStringList list = splitIntoPackets(image);
        QTEST(list.size(), "count");
        QTEST(int(packetCountFor(size)), "count");
        QByteArray received;
        for (int i = 0; i < list.size(); ++i) {
            const QByteArray frame = hexToBytes(packetCommand(quint16(firstRegister), list, i));
            const QString fullHead = QStringLiteral("0110 %1 0043 86 %2 0000 0080")
                                         .arg(hexField(quint16(firstRegister)), hexField(i + 1));
            QCOMPARE(frame.left(13), hexToBytes(i + 1 < list.size() ? fullHead : lastHead));
            QCOMPARE(modbusCrc16(frame.chopped(2)), wordLE(frame, frame.size() - 2));
            received += frame.mid(13, frame.size() - 15);
        }
        QCOMPARE(received, image);
        QVERIFY(packetCommand(quint16(firstRegister), list, -1).isEmpty());
        QVERIFY(packetCommand(quint16(firstRegister), list, list.size()).isEmpty());
    }

    // The headers that open a transfer; nothing for what they cannot announce. The table
    // header takes the table's own version bytes and its type's code.
    void headers_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QString& header, const char* expected) {
            QTest::newRow(name) << header << QString(expected);
        };
        const auto bmu = FirmwareTarget::Bmu;
        row("BMS 3.12 section B", firmwareHeaderText(FirmwareTarget::Bms, 3, 12, "B", 204800),
            "01 10 06 40 00 05 0A 03 0C 00 01 81 00 20 00 00 03");
        row("empty image, largest versions", firmwareHeaderText(bmu, 255, 255, "A", 0),
            "01 10 05 F0 00 05 0A FF FF 00 00 81 00 00 00 00 00");
        row("section text other than A counts as B", firmwareHeaderText(bmu, 1, 0, "a", 1),
            "01 10 05 F0 00 05 0A 01 00 00 01 81 00 00 01 00 00");
        row("main version 256", firmwareHeaderText(bmu, 256, 0, "A", 10), "");
        row("sub version 300", firmwareHeaderText(bmu, 1, 300, "A", 10), "");
        row("negative version", firmwareHeaderText(bmu, -1, 0, "A", 10), "");
        // Packet numbers are 16 bits: the largest image fills packet 65535.
        row("65535 packets", firmwareHeaderText(bmu, 1, 0, "A", qint64(65534) * 128 + 127),
            "01 10 05 F0 00 05 0A 01 00 00 00 81 00 FF 7F 00 7F");
        row("65536 packets", firmwareHeaderText(bmu, 1, 0, "A", qint64(65535) * 128), "");
        QByteArray table(TableLayout::Length, '\x5A');
        table[1057] = 3;
        table[1059] = 7;
        row("table of ZRA/ZRA Mini", tableHeaderText("ZRA/ZRA Mini", table),
            "01 10 04 00 00 05 0A 00 02 03 07 81 00 04 2C 00 00");
        row("table of an unknown type", tableHeaderText("ZRA", table), "");
    }
    void headers() {
        QFETCH(QString, header);
        QFETCH(QString, expected);
        QCOMPARE(hexToBytes(header), hexToBytes(expected));
    }

    // The image armed for a unit and the hint beside it, as the update finds them: only
    // images for the section not running count, of the family of the battery type; versions
    // compare as numbers and names that are not five fields ending ".bin" are never taken.
    void imageChoice_data() {
        QTest::addColumn<QStringList>("chosen"); // the file and the hint
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("hint"); // a part of the hint, empty: none
        const QStringList mixed{
            "BMU-P3-3.9-B-1111.bin",   "BMU-P3-3.12-B-2222.BIN", "BMU-P3-4.9-A-3333.bin",
            "BMS-P3-9.9-B-4444.bin",   "BMU-P2-9.9-B-5555.bin",  "log.txt",
            "BMU-P3-9.9-B-0000.txt",   "BMU-P3-0.0-B-6666.bin",  "BMU-P3-9.9-9999.bin",
            "BMU-P3-9.9-B-x-9999.bin", "BMU-P3-9-B-9999.bin",    "BMU-P3-9.x-B-9999.bin"};
        const auto row =
            [](const char* name, const QStringList& files, FirmwareTarget target, const char* type,
               const char* running, const char* expected, const char* hint) {
                const auto best =
                    selectFirmwareFile(files, targetText(target), familyCode(type), running);
                QTest::newRow(name)
                    << QStringList{best ? best->fileName : QString(),
                                   firmwareHint(target, parseRunningVersion(running),
                                                best ? best->main : 0, best ? best->sub : 0)}
                    << expected << hint;
            };
        const auto bmu = FirmwareTarget::Bmu, bms = FirmwareTarget::Bms;
        const char *newer = "There is new version", *subNewer = "from server,then",
                   *mainNewer = "Firmware,then";
        row("highest of the other section", mixed, bmu, "QPC", "V3.1-A", "BMU-P3-3.12-B-2222.BIN",
            newer);
        row("running B takes section A, running sub newer as a number", mixed, bmu, "QPC",
            "V4.10-B", "BMU-P3-4.9-A-3333.bin", subNewer);
        row("BMS by type, BMS at 0.0: none answered, no hint", mixed, bms, "QPC", "V0.0-A",
            "BMS-P3-9.9-B-4444.bin", "");
        row("low-voltage family, equal: no hint", mixed, bmu, "ZRA/ZRA Mini", "V9.9-A",
            "BMU-P2-9.9-B-5555.bin", "");
        row("type of no family: no image", mixed, bmu, "qpa", "V1.0-A", "", mainNewer);
        row("version 0.0 never taken", {"BMU-P3-0.0-B-6666.bin"}, bmu, "QPC", "V1.0-A", "",
            mainNewer);
        row("equal versions: first in name order, case ignored; BMU at 0.0 hints",
            {"BMU-P3-2.1-B-BBBB.bin", "BMU-P3-2.1-B-cccc.bin", "BMU-P3-2.1-B-aaaa.bin"}, bmu, "QPC",
            "V0.0-A", "BMU-P3-2.1-B-aaaa.bin", newer);
        row("not refreshed: every section counts", {"BMU-P3-2.1-A-1111.bin"}, bmu, "QPC", "",
            "BMU-P3-2.1-A-1111.bin", newer);
    }
    void imageChoice() {
        QFETCH(QStringList, chosen);
        QFETCH(QString, hint);
        QTEST(chosen[0], "expected");
        QVERIFY2(hint.isEmpty() ? chosen[1].isEmpty() : chosen[1].contains(hint),
                 qPrintable(chosen[1]));
    }

    // Only an image with bytes whose CRC is the one in its name may be armed: a 0-byte file
    // named "-FFFF" matches its CRC too and once sent a header of size 0.
    void imageChecks_data() {
        QTest::addColumn<ImageCheck>("check");
        QTest::addColumn<ImageCheck>("expected");
        const QByteArray read = QByteArray::fromHex("010300000066");
        QTest::newRow("empty file named FFFF")
            << checkFirmwareImage({}, "FFFF") << ImageCheck::Empty;
        QTest::newRow("low byte first") << checkFirmwareImage(read, "C5E0") << ImageCheck::Good;
        QTest::newRow("high byte first is wrong")
            << checkFirmwareImage(read, "E0C5") << ImageCheck::CrcMismatch;
        QTest::newRow("lower-case text is wrong")
            << checkFirmwareImage("123456789", "374b") << ImageCheck::CrcMismatch;
    }
    void imageChecks() {
        QFETCH(ImageCheck, check);
        QTEST(check, "expected");
    }

    // The installer's check before an update: which images go out, which are refused.
    void sendChecks_data() {
        QTest::addColumn<SendCheck>("check");
        QTest::addColumn<SendCheck>("expected");
        QTest::addColumn<bool>("allowed");
        const auto row = [](const char* name, const QString& image, const QString& running,
                            const char* type, SendCheck expected, bool allowed) {
            const QStringList n = image.split('.'), r = running.split('.');
            QTest::newRow(name) << checkFirmwareSend(n.value(0), n.value(1), r.value(0), r.value(1),
                                                     type)
                                << expected << allowed;
        };
        row("no image", "", "3.5", "QPB", SendCheck::NoImage, false);
        row("unit reports no version", "3.6", "0.12", "QPB", SendCheck::NoRunningVersion, false);
        row("LV image on HV", "2.9", "3.5", "QPC", SendCheck::NotForHighVoltage, false);
        row("HV image on LV", "3.0", "2.1", "ZRA/ZRA Mini", SendCheck::NotForLowVoltage, false);
        row("newer sub, as a number", "3.12", "3.9", "QPB", SendCheck::NewerSub, true);
        row("older sub", "3.4", "3.5", "QPB", SendCheck::OlderSub, false);
        row("newer main, no type", "3.0", "2.9", "", SendCheck::NewerMain, true);
        row("older main: a deliberate change of line", "2.0", "3.1", "ZRD", SendCheck::OlderMain,
            true);
    }
    void sendChecks() {
        QFETCH(SendCheck, check);
        QTEST(check, "expected");
        QTEST(sendAllowed(check), "allowed");
    }

    // Each layer decoded from hand-built content, as the packaging of other tools writes it.
    void tableFileLayers_data() {
        QTest::addColumn<QByteArray>("decoded"); // table bytes, CRC text, whether they match
        QTest::addColumn<QByteArray>("expected");
        const auto decoded = [](const QByteArray& hexText) {
            const TableBlock block = decodeTableFile(hexText.toBase64());
            return block.tableData.toHex() + ' ' + block.crcText.toLatin1() +
                   (tableCrcMatches(block) ? " good" : " bad");
        };
        const QByteArray crc = crcText(modbusCrc16(QByteArray::fromHex("0102fffe"))).toLatin1();
        QTest::newRow("grouped lower-case values")
            << decoded("0102 fffe " + crc) << "0102fffe " + crc + " good";
        QTest::newRow("text after the first NUL is ignored")
            << decoded("0102fffe" + crc + QByteArray(1, '\0') + "abcd")
            << "0102fffe " + crc + " good";
        QTest::newRow("damaged hex digit")
            << decoded("0102fffd" + crc) << "0102fffd " + crc + " bad";
        QTest::newRow("one byte only") << decoded("ab") << QByteArray(" AB bad");
    }
    void tableFileLayers() {
        QFETCH(QByteArray, decoded);
        QTEST(decoded, "expected");
    }

    // The table file to load (none when none is newer) and the version shown.
    void tableFileChoice_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("expected");
        const QStringList files{"ZRA-TAB-2-1.4.bin",   "ZRA-TAB-2-1.6.bin", "ZRA-TAB-2-1.10.bin",
                                "QPA-TAB-2-3.7.bin",   "ZRD-TAB-1-9.9.bin", "ZRA-TAB-2-9.9.txt",
                                "ZRA-TAB-2-x-9.9.bin", "ZRA-2-9.9.bin"};
        const auto row = [](const char* name, const QStringList& files, const char* type,
                            const char* running, const char* selected, const char* shown) {
            const TableScan scan = scanTableFileNames(files, type, running);
            QTest::newRow(name) << QStringList{scan.selectedFile, scan.shownVersion}
                                << QStringList{selected, shown};
        };
        row("newest of the type, versions as numbers", files, "ZRA/ZRA Mini", "V1.5",
            "ZRA-TAB-2-1.10.bin", "V1.10");
        row("nothing newer shows the last matching file", files, "ZRA/ZRA Mini", "V2.0", "",
            "V1.6");
        row("equal to running is not newer", {"QPA-TAB-2-3.7.bin"}, "QPA", "V3.7", "", "V3.7");
        row("not refreshed: any version is newer", {"QPA-TAB-2-0.1.bin"}, "QPA", "",
            "QPA-TAB-2-0.1.bin", "V0.1");
        row("same version twice: last in name order", {"QPA-TAB-b-3.8.bin", "QPA-TAB-A-3.8.bin"},
            "QPA", "V3.7", "QPA-TAB-b-3.8.bin", "V3.8");
    }
    void tableFileChoice() {
        QFETCH(QStringList, chosen);
        QTEST(chosen, "expected");
    }

    // The index entries no finished image of the folder carries, in index order, each once.
    void missingFiles_data() {
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QStringList>("expected");
        const auto missing = [](const QByteArray& index, const QStringList& local) {
            return selectMissingFiles(parseDownloadIndex(index), local);
        };
        QTest::newRow("inner runs reduced, CRLF, no final break")
            << missing("my   file\t.bin\r\nb.bin", {"b.bin"}) << QStringList{"my file .bin"};
        QTest::newRow("partial and other files are not present")
            << missing("notes.txt\na.bin\n", {"notes.txt", "a.bin.part"})
            << QStringList{"notes.txt", "a.bin"};
        QTest::newRow("listed twice, fetched once")
            << missing("a.bin\nb.bin\na.bin\n", {}) << QStringList{"a.bin", "b.bin"};
    }
    void missingFiles() {
        QFETCH(QStringList, missing);
        QTEST(missing, "expected");
    }
};

QTEST_GUILESS_MAIN(TestFirmware)
#include "tst_firmware.moc"
