#pragma once

#include "sim/systemprofile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The demo working folder: Config.ini with a password for each role, and a Data folder
// with firmware and parameter-table files for the simulated system, valid in name,
// version and CRC and newer than what the simulated system runs.

struct DemoPassword {
    const char* key; // key in group "B" of Config.ini
    const char* role;
    const char* password;
};
const QVector<DemoPassword>& demoPasswords();

// One file of the demo's Data folder.
struct DemoFile {
    QString name;
    QByteArray content;
};

// Firmware images for the BMU and the BMS and the parameter table, named as the update
// server publishes them.
QVector<DemoFile> demoDataFiles(const SystemProfile& profile);

// Image bytes (opaque to the tool) and the 1068 table bytes, reproducible.
QByteArray demoFirmwareImage(const SystemProfile& profile, bool bms);
QByteArray demoTableBytes(const SystemProfile& profile);

// Writes Config.ini into workDir and the data files with log.txt into dataRoot/Data
// (dataRoot empty: workDir, so that the folder needs no download). Creates the folders.
// Returns false with a message when a file cannot be written.
bool prepareDemoFolder(const QString& workDir, SystemPreset preset, const QString& dataRoot,
                       QString* error);
