#include "history/bmuevents.h"

#include "history/codetables.h"
#include "link/bytes.h"

namespace {

const CodeText bmuEventCodes[] = {
    {0, QT_TRANSLATE_NOOP("History", "Power ON")},
    {1, QT_TRANSLATE_NOOP("History", "Power OFF")},
    {2, QT_TRANSLATE_NOOP("History", "Events record")},
    {4, QT_TRANSLATE_NOOP("History", "Start Charging")},
    {5, QT_TRANSLATE_NOOP("History", "Stop Charging")},
    {6, QT_TRANSLATE_NOOP("History", "Start DisCharging")},
    {7, QT_TRANSLATE_NOOP("History", "Stop DisCharging")},
    {32, QT_TRANSLATE_NOOP("History", "System status changed")},
    {33, QT_TRANSLATE_NOOP("History", "Erase BMS Firmware")},
    {36, QT_TRANSLATE_NOOP("History", "Functional Safety Info")},
    {38, QT_TRANSLATE_NOOP("History", "SOP Info")},
    {39, QT_TRANSLATE_NOOP("History", "BCU Hardware failt")},
    {101, QT_TRANSLATE_NOOP("History", "Firmware Start to Update")},
    {102, QT_TRANSLATE_NOOP("History", "Firmware Update Successful")},
    {103, QT_TRANSLATE_NOOP("History", "Firmware Update failure")},
    {104, QT_TRANSLATE_NOOP("History", "Firmware Jumpinto other section")},
    {105, QT_TRANSLATE_NOOP("History", "Parameters table Update")},
    {106, QT_TRANSLATE_NOOP("History", "SN Code Changed")},
    {111, QT_TRANSLATE_NOOP("History", "DateTime Calibration")},
    {112, QT_TRANSLATE_NOOP("History", "BMS disconnected with BMU")},
    {113, QT_TRANSLATE_NOOP("History", "BMU F/W Reset")},
    {114, QT_TRANSLATE_NOOP("History", "BMU Watchdog Reset")},
    {115, QT_TRANSLATE_NOOP("History", "PreCharge Failed")},
    {116, QT_TRANSLATE_NOOP("History", "Address registration failed")},
    {117, QT_TRANSLATE_NOOP("History", "Parameters table Load Failed")},
    {118, QT_TRANSLATE_NOOP("History", "System timing log")},
    {120, QT_TRANSLATE_NOOP("History", "Parameters table updating done")},
};

constexpr int EventsCode = 2;

QString description(int code, quint8 firstDataByte, bool p03System) {
    if (code == EventsCode && p03System)
        return firstDataByte != 0 ? historyText(QT_TRANSLATE_NOOP("History", "Events appear"))
                                  : historyText(QT_TRANSLATE_NOOP("History", "Events disappear"));
    return codeText(bmuEventCodes, code, QT_TRANSLATE_NOOP("History", "No Defined"));
}

} // namespace

TextRows decodeBmuBlock(const QByteArray& block, const QString& serialNumber) {
    const bool p03System = serialNumber.left(3) == QLatin1String("P03");
    TextRows rows;
    rows.reserve(LogRecord::PerBlock);
    for (int k = 0; k < LogRecord::PerBlock; ++k) {
        const int offset = k * LogRecord::Size;
        const int code = byteAt(block, offset);
        rows.append({recordTimeStamp(block, offset),
                     codeColumnText(code, findCodeText(bmuEventCodes, code) != nullptr),
                     description(code, byteAt(block, offset + LogRecord::DataOffset), p03System),
                     recordLogDataText(block, offset)});
    }
    return rows;
}
