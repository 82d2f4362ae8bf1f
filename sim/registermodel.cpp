#include "sim/registermodel.h"

#include "sim/batterystate.h"

#include <QtMath>

using namespace BmuRegister;

namespace {

quint16 bytePair(int hi, int lo) {
    return static_cast<quint16>((hi & 0xFF) << 8 | (lo & 0xFF));
}

// Two's complement of a signed value in one register.
quint16 signedWord(int value) {
    return static_cast<quint16>(value & 0xFFFF);
}

} // namespace

RegisterModel::RegisterModel(const SystemProfile& profile) {
    QByteArray serial = profile.serial.left(19);
    serial.append(QByteArray(20 - serial.size(), '\0'));
    for (int i = 0; i < 10; ++i)
        setValue(Serial + i, bytePair(quint8(serial[2 * i]), quint8(serial[2 * i + 1])));
    setValue(BmuVersionA, profile.bmuA.word());
    setValue(BmuVersionB, profile.bmuB.word());
    setValue(RunningSections, bytePair(profile.bmuRunning, profile.bmsRunning));
    const FirmwareVersion bms = profile.bmsRunning == SectionB ? profile.bmsB : profile.bmsA;
    setValue(BmsVersion, bms.word());
    setValue(SetupFirst, bytePair(profile.inverterCode, profile.moduleCountByte));
    setValue(SetupType, bytePair(profile.batteryTypeCode, profile.gridMode));
    setValue(SetupLast, bytePair(profile.phase, 0));
    setValue(Soh, 98);
    setValue(TableVersion, profile.table.word());
}

bool RegisterModel::contains(quint16 address) {
    return (address >= StatusFirstBase && address < StatusFirstBase + StatusFirstCount) ||
           (address >= StatusSecondBase && address < StatusSecondBase + StatusSecondCount);
}

bool RegisterModel::isSetup(quint16 address) {
    return address >= SetupFirst && address <= SetupLast;
}

void RegisterModel::showMeasurements(const BatteryState& state) {
    setValue(Soc, static_cast<quint16>(qRound(state.soc())));
    setValue(MaxCellVoltage, static_cast<quint16>(qRound(state.maxCellMillivolts() / 10.0)));
    setValue(MinCellVoltage, static_cast<quint16>(qRound(state.minCellMillivolts() / 10.0)));
    setValue(Current, signedWord(qRound(state.current() * 10)));
    const int battery = qRound(state.systemMillivolts() / 10.0);
    setValue(BatteryVoltage, static_cast<quint16>(battery));
    setValue(MaxTemperature, signedWord(state.maxTemperature()));
    setValue(MinTemperature, signedWord(state.minTemperature()));
    setValue(BoardTemperature, signedWord(state.ambientTemperature() + 6));
    // The output sits behind the main relay and shunt: a little below the cells.
    setValue(OutputVoltage, static_cast<quint16>(qMax(0, battery - 40)));
}

FirmwareVersion RegisterModel::bmuVersion(Section section) const {
    return FirmwareVersion::fromWord(value(section == SectionB ? BmuVersionB : BmuVersionA));
}

void RegisterModel::setBmuVersion(Section section, FirmwareVersion version) {
    setValue(section == SectionB ? BmuVersionB : BmuVersionA, version.word());
}

void RegisterModel::setBmuRunning(Section section) {
    setValue(RunningSections, bytePair(section, value(RunningSections) & 0xFF));
}

void RegisterModel::setBmsFirmware(FirmwareVersion running, Section section) {
    setValue(BmsVersion, running.word());
    setValue(RunningSections, bytePair(value(RunningSections) >> 8, section));
}
