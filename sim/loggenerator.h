#pragma once

#include "sim/systemprofile.h"

#include <QByteArray>
#include <QDateTime>
#include <QVector>

// Realistic event logs for the simulated units, newest record first. Over a few weeks
// of days (charging in the morning, discharging in the evening, hourly timing records)
// every event code the service tool knows for the unit appears at least once, with data
// bytes laid out as the unit writes them: big-endian words for high-voltage BMUs,
// little-endian for low-voltage BMUs and every BMS.
QVector<QByteArray> generateBmuLog(const SystemProfile& profile, quint32 seed,
                                   const QDateTime& newest);
QVector<QByteArray> generateBmsLog(const SystemProfile& profile, int bms, quint32 seed,
                                   const QDateTime& newest);

// What the logs gain when an update completes, newest first.
enum class UpdateKind { BmuFirmware, BmsFirmware, ParameterTable };
QVector<QByteArray> bmuUpdateRecords(const SystemProfile& profile, UpdateKind kind, Section section,
                                     FirmwareVersion version, const QDateTime& when);
QVector<QByteArray> bmsUpdateRecords(const SystemProfile& profile, Section section,
                                     FirmwareVersion before, FirmwareVersion after,
                                     const QDateTime& when);
