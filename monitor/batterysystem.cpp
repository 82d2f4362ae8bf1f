#include "monitor/batterysystem.h"

#include <QCoreApplication>

BatteryFamily familyOfSerial(const QString& serial) {
    return serial.startsWith(QLatin1String("P03")) || serial.startsWith(QLatin1String("E0P3"))
               ? BatteryFamily::HV
               : BatteryFamily::LV;
}

QStringList batteryTypeNames(BatteryFamily family) {
    if (family == BatteryFamily::HV)
        return {QStringLiteral("QPC"), QStringLiteral("QPB"), QStringLiteral("QPA")};
    return {QStringLiteral("ZRC"), QStringLiteral("ZRD"), QStringLiteral("ZRA/ZRA Mini")};
}

QString batteryTypeName(BatteryFamily family, int code) {
    return batteryTypeNames(family).at(code == 0 || code == 1 ? code : 2);
}

const QVector<InverterEntry>& inverterTable() {
    using F = BatteryFamily;
    static const QVector<InverterEntry> table = {
        {0, "Fronius HV", F::HV},
        {1, "Goodwe HV/Viessmann HV", F::HV},
        {2, "Goodwe LV/Viessmann LV", F::LV},
        {3, "KOSTAL HV", F::HV},
        {4, "Selectronic LV", F::LV},
        {5, "SMA SBS3.7/5.0/6.0 HV", F::HV},
        {6, "SMA LV", F::LV},
        {7, "Victron LV", F::LV},
        {8, "SUNTECH LV", F::LV},
        {9, "Sungrow HV", F::HV},
        {10, "Kaco HV", F::HV},
        {11, "Studer LV", F::LV},
        {12, "SolarEdge LV", F::LV},
        {13, "Ingeteam HV", F::HV},
        {14, "Sungrow LV", F::LV},
        {15, "Schneider LV", F::LV},
        {16, "SMA SBS2.5 HV", F::HV},
        {17, "Solis LV", F::LV},
        {18, "Solis HV", F::HV},
        {19, "SMA STP 5.0-10.0 SE HV", F::HV},
    };
    return table;
}

QString inverterName(int code) {
    const auto& table = inverterTable();
    return code >= 0 && code < table.size() ? QString::fromLatin1(table[code].name) : QString();
}

int inverterCode(const QString& name) {
    for (const InverterEntry& entry : inverterTable())
        if (name == QLatin1String(entry.name))
            return entry.code;
    return -1;
}

QVector<InverterEntry> invertersOf(BatteryFamily family) {
    QVector<InverterEntry> list;
    for (const InverterEntry& entry : inverterTable())
        if (entry.family == family)
            list.append(entry);
    return list;
}

int inverterListPosition(int code) {
    const auto& table = inverterTable();
    if (code < 0 || code >= table.size())
        return -1;
    const auto list = invertersOf(table[code].family);
    for (int i = 0; i < list.size(); ++i)
        if (list[i].code == code)
            return i;
    return -1;
}

QString gridText(int code) {
    switch (code) {
    case 0:
        return QCoreApplication::translate("Overview", "OFF GRID");
    case 1:
        return QCoreApplication::translate("Overview", "ON GRID");
    default:
        return QCoreApplication::translate("Overview", "BACK UP");
    }
}

QString phaseText(int code) {
    return code == 0 ? QCoreApplication::translate("Overview", "Single")
                     : QCoreApplication::translate("Overview", "Three");
}
