#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Texts of the four BMS warning and fault words d[0..7] (little-endian): each word's set
// bits joined in bit order, "None" for a zero word.
struct BmsWarningTexts {
    QString warning1;
    QString warning2;
    QString warning3;
    QString fault;
};
BmsWarningTexts bmsWarningTexts(const QByteArray& data);

// The "Switch Status" text of the switch bits in d[8]: relay and air switch for the
// high-voltage family, charge MOS, discharge MOS and relay for any other; empty when
// no bit is set.
QString bmsSwitchText(quint8 switches, const QString& family);

// "Battery Idling", "Battery Charging" or "Battery DisCharging" when d[8] holds 0, 1 or 2
// (nothing but the charge or discharge switch on), else empty.
QString bmsBatteryState(quint8 switches);

// The texts of a saved BMS record for the translation columns "Warning 1" onward, in
// column order, from its event code, data bytes and the battery family.
QStringList bmsDetailTexts(int code, const QByteArray& data, const QString& family);
