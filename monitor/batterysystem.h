#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// What the tool knows about the battery system's make-up: the two battery families,
// their battery type names, and the inverter code table shared by the Overview and
// the setup.

enum class BatteryFamily { HV, LV };

// HV family: a serial number starting with "P03" or "E0P3" (case-sensitive); every
// other serial number counts as LV for the displays.
BatteryFamily familyOfSerial(const QString& serial);

// The three battery type names of a family, in code order 0, 1, 2.
QStringList batteryTypeNames(BatteryFamily family);

// Name of a battery type code: codes other than 0 and 1 give the third name.
QString batteryTypeName(BatteryFamily family, int code);

struct InverterEntry {
    int code;
    const char* name;
    BatteryFamily family;
};

// The twenty inverters, in code order (code == index).
const QVector<InverterEntry>& inverterTable();

// The name of an inverter code, empty for a code outside the table.
QString inverterName(int code);

// The code of an inverter name, -1 when the name is not in the table.
int inverterCode(const QString& name);

// The inverters of one family, in code order: the setup list of that family.
QVector<InverterEntry> invertersOf(BatteryFamily family);

// Position of an inverter code in the list of its own family, -1 outside the table.
int inverterListPosition(int code);

// Grid mode register value: 0 "OFF GRID", 1 "ON GRID", any other "BACK UP".
QString gridText(int code);

// Phase register value: 0 "Single", any other "Three".
QString phaseText(int code);
