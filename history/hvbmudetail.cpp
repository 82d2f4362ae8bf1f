#include "history/hvbmudetail.h"

#include "history/codetables.h"
#include "history/recordfields.h"
#include "monitor/valuetext.h"

namespace {

const CodeText systemStates[] = {
    {0, "SYS_STANDBY"},    {1, "SYS_INACTIVE"},    {2, "SYS_BLACK_START"}, {3, "SYS_ACTIVE"},
    {4, "SYS_FAULT"},      {5, "SYS_UPDATING"},    {6, "SYS_SHUTDOWN"},    {7, "SYS_PRECHARGE"},
    {8, "SYS_BATT_CHECK"}, {9, "SYS_ASSIGN_ADDR"}, {10, "SYS_LOAD_PARAM"}, {11, "SYS_INIT"},
};

const CodeText faultCodes[] = {
    {0, QT_TRANSLATE_NOOP("History", "| Total Voltage too High |")},
    {1, QT_TRANSLATE_NOOP("History", "| Total Voltage too Low |")},
    {2, QT_TRANSLATE_NOOP("History", "| Cell Voltage too High |")},
    {3, QT_TRANSLATE_NOOP("History", "| Cell Voltage too Low |")},
    {4, QT_TRANSLATE_NOOP("History", "| Voltage Sensor Fault |")},
    {5, QT_TRANSLATE_NOOP("History", "| Temperature Sersor Fault |")},
    {6, QT_TRANSLATE_NOOP("History", "| Cell Discharging Temp. too High |")},
    {7, QT_TRANSLATE_NOOP("History", "| Cell Discharging Temp. too Low |")},
    {8, QT_TRANSLATE_NOOP("History", "| Cell Charging Temp. too High |")},
    {9, QT_TRANSLATE_NOOP("History", "| Cell Charging Temp. too Low |")},
    {10, QT_TRANSLATE_NOOP("History", "| Discharging Over Current |")},
    {11, QT_TRANSLATE_NOOP("History", "| Charging Over Current |")},
    {12, QT_TRANSLATE_NOOP("History", "| Major loop Fault |")},
    {13, QT_TRANSLATE_NOOP("History", "| Short Circuit warning |")},
    {14, QT_TRANSLATE_NOOP("History", "| Battery Imbalance |")},
    {15, QT_TRANSLATE_NOOP("History", "| Current Sensor Fault |")},
    {16, QT_TRANSLATE_NOOP("History", "| Registered address failure |")},
    {17, QT_TRANSLATE_NOOP("History", "| Loading Parameter error |")},
    {18, QT_TRANSLATE_NOOP("History", "| Pre-Charge Failure |")},
    {19, QT_TRANSLATE_NOOP("History", "| BMU FW update Failure |")},
    {20, QT_TRANSLATE_NOOP("History", "| BMS FW update Failure |")},
    {21, QT_TRANSLATE_NOOP("History", "| Interior Communication Failure |")},
    {22, QT_TRANSLATE_NOOP("History", "| Inverter Communication Overtime |")},
    {23, QT_TRANSLATE_NOOP("History", "| BMS Warning |")},
    {24, QT_TRANSLATE_NOOP("History", "| BMU detect AirSwitch abnormal |")},
};

const BitTexts warningBits = {
    QT_TRANSLATE_NOOP("History", "Battery Over Voltage;"),
    QT_TRANSLATE_NOOP("History", "Battery Under Voltage;"),
    QT_TRANSLATE_NOOP("History", "Cells OverVoltage;"),
    QT_TRANSLATE_NOOP("History", "Cells UnderVoltage;"),
    QT_TRANSLATE_NOOP("History", "V-sensor failure;"),
    QT_TRANSLATE_NOOP("History", "T-sensor failure;"),
    QT_TRANSLATE_NOOP("History", "Cell discharge Temp-High;"),
    QT_TRANSLATE_NOOP("History", "Cell discharge Temp-Low;"),
    QT_TRANSLATE_NOOP("History", "Cell charge Temp-High;"),
    QT_TRANSLATE_NOOP("History", "Cell charge Temp-Low;"),
    QT_TRANSLATE_NOOP("History", "Discharging over current;"),
    QT_TRANSLATE_NOOP("History", "Charging over current;"),
    QT_TRANSLATE_NOOP("History", "Main circuit failure;"),
    QT_TRANSLATE_NOOP("History", "Short circuit;"),
    QT_TRANSLATE_NOOP("History", "Cells imbalance;"),
    QT_TRANSLATE_NOOP("History", "Current sensor failure;"),
};

const BitTexts functionalSafetyBits = {
    QT_TRANSLATE_NOOP("History", " Cell OverVoltage;"),
    QT_TRANSLATE_NOOP("History", " Cell UnderVoltage;"),
    QT_TRANSLATE_NOOP("History", " Cell OverTemp.;"),
    QT_TRANSLATE_NOOP("History", " Cell UnderTemp.;"),
    QT_TRANSLATE_NOOP("History", " Cell Voltage sampling cable off;"),
    QT_TRANSLATE_NOOP("History", " Temperature sampling cable off;"),
    QT_TRANSLATE_NOOP("History", " Output OverVoltage;"),
    QT_TRANSLATE_NOOP("History", " Output OverCurrent;"),
    QT_TRANSLATE_NOOP("History", " BMS Abnormal heartbeat frame;"),
    QT_TRANSLATE_NOOP("History", " Current detected when the main circuit is disconnected;"),
    QT_TRANSLATE_NOOP("History", " BMS does not respond to cell sampling request;"),
    QT_TRANSLATE_NOOP("History", " Output Voltage differs too much from the accumulator voltage;"),
    "",
    "",
    "",
    "",
};

const CodeText shutdownReasons[] = {
    {1, QT_TRANSLATE_NOOP("History", "| Switch off by pressing LED button. |")},
    {2, QT_TRANSLATE_NOOP("History", "| Shutdown dur to timer timeout. |")},
    {3, QT_TRANSLATE_NOOP("History", "| BMS requests to switch off. |")},
    {4, QT_TRANSLATE_NOOP("History", "| Inverter requests to switch off. |")},
    {5, QT_TRANSLATE_NOOP("History", "| Black start is prohibited for the inverter. |")},
    {6, QT_TRANSLATE_NOOP("History", "| SMA enables  signal loss. |")},
    {7, QT_TRANSLATE_NOOP("History", "| Inverter requests to reset. |")},
};

const CodeText moduleTypes[] = {
    {0, QT_TRANSLATE_NOOP("History", "| Moduel type: QPC |")},
    {1, QT_TRANSLATE_NOOP("History", "| Moduel type: QPB |")},
    {2, QT_TRANSLATE_NOOP("History", "| Moduel type: QPA |")},
};

const CodeText inverterNames[] = {
    {0, "| Fronius HV |"},   {1, "| Goodwe HV/Viessmann HV |"},
    {3, "| KOSTAL HV |"},    {5, "| SMA SBS3.7/5.0/6.0 HV |"},
    {9, "| Sungrow HV |"},   {10, "| Kaco HV |"},
    {13, "| Ingeteam HV |"}, {16, "| SMA SBS2.5 HV |"},
};

const CodeText bmsUpdateTargets[] = {
    {0, QT_TRANSLATE_NOOP("History", "| BMS A Updating |")},
    {1, QT_TRANSLATE_NOOP("History", "| BMS B Updating |")},
    {2, QT_TRANSLATE_NOOP("History", "| BMS Parameters table Updating |")},
};

const CodeText calibrationSources[] = {
    {0, QT_TRANSLATE_NOOP("History", "| Calibrated by Upper computer |")},
    {1, QT_TRANSLATE_NOOP("History", "| Calibrated by Inverter |")},
    {2, QT_TRANSLATE_NOOP("History", "| Calibrated by Internet |")},
};

const CodeText addressFailures[] = {
    {4, QT_TRANSLATE_NOOP("History", "| No BMS reply |")},
    {5, QT_TRANSLATE_NOOP("History", "| BMS reports not assigned to the address |")},
};

const char NotDefined[] = QT_TRANSLATE_NOOP("History", "| Not defined. |");

QString firmwareInfo(const RecordFields& d) {
    return historyText(d.b(0) == 0 ? QT_TRANSLATE_NOOP("History", "| Bootloader |")
                                   : QT_TRANSLATE_NOOP("History", "| F/W Update |")) +
           historyText(d.b(1) == 0 ? QT_TRANSLATE_NOOP("History", "| Running section: A |")
                                   : QT_TRANSLATE_NOOP("History", "| Running section: B |")) +
           fillText(QT_TRANSLATE_NOOP("History", "| Current Version: %1 |"), d.version(2, 3));
}

QString eventsRecord(const RecordFields& d) {
    const quint16 warnings = d.w(2);
    return codeText(faultCodes, d.b(1), QT_TRANSLATE_NOOP("History", "| Not defined |")) +
           (warnings == 0 ? historyText(QT_TRANSLATE_NOOP("History", "No warning"))
                          : joinSetBits(warnings, warningBits)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Cell_Max._V:%1mV |"), d.w(4)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Cell_Min._V:%1mV |"), d.w(6)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Battery_Temp_Max:%1℃ |"), d.b(8)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Battery_Temp_Min:%1℃ |"), d.b(9)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Battery Total Voltage:%1V |"), d.tenths(10)) +
           fillText(QT_TRANSLATE_NOOP("History", "| SOC:%1% |"), d.b(12)) +
           fillText(QT_TRANSLATE_NOOP("History", "| SOH:%1% |"), d.b(13));
}

QString functionalSafetyInfo(const RecordFields& d) {
    const quint32 runningSeconds = quint32(d.w(0)) << 16 | quint32(d.w(2));
    return fillText(QT_TRANSLATE_NOOP("History", "| Running Time: %1s |"),
                    QString::number(runningSeconds)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMU detected Cells Qty: %1 |"), d.b(4)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMU detected Temp. Qty: %1 |"), d.b(5)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMU detected Cell_V_Max: %1mV |"), d.w(6)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMU detected Cell_V_Min: %1mV |"), d.w(8)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMU detected Temp_Max: %1℃ |"), d.b(10)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMU detected Temp_Min: %1℃ |"), d.b(11)) +
           // Current in tenths of an ampere, signed: negative while discharging.
           fillText(QT_TRANSLATE_NOOP("History", "| BMU detected Current: %1A |"),
                    d.signedTenths(12)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMU detected Output_V: %1V |"), d.tenths(14)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMU detected All Cells Accum_V: %1V |"),
                    scaledText(d.w(16), 10, 2)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMS Address: %1 |"), d.b(18)) +
           codeText(moduleTypes, d.b(19),
                    QT_TRANSLATE_NOOP("History", "| Moduel type: Not defined |")) +
           fillText(QT_TRANSLATE_NOOP("History", "| Moduel Number: %1 |"), d.b(20)) +
           joinSetBits(quint16(d.w(21)), functionalSafetyBits);
}

QString operatingLimits(const RecordFields& d) {
    QString text =
        fillText(QT_TRANSLATE_NOOP("History", "| Charge Max. Current:%1A |"), d.tenths(0)) +
        fillText(QT_TRANSLATE_NOOP("History", "| Discharge Max. Current:%1A |"), d.tenths(2)) +
        fillText(QT_TRANSLATE_NOOP("History", "| Charge Max. Voltage:%1V |"), d.tenths(4)) +
        fillText(QT_TRANSLATE_NOOP("History", "| Discharge Min. Voltage:%1V |"), d.tenths(6)) +
        hvStateTrailing(d.b(8)) +
        fillText(QT_TRANSLATE_NOOP("History", "| Battery Temperature:%1℃ |"), d.b(9)) +
        codeText(inverterNames, d.b(10), "");
    if (d.b(11) < 4)
        text += fillText(QT_TRANSLATE_NOOP("History", "| BMS Qty:%1 |"), d.b(11));
    return text;
}

QString timingLog(const RecordFields& d) {
    return hvSystemStatus(d.b(0)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Environment_Temp_Min:%1℃ |"), d.b(1)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Environment_Temp_Max:%1℃ |"), d.b(2)) +
           fillText(QT_TRANSLATE_NOOP("History", "| SOC:%1% |"), d.b(3)) +
           fillText(QT_TRANSLATE_NOOP("History", "| SOH:%1% |"), d.b(4)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Battery Current_Temp:%1℃ |"), d.b(5)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Battery Total Voltage:%1V |"), d.tenths(6)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Cell_HV:%1mV |"), d.w(8)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Cell_LV:%1mV |"), d.w(10)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Battery_Temp_Max:%1℃ |"), d.w(12)) +
           fillText(QT_TRANSLATE_NOOP("History", "| Battery_Temp_Min:%1℃ |"), d.w(14)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMS Warning1:%1 |"), binaryText(d.w(16), 16)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMS Warning2:%1 |"), binaryText(d.w(18), 16)) +
           fillText(QT_TRANSLATE_NOOP("History", "| BMS Warning3:%1 |"), binaryText(d.w(20), 16));
}

} // namespace

QString hvSystemStatus(int state) {
    const char* name = findCodeText(systemStates, state);
    return name ? historyText(QT_TRANSLATE_NOOP("History", "| System Status:%1 |"))
                      .arg(QLatin1String(name))
                : historyText(QT_TRANSLATE_NOOP("History", "| Not defined |"));
}

QString hvStateLeading(int state) {
    const char* name = findCodeText(systemStates, state);
    return name ? QStringLiteral("| %1 ").arg(QLatin1String(name))
                : historyText(QT_TRANSLATE_NOOP("History", "| Not defined "));
}

QString hvStateTrailing(int state) {
    const char* name = findCodeText(systemStates, state);
    return name ? QStringLiteral(" %1 |").arg(QLatin1String(name))
                : historyText(QT_TRANSLATE_NOOP("History", "| Not defined |"));
}

QString hvBmuDetail(int code, const QByteArray& data) {
    if (data.isEmpty())
        return {};
    const RecordFields d{data, ByteOrder::BigEndian};
    switch (code) {
    case 0:
        return firmwareInfo(d);
    case 1:
        return codeText(shutdownReasons, d.b(0), NotDefined);
    case 2:
        return eventsRecord(d);
    case 32: // d[1] is the state left, d[0] the state entered
        return hvStateLeading(d.b(1)) + QStringLiteral("-->") + hvStateTrailing(d.b(0));
    case 33:
        return historyText(d.b(0) == 0 ? QT_TRANSLATE_NOOP("History", "| Erased section: A |")
                                       : QT_TRANSLATE_NOOP("History", "| Erased section: B |")) +
               fillText(QT_TRANSLATE_NOOP("History", "| FW Version: %1 |"), d.version(1, 2));
    case 36:
        return functionalSafetyInfo(d);
    case 38:
        return operatingLimits(d);
    case 39:
        return d.b(0) == 1
                   ? historyText(QT_TRANSLATE_NOOP("History", "| BCU can not be shutdown! |"))
               : d.b(0) == 2 ? historyText(QT_TRANSLATE_NOOP(
                                   "History", "| Air switch can not be disconnected! |"))
                             : QString();
    case 101:
        return codeText(bmsUpdateTargets, d.b(0), NotDefined) +
               fillText(QT_TRANSLATE_NOOP("History", "| Version:%1 |"), d.version(1, 2));
    case 102:
        return historyText(QT_TRANSLATE_NOOP("History", "| BMS Update Finish |"));
    case 103:
        return historyText(QT_TRANSLATE_NOOP("History", "| BMS Update Failure |"));
    case 105:
        return historyText(d.b(0) == 10
                               ? QT_TRANSLATE_NOOP("History", "| BMS Parameters table Update |")
                               : QT_TRANSLATE_NOOP("History", "| BMU Parameters table Update |")) +
               fillText(QT_TRANSLATE_NOOP("History", "| Parameters table： %1 |"), d.version(1, 2));
    case 111:
        return codeText(calibrationSources, d.b(0), NotDefined);
    case 116:
        return codeText(addressFailures, d.b(0), NotDefined);
    case 118:
        return timingLog(d);
    default:
        return historyText(NotDefined);
    }
}
