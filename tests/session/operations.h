#pragma once

// The operations the tests start, built as the window builds them from what the
// session knows.

#include "config/setupread.h"
#include "config/setupwrite.h"
#include "firmware/packets.h"
#include "firmware/transferheader.h"
#include "history/historyread.h"
#include "link/hexcommand.h"
#include "monitor/bmsinforead.h"
#include "tests/session/sessionrig.h"

// The image sent to the BMU, into the section it does not run.
inline Operation* firmwareTransfer(SessionRig& rig, const QByteArray& image) {
    const SystemProfile& p = rig.profile();
    const QString header =
        appendCrcHex(firmwareHeaderText(FirmwareTarget::Bmu, p.newBmu.main, p.newBmu.sub,
                                        p.bmuRunning == SectionA ? "B" : "A", image.size()));
    return new Transfer(
        TransferPlan::firmware(FirmwareTarget::Bmu, hexToBytes(header), splitIntoPackets(image)));
}

// The operation of a test row by name.
inline Operation* operationNamed(SessionRig& rig, const QString& name) {
    const SystemSnapshot& system = rig.session.snapshot();
    if (name == "refresh")
        return new StatusRefresh;
    if (name.startsWith("bmsinfo"))
        return new BmsInfoRead(1);
    if (name == "setup-read")
        return new SetupRead(1);
    if (name == "setup-write") { // the setup as read, written back
        const SetupSelection s = system.setup.value_or(SetupSelection{});
        return new SetupWrite(composeSetupWrite(system, s.inverterName, s.moduleCount,
                                                s.batteryTypeIndex, s.gridIndex, s.phaseIndex)
                                  .bytes);
    }
    if (name == "history-bmu-45")
        return new HistoryRead(0, 3);
    if (name == "history-bms2-20")
        return new HistoryRead(2, 1);
    if (name == "firmware-bmu")
        return firmwareTransfer(rig, SessionRig::imageOf(300));
    if (name == "firmware-long")
        return firmwareTransfer(rig, SessionRig::imageOf(20000));
    if (name != "table")
        qFatal("no operation %s", qPrintable(name));
    const QByteArray table = demoTableBytes(rig.profile());
    const QString header = appendCrcHex(tableHeaderText(system.batteryType, table));
    return new Transfer(TransferPlan::table(hexToBytes(header), splitIntoPackets(table)));
}

// Whether the BMU holds what the transfer of that name sent (true for other operations).
inline bool transferArrived(SessionRig& rig, const QString& name) {
    if (name == "firmware-bmu")
        return rig.simulator.bmuFirmwareImage() == SessionRig::imageOf(300);
    if (name == "table")
        return rig.simulator.tableBytes() == demoTableBytes(rig.profile());
    return true;
}
