#include "history/bmuevents.h"

#include "history/codetables.h"
#include "link/bytes.h"

namespace {

const CodeText bmuEventCodes[] = {
    {0, "Power ON"},
    {1, "Power OFF"},
    {2, "Events record"},
    {4, "Start Charging"},
    {5, "Stop Charging"},
    {6, "Start DisCharging"},
    {7, "Stop DisCharging"},
    {32, "System status changed"},
    {33, "Erase BMS Firmware"},
    {36, "Functional Safety Info"},
    {38, "SOP Info"},
    {39, "BCU Hardware failt"},
    {101, "Firmware Start to Update"},
    {102, "Firmware Update Successful"},
    {103, "Firmware Update failure"},
    {104, "Firmware Jumpinto other section"},
    {105, "Parameters table Update"},
    {106, "SN Code Changed"},
    {111, "DateTime Calibration"},
    {112, "BMS disconnected with BMU"},
    {113, "BMU F/W Reset"},
    {114, "BMU Watchdog Reset"},
    {115, "PreCharge Failed"},
    {116, "Address registration failed"},
    {117, "Parameters table Load Failed"},
    {118, "System timing log"},
    {120, "Parameters table updating done"},
};

constexpr int EventsCode = 2;

QString description(int code, quint8 firstDataByte, bool p03System) {
    if (code == EventsCode && p03System)
        return firstDataByte != 0 ? QStringLiteral("Events appear")
                                  : QStringLiteral("Events disappear");
    return codeText(bmuEventCodes, code, "No Defined");
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
