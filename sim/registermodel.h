#pragma once

#include "sim/systemprofile.h"

#include <QHash>

class BatteryState;

// Addresses of the BMU's plain holding registers. Byte fields: "hi" is the first byte
// of the register on the wire, "lo" the second.
namespace BmuRegister {
constexpr quint16 Serial = 0x0000;      // 0x0000..0x0009 hi: 19 bytes of text, NUL-padded
constexpr quint16 BmuVersionA = 0x000C; // main hi, sub lo
constexpr quint16 BmuVersionB = 0x000D;
constexpr quint16 BmsVersion = 0x000E;       // firmware the BMS run
constexpr quint16 RunningSections = 0x000F;  // hi BMU, lo BMS: 0 A, 1 B
constexpr quint16 SetupFirst = 0x0010;       // inverter hi, module count lo
constexpr quint16 SetupType = 0x0011;        // battery type hi, grid mode lo
constexpr quint16 SetupLast = 0x0012;        // phase hi, 0 lo
constexpr quint16 SystemStatus = 0x0061;     // status bits
constexpr quint16 Soc = 0x0500;              // %
constexpr quint16 MaxCellVoltage = 0x0501;   // 10 mV
constexpr quint16 MinCellVoltage = 0x0502;   // 10 mV
constexpr quint16 Soh = 0x0503;              // %
constexpr quint16 Current = 0x0504;          // 0.1 A, two's complement, positive discharging
constexpr quint16 BatteryVoltage = 0x0505;   // 10 mV
constexpr quint16 MaxTemperature = 0x0506;   // °C, signed
constexpr quint16 MinTemperature = 0x0507;   // °C, signed
constexpr quint16 BoardTemperature = 0x0508; // °C, signed
constexpr quint16 BatteryWarnings = 0x050D;  // warning bits
constexpr quint16 TableVersion = 0x050E;     // main hi, sub lo
constexpr quint16 OutputVoltage = 0x0510;    // 10 mV

// The two status blocks the tool reads, with the setup registers inside the first.
constexpr quint16 StatusFirstBase = 0x0000;
constexpr int StatusFirstCount = 102;
constexpr quint16 StatusSecondBase = 0x0500;
constexpr int StatusSecondCount = 25;
} // namespace BmuRegister

// The BMU's plain registers: the status blocks, holding serial number, versions,
// configuration and measurements. Everything not set reads 0.
class RegisterModel {
public:
    explicit RegisterModel(const SystemProfile& profile);

    static bool contains(quint16 address);
    static bool isSetup(quint16 address);

    quint16 value(quint16 address) const { return registers.value(address, 0); }
    void setValue(quint16 address, quint16 value) { registers[address] = value; }

    // Copies the measured values into the second status block.
    void showMeasurements(const BatteryState& state);

    FirmwareVersion bmuVersion(Section section) const;
    Section bmuRunning() const { return Section(value(BmuRegister::RunningSections) >> 8 & 1); }
    void setBmuVersion(Section section, FirmwareVersion version);
    void setBmuRunning(Section section);
    void setBmsFirmware(FirmwareVersion running, Section section);

private:
    QHash<quint16, quint16> registers;
};
