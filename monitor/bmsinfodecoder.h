#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The BMS information block: 420 bytes gathered from four page replies of 65 registers
// from 0x0558. Pages 1..3 give their bytes 5..132 (registers 0x0559..0x0598), page 4
// its bytes 5..40; the reply header and register 0x0558 are skipped.

namespace BmsInfo {
constexpr int PageCount = 4;
constexpr int BlockSize = 420;
constexpr int CellCount = 128;
constexpr int TemperatureCount = 64;
constexpr int FirstCellValue = 20;                                   // bmsValues index of cell 1
constexpr int FirstTemperatureValue = FirstCellValue + CellCount;    // 148
constexpr int ValueCount = FirstTemperatureValue + TemperatureCount; // 212
} // namespace BmsInfo

// The useful bytes of page reply `page` (1..4); empty for any other page number.
QByteArray bmsPageSlice(const QByteArray& frame, int page);

// Every text of the BMS information tab. Offsets are block offsets, words big-endian.
struct BmsInfoTexts {
    QString cellVoltageMax; // 0 (mV) and cell number 4: "%1mV (No.%2)"
    QString cellVoltageMin; // 2 and 5
    QString cellTempMax;    // 6 (signed °C) and sensor 10: "%1℃ (No.%2)"
    QString cellTempMin;    // 8 and 11
    QString batteryVoltage; // 40 / 10, "%1V"
    QString packVoltage;    // 46 / 10, "%1V"
    QString switchState;    // 45, 8 binary digits
    QString soc;            // 48 / 10, "%1%"
    int socGauge = 0;       // 48 / 10, truncated
    QString current;        // 52, 0.1 A signed: "DisCharging:%1A" / "Charging:-%1A"
    quint16 warningLevel3 = 0;
    QString warningLevels[3]; // 54, 56, 58, 16 binary digits each
    QString sectionA;         // 61/60 "V%1.%2-A" (major in the second byte)
    QString sectionB;         // 63/62 "V%1.%2-B"
    QString runningSection;   // 64: "B" for 1, else "A"
    QString firmware;         // the running section's version
    QString serial;           // 66..84, cut at the first NUL
    QString tableA;           // 91/90 "V%1.%2"
    QString tableB;           // 93/92
    QString faultCodes[2];    // 94, 95, 8 binary digits each

    // The measurements as numbers, the texts above written from them.
    int cellVoltageMaxMv = 0;
    int cellVoltageMaxNo = 0;
    int cellVoltageMinMv = 0;
    int cellVoltageMinNo = 0;
    int cellTempMaxC = 0;
    int cellTempMaxNo = 0;
    int cellTempMinC = 0;
    int cellTempMinNo = 0;
    double batteryVolts = 0;
    double packVolts = 0;
    double socPercent = 0;
    double currentAmps = 0;      // negative while charging
    QVector<int> cellMillivolts; // cells 1..128, 96 + 2 * (cell - 1)
    QVector<int> temperaturesC;  // sensors 1..64, one unsigned byte each from 354

    // The 212 texts the tables are filled from: the 20 named values, then cell
    // voltages 1..128 (mV) and temperatures 1..64 (°C).
    QStringList values;
};

BmsInfoTexts decodeBmsInfo(const QByteArray& block);

// The event pane lines for warning level 3: the texts of its set bits from bit 0 up,
// or an empty list when it is zero (the pane then shows "Normal").
QStringList bmsWarningTexts(quint16 warningLevel3);
