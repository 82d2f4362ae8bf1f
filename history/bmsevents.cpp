#include "history/bmsevents.h"

#include "history/codetables.h"
#include "link/bytes.h"

const BitTexts bmsWarningBits = {
    QT_TRANSLATE_NOOP("History", "Battery Over Voltage;"),
    QT_TRANSLATE_NOOP("History", "Battery Under Voltage;"),
    QT_TRANSLATE_NOOP("History", "Cells OverVoltage;"),
    QT_TRANSLATE_NOOP("History", "Cells UnderVoltage;"),
    QT_TRANSLATE_NOOP("History", "Cells Imbalance;"),
    QT_TRANSLATE_NOOP("History", "Charging High Temperature(Cells);"),
    QT_TRANSLATE_NOOP("History", "Charging Low Temperature(Cells);"),
    QT_TRANSLATE_NOOP("History", "DisCharging High Temperature(Cells);"),
    QT_TRANSLATE_NOOP("History", "DisCharging Low Temperature(Cells);"),
    QT_TRANSLATE_NOOP("History", "Charging OverCurrent(Cells);"),
    QT_TRANSLATE_NOOP("History", "DisCharging OverCurrent(Cells);"),
    QT_TRANSLATE_NOOP("History", "Charging OverCurrent(Hardware);"),
    QT_TRANSLATE_NOOP("History", "Short Circuit;"),
    QT_TRANSLATE_NOOP("History", "Inversly Connection;"),
    QT_TRANSLATE_NOOP("History", "Tamper Abnormal;"),
    QT_TRANSLATE_NOOP("History", "AirSwitch Abnormal;"),
};

const BitTexts bmsFaultBits = {
    QT_TRANSLATE_NOOP("History", "Cells Voltage Sensor Failure;"),
    QT_TRANSLATE_NOOP("History", "Temperature Sensor Failure;"),
    QT_TRANSLATE_NOOP("History", "BIC Communication Failure;"),
    QT_TRANSLATE_NOOP("History", "Pack Voltage Sensor Failure;"),
    QT_TRANSLATE_NOOP("History", "Current Sensor Failure;"),
    QT_TRANSLATE_NOOP("History", "Charging Mos Failure;"),
    QT_TRANSLATE_NOOP("History", "DisCharging Mos Failure;"),
    QT_TRANSLATE_NOOP("History", "PreCharging Mos Failure;"),
    QT_TRANSLATE_NOOP("History", "Main Relay Failure;"),
    QT_TRANSLATE_NOOP("History", "PreCharging Failed;"),
    QT_TRANSLATE_NOOP("History", "Heating Device Failure;"),
    QT_TRANSLATE_NOOP("History", "Radiator Failure;"),
    QT_TRANSLATE_NOOP("History", "BIC Balance Failure;"),
    QT_TRANSLATE_NOOP("History", "Cells Failure;"),
    QT_TRANSLATE_NOOP("History", "PCB Temperature Sensor Failure;"),
    QT_TRANSLATE_NOOP("History", "Functional Safety Failure;"),
};

namespace {

const CodeText bmsEventCodes[] = {
    {0, QT_TRANSLATE_NOOP("History", "Power ON")},
    {1, QT_TRANSLATE_NOOP("History", "Power OFF")},
    {2, QT_TRANSLATE_NOOP("History", "Events record")},
    {3, QT_TRANSLATE_NOOP("History", "Timing Record")},
    {4, QT_TRANSLATE_NOOP("History", "Start Charging")},
    {5, QT_TRANSLATE_NOOP("History", "Stop Charging")},
    {6, QT_TRANSLATE_NOOP("History", "Start DisCharging")},
    {7, QT_TRANSLATE_NOOP("History", "Stop DisCharging")},
    {8, QT_TRANSLATE_NOOP("History", "SOC calibration rough")},
    {9, QT_TRANSLATE_NOOP("History", "SOC calibration fine")},
    {10, QT_TRANSLATE_NOOP("History", "SOC calibration Stop")},
    {11, QT_TRANSLATE_NOOP("History", "CAN Communication failed")},
    {12, QT_TRANSLATE_NOOP("History", "Serial Communication failed")},
    {13, QT_TRANSLATE_NOOP("History", "Receive PreCharge Command")},
    {14, QT_TRANSLATE_NOOP("History", "PreCharge Successful")},
    {15, QT_TRANSLATE_NOOP("History", "PreCharge Failure")},
    {16, QT_TRANSLATE_NOOP("History", "Start end SOC calibration")},
    {17, QT_TRANSLATE_NOOP("History", "Start Balancing")},
    {18, QT_TRANSLATE_NOOP("History", "Stop Balancing")},
    {19, QT_TRANSLATE_NOOP("History", "Address Registered")},
    {20, QT_TRANSLATE_NOOP("History", "System Functional Safety Fault")},
    {21, QT_TRANSLATE_NOOP("History", "Events additional info")},
    {101, QT_TRANSLATE_NOOP("History", "Start Firmware Update")},
    {102, QT_TRANSLATE_NOOP("History", "Firmware Update finish")},
    {103, QT_TRANSLATE_NOOP("History", "Firmware Update fails")},
    {104, QT_TRANSLATE_NOOP("History", "Firmware Jumpinto other section")},
    {105, QT_TRANSLATE_NOOP("History", "Parameters table Update")},
    {106, QT_TRANSLATE_NOOP("History", "SN Code was Changed")},
    {107, QT_TRANSLATE_NOOP("History", "Current Calibration")},
    {108, QT_TRANSLATE_NOOP("History", "Battery Voltage Calibration")},
    {109, QT_TRANSLATE_NOOP("History", "PackVoltage Calibration")},
    {110, QT_TRANSLATE_NOOP("History", "SOC/SOH Calibration")},
    {111, QT_TRANSLATE_NOOP("History", "DateTime Calibration")},
};

constexpr int EventsCode = 2;

// The words of an "Events record", in the order their Events rows appear.
struct EventWord {
    int offset; // record offset of the low byte
    const char* level;
    const BitTexts& bits;
};

const EventWord eventWords[] = {
    {9, QT_TRANSLATE_NOOP("History", "Warning Level2"), bmsWarningBits},
    {11, QT_TRANSLATE_NOOP("History", "Warning Level3"), bmsWarningBits},
    {13, QT_TRANSLATE_NOOP("History", "Alarm"), bmsFaultBits},
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
                    rows.events.append(
                        {timeStamp, historyText(word.level), joinSetBits(value, word.bits)});
            }
        }
        rows.history.append(
            {timeStamp, codeColumnText(code, findCodeText(bmsEventCodes, code) != nullptr),
             codeText(bmsEventCodes, code, QT_TRANSLATE_NOOP("History", "Not defined")),
             recordLogDataText(block, offset)});
    }
    return rows;
}
