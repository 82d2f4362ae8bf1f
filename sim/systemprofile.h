#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

// The battery systems the simulated BMU can stand for.
enum class SystemPreset { HighVoltage, LowVoltage, Qpa5 };
Q_DECLARE_METATYPE(SystemPreset)

// "hv", "lv" or "qpa5" (case ignored). Returns false and leaves *preset alone otherwise.
bool parseSystemPreset(const QString& name, SystemPreset* preset);
QString systemPresetName(SystemPreset preset);

// A firmware or parameter-table version: main and sub number.
struct FirmwareVersion {
    quint8 main = 0;
    quint8 sub = 0;

    quint16 word() const { return static_cast<quint16>(main << 8 | sub); } // main in the high byte
    static FirmwareVersion fromWord(quint16 word) { return {quint8(word >> 8), quint8(word)}; }
    QString text() const { return QStringLiteral("%1.%2").arg(main).arg(sub); }
    bool operator==(const FirmwareVersion& other) const {
        return main == other.main && sub == other.sub;
    }
};

// Firmware sections of a BMU or BMS: section A is 0, section B is 1.
enum Section : quint8 { SectionA = 0, SectionB = 1 };

// How one preset is built and what it runs when the simulator starts.
struct SystemProfile {
    SystemPreset preset = SystemPreset::HighVoltage;
    QByteArray serial;          // BMU serial number, at most 19 characters
    QByteArray bmsSerialStem;   // BMS n is the stem followed by n in two digits
    bool highVoltage = true;    // "P03" family
    QString familyCode;         // "P3" or "P2", as firmware file names carry it
    quint8 batteryTypeCode = 0; // register 0x0011 hi
    QString batteryTypeName;    // the name the tool shows for the code
    quint8 moduleCountByte = 0; // register 0x0010 lo: towers and modules (HV) or modules (LV)
    int bmsCount = 0;           // units behind the BMU: towers (HV) or parallel modules (LV)
    int modulesPerBms = 0;
    int cellsPerModule = 0;
    int temperaturesPerModule = 0;
    quint8 inverterCode = 0;
    quint8 gridMode = 0;
    quint8 phase = 0;
    double capacityAh = 0; // per BMS
    double maxCurrent = 0; // A, for the whole system

    FirmwareVersion bmuA, bmuB; // BMU firmware in its two sections
    Section bmuRunning = SectionA;
    FirmwareVersion bmsA, bmsB; // firmware of every BMS
    Section bmsRunning = SectionA;
    FirmwareVersion table; // parameter table loaded in the BMU
    FirmwareVersion bmsTableA, bmsTableB;

    // Versions that the demo's update files carry: newer than the running ones.
    FirmwareVersion newBmu, newBms, newTable;

    int cellsPerBms() const { return modulesPerBms * cellsPerModule; }
    int temperaturesPerBms() const { return modulesPerBms * temperaturesPerModule; }
    QByteArray bmsSerial(int bms) const;
    // The three-letter prefix of parameter-table file names ("QPB", "ZRC", "QPA").
    QString tableFilePrefix() const { return batteryTypeName.left(3); }
};

SystemProfile systemProfile(SystemPreset preset);
