#pragma once

#include "monitor/batterysystem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

struct SystemSnapshot;

// The system setup: five settings in registers 0x0010..0x0012 (inverter code, module
// count, battery type, grid mode, phase; the last byte is always 0).

// What the setup controls offer for a battery family.
struct SetupLists {
    QStringList batteryTypes;
    QStringList inverterNames; // in code order; the position is what a setup read selects
    QString countCaption;      // "Modules in Serial" / "Modules in Parallels"
    int preselectedBatteryType;
};

// HV lists for a serial number starting "P03" or "E0P3", LV lists for "P02" or "P011";
// nothing for any other serial number (the lists are then left as they are).
std::optional<SetupLists> setupListsForSerial(const QString& serial);

// A setup read decoded for the controls (reply bytes 3..8).
struct SetupSelection {
    int inverterPosition = -1; // in the inverter's own family list
    QString inverterName;
    QString moduleCount; // HV: low hex digit (modules per tower); LV: decimal
    int batteryTypeIndex = 0;
    int gridIndex = 0;
    int phaseIndex = 0;
};

// Nothing when the inverter code is above 19 or the frame is not the reply to the setup
// read: no control changes then.
std::optional<SetupSelection> decodeSetupReply(const QByteArray& frame, BatteryFamily family);

// The six setup bytes composed from the controls, or why nothing may be sent.
struct SetupBytes {
    enum Outcome {
        Ok,
        NoInverter,
        BadModuleCount,
        NoSelection,
        NoSetupRead,        // nothing is known of the system's towers yet
        BadModulesPerTower, // a high-voltage count that is no single hex digit
    } outcome = Ok;
    QByteArray bytes;
};

// The inverter is looked up by name among all twenty; the module count is a decimal
// number 0..255 (an empty text is 0); the three indexes must be chosen (not -1).
SetupBytes composeSetupBytes(const QString& inverterText, const QString& moduleCountText,
                             int batteryTypeIndex, int gridIndex, int phaseIndex);

// The setup write for the system as the session last read it. A high-voltage system's
// count byte holds the towers in its high hex digit and the modules per tower in its low
// one; the controls edit only the modules (0..15, or a..f as a read shows them), so the
// towers are kept as the BMU last reported them. Before any setup read the towers are
// unknown and the write is refused.
SetupBytes composeSetupWrite(const SystemSnapshot& system, const QString& inverterText,
                             const QString& moduleCountText, int batteryTypeIndex, int gridIndex,
                             int phaseIndex);

// The message shown when the outcome refuses the write ("" for Ok and NoInverter, which
// send nothing without a message).
QString setupRefusalMessage(SetupBytes::Outcome outcome);
