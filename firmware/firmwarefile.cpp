#include "firmware/firmwarefile.h"

#include "link/crc.h"

#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

struct BatteryFamily {
    const char* batteryType;
    const char* familyCode;
};

const BatteryFamily batteryFamilies[] = {
    {"QPA", "P3"},          {"QPB", "P3"}, {"QPC", "P3"},
    {"ZRA/ZRA Mini", "P2"}, {"ZRC", "P2"}, {"ZRD", "P2"},
};

const char highVoltageCode[] = "P3";
const char lowVoltageCode[] = "P2";

struct HintTexts {
    const char* newer;
    const char* runningSubNewer;
    const char* runningMainNewer;
};

// Indexed by FirmwareTarget.
const HintTexts hintTexts[] = {
    {QT_TRANSLATE_NOOP("FirmwareFile", "There is new version for BMU Firmware,please update it. "),
     QT_TRANSLATE_NOOP("FirmwareFile",
                       "Please download the new BMU Firmware from server,then update it! "),
     QT_TRANSLATE_NOOP("FirmwareFile", "Please download the new BMU Firmware,then update it! ")},
    {QT_TRANSLATE_NOOP("FirmwareFile", "There is new version of BMS Firmware,please update it. "),
     QT_TRANSLATE_NOOP("FirmwareFile",
                       "Please download the new BMS Firmware from server,then update it! "),
     QT_TRANSLATE_NOOP("FirmwareFile", "Please download the new BMS Firmware,then update it! ")},
};

std::optional<int> decimal(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
}

bool caseInsensitiveLess(const QString& a, const QString& b) {
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

} // namespace

std::optional<FirmwareFileName> parseFirmwareFileName(const QString& fileName) {
    if (QFileInfo(fileName).suffix().compare(QLatin1String("bin"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QStringList fields = fileName.split(QLatin1Char('-'));
    if (fields.size() != 5)
        return std::nullopt;
    const QStringList version = fields.at(2).split(QLatin1Char('.'));
    if (version.size() != 2)
        return std::nullopt;
    const std::optional<int> main = decimal(version.at(0));
    const std::optional<int> sub = decimal(version.at(1));
    if (!main || !sub)
        return std::nullopt;
    FirmwareFileName name;
    name.fileName = fileName;
    name.type = fields.at(0);
    name.family = fields.at(1);
    name.main = *main;
    name.sub = *sub;
    name.section = fields.at(3);
    name.crcText = fields.at(4).left(4);
    return name;
}

QString familyCode(const QString& batteryType) {
    for (const BatteryFamily& family : batteryFamilies) {
        if (batteryType == QLatin1String(family.batteryType))
            return QLatin1String(family.familyCode);
    }
    return {};
}

bool isHighVoltageType(const QString& batteryType) {
    return familyCode(batteryType) == QLatin1String(highVoltageCode);
}

bool isLowVoltageType(const QString& batteryType) {
    return familyCode(batteryType) == QLatin1String(lowVoltageCode);
}

std::optional<FirmwareFileName> selectFirmwareFile(const QStringList& fileNames,
                                                   const QString& typeText, const QString& family,
                                                   const QString& runningVersionText) {
    QStringList ordered = fileNames;
    std::sort(ordered.begin(), ordered.end(), caseInsensitiveLess);
    const QString runningSection = runningVersionText.right(1);

    std::optional<FirmwareFileName> best;
    int bestMain = 0;
    int bestSub = 0;
    for (const QString& fileName : qAsConst(ordered)) {
        const std::optional<FirmwareFileName> name = parseFirmwareFileName(fileName);
        if (!name || name->type != typeText || name->family != family ||
            name->section == runningSection)
            continue;
        if (name->main > bestMain || (name->main == bestMain && name->sub > bestSub)) {
            best = name;
            bestMain = name->main;
            bestSub = name->sub;
        }
    }
    return best;
}

RunningVersion parseRunningVersion(const QString& versionText) {
    const QStringList parts = versionText.mid(1, versionText.size() - 3).split(QLatin1Char('.'));
    return {parts.value(0), parts.value(1)};
}

QString firmwareHint(FirmwareTarget target, const RunningVersion& running, int bestMain,
                     int bestSub) {
    if (target == FirmwareTarget::Bms && running.text().trimmed() == QLatin1String("0.0"))
        return {};
    const HintTexts& texts = hintTexts[int(target)];
    const int main = running.main.toInt();
    const int sub = running.sub.toInt();
    if (main < bestMain || (main == bestMain && sub < bestSub))
        return QCoreApplication::translate("FirmwareFile", texts.newer);
    if (main > bestMain)
        return QCoreApplication::translate("FirmwareFile", texts.runningMainNewer);
    if (sub > bestSub)
        return QCoreApplication::translate("FirmwareFile", texts.runningSubNewer);
    return {};
}

ImageCheck checkFirmwareImage(const QByteArray& content, const QString& expectedCrcText) {
    if (content.isEmpty())
        return ImageCheck::Empty;
    return crcText(modbusCrc16(content)) == expectedCrcText ? ImageCheck::Good
                                                            : ImageCheck::CrcMismatch;
}

bool firmwareFileMatchesName(const QString& path, qint64 maxBytes) {
    const std::optional<FirmwareFileName> name = parseFirmwareFileName(QFileInfo(path).fileName());
    QFile file(path);
    if (!name || !file.open(QIODevice::ReadOnly) || file.size() == 0 || file.size() > maxBytes)
        return false;
    const QByteArray content = file.readAll();
    return content.size() == file.size() &&
           checkFirmwareImage(content, name->crcText) == ImageCheck::Good;
}
