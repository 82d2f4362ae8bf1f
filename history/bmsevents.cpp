#include "history/bmsevents.h"

#include "link/bytes.h"

const BitTexts bmsWarningBits = {
    "Battery Over Voltage;",
    "Battery Under Voltage;",
    "Cells OverVoltage;",
    "Cells UnderVoltage;",
    "Cells Imbalance;",
    "Charging High Temperature(Cells);",
    "Charging Low Temperature(Cells);",
    "DisCharging High Temperature(Cells);",
    "DisCharging Low Temperature(Cells);",
    "Charging OverCurrent(Cells);",
    "DisCharging OverCurrent(Cells);",
    "Charging OverCurrent(Hardware);",
    "Short Circuit;",
    "Inversly Connection;",
    "Tamper Abnormal;",
    "AirSwitch Abnormal;",
};

const BitTexts bmsFaultBits = {
    "Cells Voltage Sensor Failure;",
    "Temperature Sensor Failure;",
    "BIC Communication Failure;",
    "Pack Voltage Sensor Failure;",
    "Current Sensor Failure;",
    "Charging Mos Failure;",
    "DisCharging Mos Failure;",
    "PreCharging Mos Failure;",
    "Main Relay Failure;",
    "PreCharging Failed;",
    "Heating Device Failure;",
    "Radiator Failure;",
    "BIC Balance Failure;",
    "Cells Failure;",
    "PCB Temperature Sensor Failure;",
    "Functional Safety Failure;",
};

namespace {

const CodeText bmsEventCodes[] = {
    {0, "Power ON"},
    {1, "Power OFF"},
    {2, "Events record"},
    {3, "Timing Record"},
    {4, "Start Charging"},
    {5, "Stop Charging"},
    {6, "Start DisCharging"},
    {7, "Stop DisCharging"},
    {8, "SOC calibration rough"},
    {9, "SOC calibration fine"},
    {10, "SOC calibration Stop"},
    {11, "CAN Communication failed"},
    {12, "Serial Communication failed"},
    {13, "Receive PreCharge Command"},
    {14, "PreCharge Successful"},
    {15, "PreCharge Failure"},
    {16, "Start end SOC calibration"},
    {17, "Start Balancing"},
    {18, "Stop Balancing"},
    {19, "Address Registered"},
    {20, "System Functional Safety Fault"},
    {21, "Events additional info"},
    {101, "Start Firmware Update"},
    {102, "Firmware Update finish"},
    {103, "Firmware Update fails"},
    {104, "Firmware Jumpinto other section"},
    {105, "Parameters table Update"},
    {106, "SN Code was Changed"},
    {107, "Current Calibration"},
    {108, "Battery Voltage Calibration"},
    {109, "PackVoltage Calibration"},
    {110, "SOC/SOH Calibration"},
    {111, "DateTime Calibration"},
};

constexpr int EventsCode = 2;

// The words of an "Events record", in the order their Events rows appear.
struct EventWord {
    int offset; // record offset of the low byte
    const char* level;
    const BitTexts& bits;
};

const EventWord eventWords[] = {
    {9, "Warning Level2", bmsWarningBits},
    {11, "Warning Level3", bmsWarningBits},
    {13, "Alarm", bmsFaultBits},
};

} // namespace

BmsBlockRows decodeBmsBlock(const QByteArray& block) {
    BmsBlockRows rows;
    rows.history.reserve(LogRecord::PerBlock);
    for (int k = 0; k < LogRecord::PerBlock; ++k) {
        const int offset = k * LogRecord::Size;
        const int code = byteAt(block, offset);
        const QString timeStamp = recordTimeStamp(block, offset);
        if (code == EventsCode) {
            for (const EventWord& word : eventWords) {
                const quint16 value = wordLE(block, offset + word.offset);
                if (value != 0)
                    rows.events.append({timeStamp, QString::fromLatin1(word.level),
                                        joinSetBits(value, word.bits)});
            }
        }
        rows.history.append(
            {timeStamp, codeColumnText(code, findCodeText(bmsEventCodes, code) != nullptr),
             codeText(bmsEventCodes, code, "Not defined"), recordLogDataText(block, offset)});
    }
    return rows;
}
