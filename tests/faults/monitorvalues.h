#pragma once

#include "faultrig.h"

// What a reader of the Overview and of the Diagnosis tab sees after a refresh or a BMS
// information read.
inline QMap<QString, QString> monitorValues(FaultRig& rig) {
    static const QStringList labels = {"label_SN",
                                       "label_BMU",
                                       "label_BMSA",
                                       "label_InverterName",
                                       "label_BMSNo",
                                       "label_Batterytype",
                                       "label_Grid",
                                       "label_Phase",
                                       "label_Soc",
                                       "label_MaxCellVoltage",
                                       "label_MinCellVoltage",
                                       "label_Current",
                                       "label_BatVoltage",
                                       "label_MaxCellTemp",
                                       "label_MinCellTemp",
                                       "label_PVoltage",
                                       "label_Power",
                                       "label_ThresholdVersion",
                                       "label_BMS_SN",
                                       "label_BMS_SOC",
                                       "label_BMS_Battery_voltage",
                                       "label_BMS_Park_voltage",
                                       "label_BMS_CellVoltage_Max",
                                       "label_BMS_CellVoltage_Min",
                                       "label_BMS_CellTemp_Max",
                                       "label_BMS_CellTemp_Min",
                                       "label_BMS_FW",
                                       "label_BMS_Current"};
    QMap<QString, QString> shown = rig.texts(labels);
    const QVector<QStringList> cells = rig.rows(QStringLiteral("tableWidget_BMS_Cells"));
    for (int r = 0; r < cells.size(); ++r)
        shown.insert(QStringLiteral("cells row %1").arg(r), cells[r].join(QLatin1Char('|')));
    return shown;
}

// Runs the press of `buttonName` under the fault: the buttons come back, no wrong value
// appears, and without lost replies every value is shown; once the link is sound again the
// same press shows every value.
inline void checkMonitorOperation(FaultRig& rig, const LinkFault& fault, const char* buttonName,
                                  const QMap<QString, QString>& clean) {
    const QMap<QString, QString> before = monitorValues(rig);
    fault.apply(rig.simulator);
    rig.button(QLatin1String(buttonName))->click();
    if (!fault.replyLost) {
        QVERIFY2(rig.waitUntil([&] { return monitorValues(rig) == clean; }),
                 qPrintable(firstDifference(monitorValues(rig), clean)));
        return;
    }
    QVERIFY2(rig.waitUntilSettled(), "the buttons never came back");
    QString wrong;
    QVERIFY2(shownIsCleanOrOld(monitorValues(rig), clean, before, &wrong), qPrintable(wrong));

    clearLinkFaults(rig.simulator);
    rig.closeMessageBoxes();
    rig.button(QLatin1String(buttonName))->click();
    QVERIFY2(rig.waitUntil([&] { return monitorValues(rig) == clean; }),
             qPrintable(firstDifference(monitorValues(rig), clean)));
}

// A clean refresh, for the values every faulty run is compared with.
inline QMap<QString, QString> cleanMonitorValues() {
    FaultRig rig;
    if (!rig.connectLink())
        return {};
    rig.button("Btn_Refresh")->click();
    if (!rig.waitUntilSettled())
        return {};
    return monitorValues(rig);
}
