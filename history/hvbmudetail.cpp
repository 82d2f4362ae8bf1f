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
    {0, "| Total Voltage too High |"},
    {1, "| Total Voltage too Low |"},
    {2, "| Cell Voltage too High |"},
    {3, "| Cell Voltage too Low |"},
    {4, "| Voltage Sensor Fault |"},
    {5, "| Temperature Sersor Fault |"},
    {6, "| Cell Discharging Temp. too High |"},
    {7, "| Cell Discharging Temp. too Low |"},
    {8, "| Cell Charging Temp. too High |"},
    {9, "| Cell Charging Temp. too Low |"},
    {10, "| Discharging Over Current |"},
    {11, "| Charging Over Current |"},
    {12, "| Major loop Fault |"},
    {13, "| Short Circuit warning |"},
    {14, "| Battery Imbalance |"},
    {15, "| Current Sensor Fault |"},
    {16, "| Registered address failure |"},
    {17, "| Loading Parameter error |"},
    {18, "| Pre-Charge Failure |"},
    {19, "| BMU FW update Failure |"},
    {20, "| BMS FW update Failure |"},
    {21, "| Interior Communication Failure |"},
    {22, "| Inverter Communication Overtime |"},
    {23, "| BMS Warning |"},
    {24, "| BMU detect AirSwitch abnormal |"},
};

const BitTexts warningBits = {
    "Battery Over Voltage;",     "Battery Under Voltage;",
    "Cells OverVoltage;",        "Cells UnderVoltage;",
    "V-sensor failure;",         "T-sensor failure;",
    "Cell discharge Temp-High;", "Cell discharge Temp-Low;",
    "Cell charge Temp-High;",    "Cell charge Temp-Low;",
    "Discharging over current;", "Charging over current;",
    "Main circuit failure;",     "Short circuit;",
    "Cells imbalance;",          "Current sensor failure;",
};

const BitTexts functionalSafetyBits = {
    " Cell OverVoltage;",
    " Cell UnderVoltage;",
    " Cell OverTemp.;",
    " Cell UnderTemp.;",
    " Cell Voltage sampling cable off;",
    " Temperature sampling cable off;",
    " Output OverVoltage;",
    " Output OverCurrent;",
    " BMS Abnormal heartbeat frame;",
    " Current detected when the main circuit is disconnected;",
    " BMS does not respond to cell sampling request;",
    " Output Voltage differs too much from the accumulator voltage;",
    "",
    "",
    "",
    "",
};

const CodeText shutdownReasons[] = {
    {1, "| Switch off by pressing LED button. |"},
    {2, "| Shutdown dur to timer timeout. |"},
    {3, "| BMS requests to switch off. |"},
    {4, "| Inverter requests to switch off. |"},
    {5, "| Black start is prohibited for the inverter. |"},
    {6, "| SMA enables  signal loss. |"},
    {7, "| Inverter requests to reset. |"},
};

const CodeText moduleTypes[] = {
    {0, "| Moduel type: QPC |"},
    {1, "| Moduel type: QPB |"},
    {2, "| Moduel type: QPA |"},
};

const CodeText inverterNames[] = {
    {0, "| Fronius HV |"},   {1, "| Goodwe HV/Viessmann HV |"},
    {3, "| KOSTAL HV |"},    {5, "| SMA SBS3.7/5.0/6.0 HV |"},
    {9, "| Sungrow HV |"},   {10, "| Kaco HV |"},
    {13, "| Ingeteam HV |"}, {16, "| SMA SBS2.5 HV |"},
};

const CodeText bmsUpdateTargets[] = {
    {0, "| BMS A Updating |"},
    {1, "| BMS B Updating |"},
    {2, "| BMS Parameters table Updating |"},
};

const CodeText calibrationSources[] = {
    {0, "| Calibrated by Upper computer |"},
    {1, "| Calibrated by Inverter |"},
    {2, "| Calibrated by Internet |"},
};

const CodeText addressFailures[] = {
    {4, "| No BMS reply |"},
    {5, "| BMS reports not assigned to the address |"},
};

const char NotDefined[] = "| Not defined. |";

QString firmwareInfo(const RecordFields& d) {
    return QString::fromLatin1(d.b(0) == 0 ? "| Bootloader |" : "| F/W Update |") +
           QString::fromLatin1(d.b(1) == 0 ? "| Running section: A |" : "| Running section: B |") +
           fillText("| Current Version: %1 |", d.version(2, 3));
}

QString eventsRecord(const RecordFields& d) {
    const quint16 warnings = d.w(2);
    return codeText(faultCodes, d.b(1), "| Not defined |") +
           (warnings == 0 ? QStringLiteral("No warning") : joinSetBits(warnings, warningBits)) +
           fillText("| Cell_Max._V:%1mV |", d.w(4)) + fillText("| Cell_Min._V:%1mV |", d.w(6)) +
           fillText("| Battery_Temp_Max:%1℃ |", d.b(8)) +
           fillText("| Battery_Temp_Min:%1℃ |", d.b(9)) +
           fillText("| Battery Total Voltage:%1V |", d.tenths(10)) +
           fillText("| SOC:%1% |", d.b(12)) + fillText("| SOH:%1% |", d.b(13));
}

QString functionalSafetyInfo(const RecordFields& d) {
    const quint32 runningSeconds = quint32(d.w(0)) << 16 | quint32(d.w(2));
    return fillText("| Running Time: %1s |", QString::number(runningSeconds)) +
           fillText("| BMU detected Cells Qty: %1 |", d.b(4)) +
           fillText("| BMU detected Temp. Qty: %1 |", d.b(5)) +
           fillText("| BMU detected Cell_V_Max: %1mV |", d.w(6)) +
           fillText("| BMU detected Cell_V_Min: %1mV |", d.w(8)) +
           fillText("| BMU detected Temp_Max: %1℃ |", d.b(10)) +
           fillText("| BMU detected Temp_Min: %1℃ |", d.b(11)) +
           // Current in tenths of an ampere, signed: negative while discharging.
           fillText("| BMU detected Current: %1A |", d.signedTenths(12)) +
           fillText("| BMU detected Output_V: %1V |", d.tenths(14)) +
           fillText("| BMU detected All Cells Accum_V: %1V |", scaledText(d.w(16), 10, 2)) +
           fillText("| BMS Address: %1 |", d.b(18)) +
           codeText(moduleTypes, d.b(19), "| Moduel type: Not defined |") +
           fillText("| Moduel Number: %1 |", d.b(20)) +
           joinSetBits(quint16(d.w(21)), functionalSafetyBits);
}

QString operatingLimits(const RecordFields& d) {
    QString text = fillText("| Charge Max. Current:%1A |", d.tenths(0)) +
                   fillText("| Discharge Max. Current:%1A |", d.tenths(2)) +
                   fillText("| Charge Max. Voltage:%1V |", d.tenths(4)) +
                   fillText("| Discharge Min. Voltage:%1V |", d.tenths(6)) +
                   hvStateTrailing(d.b(8)) + fillText("| Battery Temperature:%1℃ |", d.b(9)) +
                   codeText(inverterNames, d.b(10), "");
    if (d.b(11) < 4)
        text += fillText("| BMS Qty:%1 |", d.b(11));
    return text;
}

QString timingLog(const RecordFields& d) {
    return hvSystemStatus(d.b(0)) + fillText("| Environment_Temp_Min:%1℃ |", d.b(1)) +
           fillText("| Environment_Temp_Max:%1℃ |", d.b(2)) + fillText("| SOC:%1% |", d.b(3)) +
           fillText("| SOH:%1% |", d.b(4)) + fillText("| Battery Current_Temp:%1℃ |", d.b(5)) +
           fillText("| Battery Total Voltage:%1V |", d.tenths(6)) +
           fillText("| Cell_HV:%1mV |", d.w(8)) + fillText("| Cell_LV:%1mV |", d.w(10)) +
           fillText("| Battery_Temp_Max:%1℃ |", d.w(12)) +
           fillText("| Battery_Temp_Min:%1℃ |", d.w(14)) +
           fillText("| BMS Warning1:%1 |", binaryText(d.w(16), 16)) +
           fillText("| BMS Warning2:%1 |", binaryText(d.w(18), 16)) +
           fillText("| BMS Warning3:%1 |", binaryText(d.w(20), 16));
}

} // namespace

QString hvSystemStatus(int state) {
    const char* name = findCodeText(systemStates, state);
    return name ? QStringLiteral("| System Status:%1 |").arg(QLatin1String(name))
                : QStringLiteral("| Not defined |");
}

QString hvStateLeading(int state) {
    const char* name = findCodeText(systemStates, state);
    return name ? QStringLiteral("| %1 ").arg(QLatin1String(name))
                : QStringLiteral("| Not defined ");
}

QString hvStateTrailing(int state) {
    const char* name = findCodeText(systemStates, state);
    return name ? QStringLiteral(" %1 |").arg(QLatin1String(name))
                : QStringLiteral("| Not defined |");
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
        return QString::fromLatin1(d.b(0) == 0 ? "| Erased section: A |"
                                               : "| Erased section: B |") +
               fillText("| FW Version: %1 |", d.version(1, 2));
    case 36:
        return functionalSafetyInfo(d);
    case 38:
        return operatingLimits(d);
    case 39:
        return d.b(0) == 1   ? QStringLiteral("| BCU can not be shutdown! |")
               : d.b(0) == 2 ? QStringLiteral("| Air switch can not be disconnected! |")
                             : QString();
    case 101:
        return codeText(bmsUpdateTargets, d.b(0), NotDefined) +
               fillText("| Version:%1 |", d.version(1, 2));
    case 102:
        return QStringLiteral("| BMS Update Finish |");
    case 103:
        return QStringLiteral("| BMS Update Failure |");
    case 105:
        return QString::fromLatin1(d.b(0) == 10 ? "| BMS Parameters table Update |"
                                                : "| BMU Parameters table Update |") +
               fillText("| Parameters table： %1 |", d.version(1, 2));
    case 111:
        return codeText(calibrationSources, d.b(0), NotDefined);
    case 116:
        return codeText(addressFailures, d.b(0), NotDefined);
    case 118:
        return timingLog(d);
    default:
        return QString::fromLatin1(NotDefined);
    }
}
