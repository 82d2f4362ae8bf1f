// What the update reads from the Data folder and the update server: file names, firmware
// images, table files and the download index.

#include "fuzzharness.h"

#include "files/firmwarecheck.h"
#include "firmware/downloadindex.h"
#include "firmware/firmwarefile.h"
#include "firmware/packets.h"
#include "firmware/sendcheck.h"
#include "firmware/tablefile.h"
#include "firmware/transferheader.h"
#include "link/hexcommand.h"

#include <QSet>

#include <tuple>

namespace {

const char* const batteryTypes[] = {"QPA", "QPB", "QPC", "ZRA/ZRA Mini", "ZRC", "ZRD"};

} // namespace

// The names in the Data folder, as downloaded or copied there by a user: the image chosen
// for a target, the table file chosen for a battery type and the checks before a transfer
// stay within what the names say.
FUZZ_SURFACE(firmwarenames) {
    const char* const runningVersions[] = {"V3.12-A", "V1.5-B", "V0.0-A"};
    const char* const tableVersions[] = {"V3.7", "V0.0", "V12.1"};
    const QString batteryType = takeKnownOrAny(input, batteryTypes);
    const QString running = takeKnownOrAny(input, runningVersions);
    const QString tableRunning = takeKnownOrAny(input, tableVersions);
    const QStringList names = QString::fromUtf8(takeRest(input)).split(QLatin1Char('\n'));

    const RunningVersion version = parseRunningVersion(running);
    for (const QString& name : names) {
        const std::optional<FirmwareFileName> parsed = parseFirmwareFileName(name);
        if (!parsed)
            continue;
        FUZZ_REQUIRE(parsed->fileName == name && parsed->main >= 0 && parsed->sub >= 0);
        sendAllowed(checkFirmwareSend(QString::number(parsed->main), QString::number(parsed->sub),
                                      version.main, version.sub, batteryType));
    }
    // The image chosen for a target: no other image of the target and family, for the other
    // section, is newer.
    const QString family = familyCode(batteryType);
    for (FirmwareTarget target : {FirmwareTarget::Bmu, FirmwareTarget::Bms}) {
        const QString type = targetText(target);
        const auto best = selectFirmwareFile(names, type, family, running);
        if (!best)
            continue;
        FUZZ_REQUIRE(names.contains(best->fileName));
        FUZZ_REQUIRE(best->type == type && best->family == family);
        FUZZ_REQUIRE(best->section != running.right(1) && (best->main > 0 || best->sub > 0));
        for (const QString& name : names) {
            const auto other = parseFirmwareFileName(name);
            if (other && other->type == type && other->family == family &&
                other->section != running.right(1))
                FUZZ_REQUIRE(std::tie(other->main, other->sub) <= std::tie(best->main, best->sub));
        }
        firmwareHint(target, version, best->main, best->sub);
    }

    const TableScan scan = scanTableFileNames(names, batteryType, tableRunning);
    if (!scan.selectedFile.isEmpty()) {
        FUZZ_REQUIRE(names.contains(scan.selectedFile));
        FUZZ_REQUIRE(scan.selectedFile.startsWith(batteryType.left(3) + QLatin1Char('-')));
    }
}

// An image as loaded from its file: the header that announces it and the packets that
// carry it deliver, taken together, exactly the image's bytes.
FUZZ_SURFACE(firmwareimage) {
    const FirmwareTarget target = input.ConsumeBool() ? FirmwareTarget::Bmu : FirmwareTarget::Bms;
    const int main = input.ConsumeIntegralInRange(-1, 300);
    const int sub = input.ConsumeIntegralInRange(-1, 300);
    const QString section = input.ConsumeBool() ? QStringLiteral("A") : takeText(input, 4);
    const QByteArray image = takeRest(input);

    const QString header = firmwareHeaderText(target, main, sub, section, image.size());
    FUZZ_REQUIRE(header.isEmpty() == !versionFitsHeader(main, sub));
    if (!header.isEmpty()) {
        const QByteArray frame = hexToBytes(appendCrcHex(header));
        FUZZ_REQUIRE(frame.size() == 19 && crcIsValid(frame));
        FUZZ_REQUIRE(byteAt(frame, 7) == main && byteAt(frame, 8) == sub);
        FUZZ_REQUIRE((wordBE(frame, 13) | wordBE(frame, 15) << 16) == image.size());
    }
    const quint16 firstRegister = targetInfo(target).packetRegister;
    const QStringList packets = splitIntoPackets(image);
    FUZZ_REQUIRE(packets.size() == packetCountFor(image.size()));
    QByteArray delivered;
    for (int i = 0; i < packets.size(); ++i) {
        const QByteArray frame = hexToBytes(packetCommand(firstRegister, packets, i));
        FUZZ_REQUIRE(crcIsValid(frame));
        FUZZ_REQUIRE(wordBE(frame, 2) == firstRegister && wordBE(frame, 7) == i + 1);
        const int length = int(wordBE(frame, 9) << 16 | wordBE(frame, 11));
        FUZZ_REQUIRE(length <= Packet::DataBytes && byteAt(frame, 6) == length + 6);
        FUZZ_REQUIRE(frame.size() == 13 + length + 2);
        delivered += frame.mid(13, length);
    }
    FUZZ_REQUIRE(delivered == image);
    FUZZ_REQUIRE(packetCommand(firstRegister, packets, packets.size()).isEmpty());

    // The CRC the file check shows is the one a file name must carry for the image.
    const FirmwareCheck check =
        checkFirmwareFile(writeScratchFile(QStringLiteral("fw.bin"), image));
    FUZZ_REQUIRE(check.ok() == !image.isEmpty());
    if (check.ok())
        FUZZ_REQUIRE(checkFirmwareImage(image, check.crc) == ImageCheck::Good &&
                     check.size == image.size());
}

// Table files in three layers (Base64, hex text, table bytes with their CRC): the CRC
// check decides, and a table is announced by a header carrying its own version bytes.
FUZZ_SURFACE(tablefile) {
    const QString batteryType = takeKnownOrAny(input, batteryTypes);
    const TableBlock block = decodeTableFile(takeRest(input));
    tableCrcMatches(block);
    // What the tool writes, it reads back to the same bytes with a CRC that matches.
    const TableBlock again = decodeTableFile(encodeTableFile(block.tableData));
    FUZZ_REQUIRE(again.tableData == block.tableData && tableCrcMatches(again));

    const QString header = tableHeaderText(batteryType, block.tableData);
    FUZZ_REQUIRE(header.isEmpty() == !tableTypeCode(batteryType).has_value());
    if (!header.isEmpty()) {
        const QByteArray frame = hexToBytes(appendCrcHex(header));
        FUZZ_REQUIRE(frame.size() == 19);
        FUZZ_REQUIRE(byteAt(frame, 9) == byteAt(block.tableData, TableLayout::MainVersionOffset));
        FUZZ_REQUIRE(byteAt(frame, 10) == byteAt(block.tableData, TableLayout::SubVersionOffset));
    }
}

// log.txt from the update server: each file it names is fetched once and lands inside the
// Data folder, whatever it holds.
FUZZ_SURFACE(downloadindex) {
    const QStringList local = QString::fromUtf8(takeBytes(input, 512)).split(QLatin1Char('\n'));
    const QStringList entries = parseDownloadIndex(takeRest(input));
    for (const QString& entry : entries)
        FUZZ_REQUIRE(entry == entry.simplified());
    const QStringList missing = selectMissingFiles(entries, local);
    FUZZ_REQUIRE(QSet<QString>(missing.begin(), missing.end()).size() == missing.size());
    for (const QString& name : missing) {
        FUZZ_REQUIRE(entries.contains(name) && !(local.contains(name) && isBinFileName(name)));
        const QString fileName = downloadFileName(QStringLiteral("/Data/") + name);
        FUZZ_REQUIRE(!fileName.isEmpty() && !fileName.contains(QLatin1Char('/')));
    }
}
