// The names of the files in the Data folder, as downloaded or copied there by a user:
// the firmware image chosen for a target, the table file chosen for a battery type and
// the checks before a transfer must stay within what the names say.

#include "fuzzinput.h"

#include "firmware/firmwarefile.h"
#include "firmware/sendcheck.h"
#include "firmware/tablefile.h"

namespace {

const char* const batteryTypes[] = {"QPA", "QPB", "QPC", "ZRA/ZRA Mini", "ZRC", "ZRD"};
const char* const runningVersions[] = {"V3.12-A", "V1.5-B", "V0.0-A"};
const char* const tableVersions[] = {"V3.7", "V0.0", "V12.1"};

bool newer(int main, int sub, int otherMain, int otherSub) {
    return main > otherMain || (main == otherMain && sub > otherSub);
}

void checkFirmwareChoice(const QStringList& names, FirmwareTarget target, const QString& family,
                         const QString& running) {
    const QString type = targetText(target);
    const std::optional<FirmwareFileName> best = selectFirmwareFile(names, type, family, running);
    if (!best)
        return;
    FUZZ_REQUIRE(names.contains(best->fileName));
    FUZZ_REQUIRE(best->type == type && best->family == family);
    FUZZ_REQUIRE(best->section != running.right(1));
    FUZZ_REQUIRE(best->main > 0 || best->sub > 0);
    // No other image of the target and family, for the other section, is newer.
    for (const QString& name : names) {
        const std::optional<FirmwareFileName> other = parseFirmwareFileName(name);
        if (other && other->type == type && other->family == family &&
            other->section != running.right(1))
            FUZZ_REQUIRE(!newer(other->main, other->sub, best->main, best->sub));
    }
    const RunningVersion version = parseRunningVersion(running);
    firmwareHint(target, version, best->main, best->sub);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString batteryType = takeKnownOrAny(input, batteryTypes);
    const QString running = takeKnownOrAny(input, runningVersions);
    const QString tableRunning = takeKnownOrAny(input, tableVersions);
    const QStringList names = QString::fromUtf8(takeRest(input)).split(QLatin1Char('\n'));

    for (const QString& name : names) {
        const std::optional<FirmwareFileName> parsed = parseFirmwareFileName(name);
        if (!parsed)
            continue;
        FUZZ_REQUIRE(parsed->fileName == name && parsed->main >= 0 && parsed->sub >= 0);
        FUZZ_REQUIRE(parsed->crcText.size() <= 4);
        const QString newMain = QString::number(parsed->main);
        const QString newSub = QString::number(parsed->sub);
        const RunningVersion version = parseRunningVersion(running);
        sendAllowed(checkFirmwareSend(newMain, newSub, version.main, version.sub, batteryType));
    }
    const QString family = familyCode(batteryType);
    for (FirmwareTarget target : {FirmwareTarget::Bmu, FirmwareTarget::Bms})
        checkFirmwareChoice(names, target, family, running);

    const TableScan scan = scanTableFileNames(names, batteryType, tableRunning);
    if (!scan.selectedFile.isEmpty()) {
        FUZZ_REQUIRE(names.contains(scan.selectedFile));
        FUZZ_REQUIRE(scan.selectedFile.startsWith(batteryType.left(3) + QLatin1Char('-')));
        FUZZ_REQUIRE(scan.shownVersion.startsWith(QLatin1Char('V')));
    }
    return 0;
}
