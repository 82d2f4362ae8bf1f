#include "config/setup.h"

#include "link/bytes.h"
#include "link/replyshape.h"
#include "monitor/systemsnapshot.h"

#include <QCoreApplication>

std::optional<SetupLists> setupListsForSerial(const QString& serial) {
    BatteryFamily family;
    if (serial.startsWith(QLatin1String("P03")) || serial.startsWith(QLatin1String("E0P3")))
        family = BatteryFamily::HV;
    else if (serial.startsWith(QLatin1String("P02")) || serial.startsWith(QLatin1String("P011")))
        family = BatteryFamily::LV;
    else
        return std::nullopt;

    const bool hv = family == BatteryFamily::HV;
    SetupLists lists;
    lists.batteryTypes = batteryTypeNames(family);
    for (const InverterEntry& entry : invertersOf(family))
        lists.inverterNames.append(QString::fromLatin1(entry.name));
    lists.countCaption = hv ? QCoreApplication::translate("Setup", "Modules in Serial")
                            : QCoreApplication::translate("Setup", "Modules in Parallels");
    lists.preselectedBatteryType = hv ? 1 : 0;
    return lists;
}

std::optional<SetupSelection> decodeSetupReply(const QByteArray& frame, BatteryFamily family) {
    // Only the reply to the setup read (3 registers) is decoded.
    if (!isReadReply(frame, 3))
        return std::nullopt;
    const int code = byteAt(frame, 3);
    if (code > 19)
        return std::nullopt;
    SetupSelection s;
    s.inverterPosition = inverterListPosition(code);
    s.inverterName = inverterName(code);
    const quint8 count = byteAt(frame, 4);
    s.moduleCount =
        family == BatteryFamily::HV ? QString::number(count & 0x0F, 16) : QString::number(count);
    s.batteryTypeIndex = byteAt(frame, 5);
    s.gridIndex = byteAt(frame, 6);
    s.phaseIndex = byteAt(frame, 7);
    return s;
}

SetupBytes composeSetupBytes(const QString& inverterText, const QString& moduleCountText,
                             int batteryTypeIndex, int gridIndex, int phaseIndex) {
    const int code = inverterCode(inverterText);
    if (code < 0)
        return {SetupBytes::NoInverter, {}};

    // The count travels as one byte: anything but a whole number 0..255 is refused
    // rather than cut to a wrong byte.
    const QString countText = moduleCountText.trimmed();
    int count = 0;
    if (!countText.isEmpty()) {
        bool ok = false;
        count = countText.toInt(&ok, 10);
        if (!ok || count < 0 || count > 255)
            return {SetupBytes::BadModuleCount, {}};
    }
    for (int index : {batteryTypeIndex, gridIndex, phaseIndex})
        if (index < 0 || index > 255)
            return {SetupBytes::NoSelection, {}};

    QByteArray bytes;
    for (int value : {code, count, batteryTypeIndex, gridIndex, phaseIndex, 0})
        bytes.append(char(value));
    return {SetupBytes::Ok, bytes};
}

namespace {

// Modules per tower as typed: a decimal 0..15 or the single hex digit a read shows.
std::optional<int> modulesPerTower(const QString& text) {
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return 0;
    bool ok = false;
    int value = typed.toInt(&ok, 10);
    if (!ok && typed.size() == 1)
        value = typed.toInt(&ok, 16);
    if (!ok || value < 0 || value > 15)
        return std::nullopt;
    return value;
}

} // namespace

SetupBytes composeSetupWrite(const SystemSnapshot& system, const QString& inverterText,
                             const QString& moduleCountText, int batteryTypeIndex, int gridIndex,
                             int phaseIndex) {
    if (!system.setup)
        return {SetupBytes::NoSetupRead, {}};
    if (system.family() != BatteryFamily::HV)
        return composeSetupBytes(inverterText, moduleCountText, batteryTypeIndex, gridIndex,
                                 phaseIndex);
    const std::optional<int> modules = modulesPerTower(moduleCountText);
    if (!modules)
        return {SetupBytes::BadModulesPerTower, {}};
    SetupBytes setup = composeSetupBytes(inverterText, QString::number(*modules), batteryTypeIndex,
                                         gridIndex, phaseIndex);
    if (setup.outcome == SetupBytes::Ok)
        setup.bytes[1] = char((system.setupCountByte & 0xF0) | *modules);
    return setup;
}

QString setupRefusalMessage(SetupBytes::Outcome outcome) {
    switch (outcome) {
    case SetupBytes::NoSetupRead:
        return QCoreApplication::translate(
            "Setup", "The setup has not been read yet: press Refresh first, so that the "
                     "number of towers the BMU reports is kept. Nothing was written.");
    case SetupBytes::BadModulesPerTower:
        return QCoreApplication::translate(
            "Setup", "On a high-voltage system the modules per tower are a number from 0 to "
                     "15. Nothing was written.");
    case SetupBytes::BadModuleCount:
        return QCoreApplication::translate(
            "Setup", "The number of modules must be a whole number from 0 to 255. "
                     "Nothing was written.");
    case SetupBytes::NoSelection:
        return QCoreApplication::translate(
            "Setup", "Please choose the battery type, the grid and the phase. "
                     "Nothing was written.");
    case SetupBytes::Ok:
    case SetupBytes::NoInverter:
        break;
    }
    return {};
}
