#include "cli/transferfiles.h"

#include "cli/clitext.h"
#include "cli/fileinput.h"
#include "firmware/firmwarefile.h"
#include "firmware/packets.h"
#include "firmware/sendcheck.h"
#include "firmware/tablefile.h"
#include "firmware/transferheader.h"
#include "link/hexcommand.h"
#include "monitor/systemsnapshot.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Largest image whose packets can all be numbered.
constexpr qint64 largestImage = qint64(Packet::MaxPackets) * Packet::DataBytes - 1;

// Why the installer's check refuses an update; nothing for the checks that let it go.
const struct {
    SendCheck check;
    const char* reason;
} sendRefusals[] = {
    {SendCheck::NoRunningVersion,
     QT_TRANSLATE_NOOP("Cli", "the system reports no running version: check the link "
                              "between the BMU and the BMS.")},
    {SendCheck::NotForHighVoltage,
     QT_TRANSLATE_NOOP("Cli", "the image is not for a high-voltage system.")},
    {SendCheck::NotForLowVoltage,
     QT_TRANSLATE_NOOP("Cli", "the image is not for a low-voltage system.")},
    {SendCheck::SameVersion, QT_TRANSLATE_NOOP("Cli", "the unit runs this version already.")},
    {SendCheck::OlderSub,
     QT_TRANSLATE_NOOP("Cli",
                       "the image is older than the running firmware: download the latest.")},
};

TransferChoice refused(const QString& reason) {
    TransferChoice choice;
    choice.refusal = reason;
    return choice;
}

QStringList filesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::Files);
}

} // namespace

TransferChoice chooseFirmware(const SystemSnapshot& system, FirmwareTarget target,
                              const QString& dataFolder, const QString& file, bool force) {
    const QString targetName = targetText(target);
    const QString running =
        target == FirmwareTarget::Bmu ? system.overview.bmuVersion : system.overview.bmsVersion;
    const QString family = familyCode(system.batteryType);

    std::optional<FirmwareFileName> name;
    QString path = file;
    if (file.isEmpty()) {
        name = selectFirmwareFile(filesOf(dataFolder), targetName, family, running);
        if (!name)
            return refused(Cli::tr("%1 holds no %2 firmware image for this system: "
                                   "download first.")
                               .arg(QDir::toNativeSeparators(dataFolder), targetName));
        path = QDir(dataFolder).filePath(name->fileName);
    } else {
        name = parseFirmwareFileName(QFileInfo(file).fileName());
        if (!name)
            return refused(Cli::tr("%1 is not named as a firmware image "
                                   "(TYPE-FAMILY-MAIN.SUB-SECTION-CRC.bin).")
                               .arg(file));
        if (name->type != targetName || name->family != family)
            return refused(Cli::tr("%1 is not a %2 image for this system (%2-%3-...).")
                               .arg(file, targetName, family));
        if (name->section == running.right(1))
            return refused(Cli::tr("%1 is for section %2, which the %3 runs now.")
                               .arg(file, name->section, targetName));
    }

    QByteArray image;
    QString error;
    if (!readWholeFile(path, &image, &error))
        return refused(error);
    if (!versionFitsHeader(name->main, name->sub) || image.size() > largestImage)
        return refused(Cli::tr("%1 cannot be sent: its version is above 255 or the image "
                               "needs more than 65535 packets.")
                           .arg(path));
    if (checkFirmwareImage(image, name->crcText) != ImageCheck::Good)
        return refused(Cli::tr("%1 is incomplete (its CRC does not match its name): "
                               "delete it and download it again.")
                           .arg(path));
    if (!force) {
        const RunningVersion now = parseRunningVersion(running);
        const SendCheck check =
            checkFirmwareSend(QString::number(name->main), QString::number(name->sub), now.main,
                              now.sub, system.batteryType);
        for (const auto& entry : sendRefusals)
            if (entry.check == check)
                return refused(Cli::tr("Not sent: %1 (--force sends it all the same.)")
                                   .arg(Cli::tr(entry.reason)));
    }

    TransferChoice choice;
    choice.path = path;
    choice.version = QStringLiteral("%1.%2").arg(name->main).arg(name->sub);
    choice.size = image.size();
    const QString header = appendCrcHex(
        firmwareHeaderText(target, name->main, name->sub, name->section, image.size()));
    choice.plan = TransferPlan::firmware(target, hexToBytes(header), splitIntoPackets(image));
    return choice;
}

TransferChoice chooseTable(const SystemSnapshot& system, const QString& dataFolder,
                           const QString& file) {
    const QString type = system.batteryType;
    // A file given is taken when it is a table of this battery type, of any version.
    const TableScan scan =
        file.isEmpty()
            ? scanTableFileNames(filesOf(dataFolder), type, system.overview.tableVersion)
            : scanTableFileNames({QFileInfo(file).fileName()}, type, QStringLiteral("V0.0"));
    if (scan.selectedFile.isEmpty())
        return refused(file.isEmpty() ? Cli::tr("%1 holds no %2 parameter table newer than the "
                                                "running %3.")
                                            .arg(QDir::toNativeSeparators(dataFolder), type.left(3),
                                                 system.overview.tableVersion)
                                      : Cli::tr("%1 is not named as a %2 parameter table "
                                                "(%2-TAB-CODE-MAIN.SUB.bin).")
                                            .arg(file, type.left(3)));
    const QString path = file.isEmpty() ? QDir(dataFolder).filePath(scan.selectedFile) : file;

    QByteArray content;
    QString error;
    if (!readWholeFile(path, &content, &error))
        return refused(error);
    const TableBlock block = decodeTableFile(content);
    if (!tableCrcMatches(block))
        return refused(
            Cli::tr("%1 is damaged (its CRC does not match): download it again.").arg(path));
    if (!tableTypeCode(type))
        return refused(Cli::tr("The battery type \"%1\" takes no parameter table.").arg(type));
    if (block.tableData.size() != TableLayout::Length)
        return refused(Cli::tr("%1 holds %2 table bytes instead of %3.")
                           .arg(path)
                           .arg(block.tableData.size())
                           .arg(TableLayout::Length));

    TransferChoice choice;
    choice.path = path;
    choice.version = scan.shownVersion.mid(1);
    choice.size = block.tableData.size();
    const QString header = appendCrcHex(tableHeaderText(type, block.tableData));
    choice.plan = TransferPlan::table(hexToBytes(header), splitIntoPackets(block.tableData));
    return choice;
}
