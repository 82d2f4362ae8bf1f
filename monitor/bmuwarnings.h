#pragma once

#include "monitor/batterysystem.h"

#include <QString>
#include <QVector>

// The warning lines of the Overview's system status pane, from the battery warning
// word (register 0x050D) and the system status word (register 0x0061).

struct WarningLine {
    QString text;
    QString colour; // a named text colour: "blue" warning, "red" alarm, "green" normal

    bool operator==(const WarningLine& other) const {
        return text == other.text && colour == other.colour;
    }
};

// Both words zero: one green "Normal". Otherwise the texts of the set bits, the battery
// word from bit 0 up, then the system word from bit 15 down; bits without a text for the
// family are skipped, so a non-zero word may give no line at all.
QVector<WarningLine> bmuWarningLines(BatteryFamily family, quint16 batteryWord, quint16 systemWord);
