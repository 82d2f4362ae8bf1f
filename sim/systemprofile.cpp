#include "sim/systemprofile.h"

bool parseSystemPreset(const QString& name, SystemPreset* preset) {
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("hv"))
        *preset = SystemPreset::HighVoltage;
    else if (key == QLatin1String("lv"))
        *preset = SystemPreset::LowVoltage;
    else if (key == QLatin1String("qpa5"))
        *preset = SystemPreset::Qpa5;
    else
        return false;
    return true;
}

QString systemPresetName(SystemPreset preset) {
    switch (preset) {
    case SystemPreset::HighVoltage:
        return QStringLiteral("hv");
    case SystemPreset::LowVoltage:
        return QStringLiteral("lv");
    case SystemPreset::Qpa5:
        return QStringLiteral("qpa5");
    }
    return {};
}

QByteArray SystemProfile::bmsSerial(int bms) const {
    return bmsSerialStem + QByteArray::number(bms).rightJustified(2, '0');
}

SystemProfile systemProfile(SystemPreset preset) {
    SystemProfile p;
    p.preset = preset;
    switch (preset) {
    case SystemPreset::HighVoltage:
        // Two towers of five QPB modules (16 cells, 8 sensors each) in parallel.
        p.serial = "P03E1QPB2306150017";
        p.bmsSerialStem = "P03TQPB23061500";
        p.batteryTypeCode = 1;
        p.batteryTypeName = QStringLiteral("QPB");
        p.moduleCountByte = 0x25;
        p.bmsCount = 2;
        p.modulesPerBms = 5;
        p.cellsPerModule = 16;
        p.temperaturesPerModule = 8;
        p.inverterCode = 9; // Sungrow HV
        p.gridMode = 1;
        p.phase = 1;
        p.capacityAh = 50;
        p.maxCurrent = 30;
        break;
    case SystemPreset::Qpa5:
        // One tower of five QPA modules, 32 cells and 12 sensors each: 160 cells.
        p.serial = "P03E1QPA2309270005";
        p.bmsSerialStem = "P03TQPA23092700";
        p.batteryTypeCode = 2;
        p.batteryTypeName = QStringLiteral("QPA");
        p.moduleCountByte = 0x15;
        p.bmsCount = 1;
        p.modulesPerBms = 5;
        p.cellsPerModule = 32;
        p.temperaturesPerModule = 12;
        p.inverterCode = 0; // Fronius HV
        p.gridMode = 1;
        p.phase = 1;
        p.capacityAh = 100;
        p.maxCurrent = 25;
        break;
    case SystemPreset::LowVoltage:
        // Three ZRC modules (16 cells, 8 sensors, one BMS each) in parallel.
        p.serial = "P02L1ZRC2305080042";
        p.bmsSerialStem = "P02MZRC23050800";
        p.highVoltage = false;
        p.batteryTypeCode = 0;
        p.batteryTypeName = QStringLiteral("ZRC");
        p.moduleCountByte = 3;
        p.bmsCount = 3;
        p.modulesPerBms = 1;
        p.cellsPerModule = 16;
        p.temperaturesPerModule = 8;
        p.inverterCode = 6; // SMA LV
        p.gridMode = 1;
        p.phase = 0;
        p.capacityAh = 100;
        p.maxCurrent = 90;
        break;
    }
    p.familyCode = p.highVoltage ? QStringLiteral("P3") : QStringLiteral("P2");
    // High-voltage firmware has main version 3, low-voltage firmware main version 2.
    const quint8 main = p.highVoltage ? 3 : 2;
    p.bmuA = {main, 12};
    p.bmuB = {main, 10};
    p.bmsA = {main, 5};
    p.bmsB = {main, 4};
    p.table = {main, 6};
    p.bmsTableA = {main, 6};
    p.bmsTableB = {main, 5};
    p.newBmu = {main, 14};
    p.newBms = {main, 7};
    p.newTable = {main, 7};
    return p;
}
