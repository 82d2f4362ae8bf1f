#include "firmware/update.h"
#include "app/logcategories.h"

#include "app/mainwindow_form.h"
#include "firmware/firmwarefile.h"
#include "firmware/packets.h"
#include "firmware/panetext.h"
#include "firmware/tablefile.h"
#include "firmware/transferheader.h"
#include "link/hexcommand.h"
#include "monitor/systemsnapshot.h"

#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTextEdit>

namespace {

const char noImageText[] =
    QT_TRANSLATE_NOOP("Update", "Please download the Firmware file firstly.");
const char incompleteText[] = QT_TRANSLATE_NOOP(
    "Update",
    "The firmware file is incomplete, please delete it from local folder '...//Data', then "
    "re-download a new firmware from server.");
const char unsendableText[] = QT_TRANSLATE_NOOP(
    "Update",
    "The firmware file cannot be sent: its version is above 255 or the image needs more than "
    "65535 packets.");
const char tableNewerHint[] =
    QT_TRANSLATE_NOOP("Update", "There is new version for parameter table,please update it. ");

// Largest image whose packets can all be numbered.
constexpr qint64 largestImage = qint64(Packet::MaxPackets) * Packet::DataBytes - 1;

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Update::Update(Ui_MainWindow* form, const SystemSnapshot* system, QWidget* parent)
    : QWidget(parent)
    , form(form)
    , system(system) {
    hide();
}

QString Update::dataFolder() {
    return QDir::current().filePath(QStringLiteral("Data"));
}

bool Update::firmwareArmedFor(FirmwareTarget target) const {
    return armed && armed->target == target && !firmwarePackets.isEmpty();
}

void Update::disarmFirmware(bool clearShownVersion) {
    armed.reset();
    firmwarePackets.clear();
    firmwareSize = 0;
    firmwareHeaderFrame.clear();
    // An empty range would turn the bar into a busy indicator: nothing is going on.
    form->progressBarFW->setRange(0, 1);
    form->progressBarFW->setValue(0);
    if (clearShownVersion) {
        versions.newMain.clear();
        versions.newSub.clear();
        form->labelMainVersion_FW->clear();
        form->labelSubVersion_FW->clear();
        form->label_APPVersion->clear();
    }
}

void Update::showFirmwareMessage(const QString& text, const char* style) {
    PaneText::show(form->textEdit_FW_Update, text, style);
}

void Update::loadFirmwareFile(int firmwareType) {
    if (firmwareType != int(FirmwareTarget::Bmu) && firmwareType != int(FirmwareTarget::Bms)) {
        disarmFirmware(true);
        showFirmwareMessage(tr(noImageText), PaneText::Red);
        return;
    }
    const FirmwareTarget target = FirmwareTarget(firmwareType);
    const QString runningText =
        target == FirmwareTarget::Bmu ? system->overview.bmuVersion : system->overview.bmsVersion;
    const QStringList files = QDir(dataFolder()).entryList(QDir::Files);
    const std::optional<FirmwareFileName> best =
        selectFirmwareFile(files, targetText(target), familyCode(system->batteryType), runningText);

    const RunningVersion running = parseRunningVersion(runningText);
    versions.runningMain = running.main;
    versions.runningSub = running.sub;
    form->label_Current_MainVersion_FW->setText(running.main);
    form->label_Current_SubVersion_FW->setText(running.sub);
    const QString hint = firmwareHint(target, running, best ? best->main : 0, best ? best->sub : 0);
    if (!hint.isEmpty())
        PaneText::appendColoured(form->textEdit_BMU_Event, hint, "red");

    if (!best) {
        disarmFirmware(true);
        showFirmwareMessage(tr(noImageText), PaneText::Red);
        return;
    }
    versions.newMain = QString::number(best->main);
    versions.newSub = QString::number(best->sub);
    form->labelMainVersion_FW->setText(versions.newMain);
    form->labelSubVersion_FW->setText(versions.newSub);
    form->label_APPVersion->setText(best->section);

    const QString path = QDir(dataFolder()).filePath(best->fileName);
    if (!versionFitsHeader(best->main, best->sub) || QFileInfo(path).size() > largestImage) {
        disarmFirmware(true);
        showFirmwareMessage(tr(unsendableText), PaneText::Red);
        return;
    }
    const QByteArray image = readWholeFile(path);
    if (checkFirmwareImage(image, best->crcText) != ImageCheck::Good) {
        // A damaged or empty file must not leave an earlier image ready to send.
        disarmFirmware(true);
        showFirmwareMessage(tr(incompleteText), PaneText::Red);
        return;
    }

    firmwarePackets = splitIntoPackets(image);
    firmwareSize = qint32(image.size());
    firmwareFileName = best->fileName;
    firmwareHeaderFrame.clear();
    armed = ArmedImage{target, best->main, best->sub, best->section};
    form->progressBarFW->setRange(0, firmwarePackets.size());
    qCDebug(lcUpdate) << "firmware" << best->fileName << "bytes" << firmwareSize << "packets"
                      << firmwarePackets.size();
    showFirmwareMessage(tr("Load Firmware data successfully."), PaneText::Blue);
}

bool Update::buildFirmwareHeader() {
    if (!armed)
        return false;
    const QString text =
        firmwareHeaderText(armed->target, armed->main, armed->sub, armed->section, firmwareSize);
    if (text.isEmpty())
        return false;
    firmwareHeaderFrame = appendCrcHex(text);
    return true;
}

void Update::scanTableFiles() {
    const TableScan scan =
        scanTableFolder(dataFolder(), system->batteryType, system->overview.tableVersion);
    form->label_PT_New->setText(scan.shownVersion);
    if (!scan.selectedFile.isEmpty())
        PaneText::appendColoured(form->textEdit_BMU_Event, tr(tableNewerHint), "blue");

    const QByteArray content = scan.selectedFile.isEmpty()
                                   ? QByteArray()
                                   : readWholeFile(QDir(dataFolder()).filePath(scan.selectedFile));
    const TableBlock block = decodeTableFile(content);
    tableData = block.tableData;
    tableCrcText = block.crcText;
    tableFileName = scan.selectedFile;
    tableNewVersion = scan.shownVersion;
    tableHeaderFrame.clear();
    qCDebug(lcUpdate) << "parameter table" << tableData.size() << "bytes, CRC" << tableCrcText;

    tablePackets = splitIntoPackets(tableData);
    form->progressBar_PT->setRange(0, tablePackets.size());
    qCDebug(lcUpdate) << "parameter table packets" << tablePackets.size();

    QTextEdit* pane = form->textEdit_FW_Update;
    // Appended: the firmware load of the same refresh has just written its own line.
    if (!tableData.isEmpty())
        PaneText::append(pane, tr("Load parameter table data successfully."), PaneText::Blue);
    else if (system->overview.tableVersion == scan.shownVersion)
        PaneText::append(pane, tr("The parameter table has been latest."), PaneText::Green);
    else
        PaneText::append(pane, tr("Please download the parameter table file firstly."),
                         PaneText::Blue);
}

QString Update::tableHeaderRefusal() const {
    if (!tableTypeCode(system->batteryType))
        return tr("The battery type is unknown, please refresh the system info "
                  "firstly.");
    if (tableData.size() != TableLayout::Length)
        return tr("The parameter table has %1 bytes instead of %2, please download "
                  "it again.")
            .arg(tableData.size())
            .arg(TableLayout::Length);
    return {};
}

bool Update::buildTableHeader() {
    if (!tableHeaderRefusal().isEmpty())
        return false;
    tableHeaderFrame = appendCrcHex(tableHeaderText(system->batteryType, tableData));
    return true;
}
