#pragma once

#include "sim/systemprofile.h"

#include <QByteArray>

class BatteryState;

// Firmware held by every BMS in its two sections.
struct BmsFirmware {
    FirmwareVersion a, b;
    Section running = SectionA;

    FirmwareVersion runningVersion() const { return running == SectionB ? b : a; }
};

// The 420-byte information block of one BMS as the BMU serves it after a fetch.
// Multi-byte values are big-endian except the version pairs, which put the sub number
// first. A BMS carries at most 128 cell voltages in one block: the cells beyond
// (129..160 of a five-module QPA tower) are served, in the places of cells 1..32, by the
// fetch that follows the extended-read word.
namespace BmsBlock {
constexpr int Size = 420;
constexpr int CellsPerBlock = 128;
constexpr int TemperaturesPerBlock = 64;
constexpr int MaxCell = 0; // mV
constexpr int MinCell = 2; // mV
constexpr int MaxCellNumber = 4;
constexpr int MinCellNumber = 5;
constexpr int MaxTemperature = 6; // °C signed
constexpr int MinTemperature = 8;
constexpr int MaxSensorNumber = 10;
constexpr int MinSensorNumber = 11;
constexpr int TotalVoltage = 40; // 0.1 V
constexpr int SwitchState = 45;
constexpr int PackVoltage = 46; // 0.1 V
constexpr int Soc = 48;         // 0.1 %
constexpr int Current = 52;     // 0.1 A, two's complement, positive discharging
constexpr int WarningLevel1 = 54;
constexpr int WarningLevel2 = 56;
constexpr int WarningLevel3 = 58;
constexpr int SectionAVersion = 60; // sub, main
constexpr int SectionBVersion = 62; // sub, main
constexpr int RunningSection = 64;  // 1 = B
constexpr int Serial = 66;          // 19 bytes
constexpr int TableAVersion = 90;   // sub, main
constexpr int TableBVersion = 92;
constexpr int FaultCode1 = 94;
constexpr int FaultCode2 = 95;
constexpr int Cells = 96;         // 128 x 2 bytes, mV
constexpr int Temperatures = 354; // 64 x 1 byte, °C
} // namespace BmsBlock

// Builds the block of BMS number bms (1-based). firstCell is the 0-based index of the
// cell whose voltage goes into the first cell place (0, or 128 for the extended read).
QByteArray bmsInfoBlock(const SystemProfile& profile, const BatteryState& state,
                        const BmsFirmware& firmware, int bms, int firstCell);
