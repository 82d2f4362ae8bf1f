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

inline Operation* firmwareTransfer(SessionRig& rig, const QByteArray& image,
                                   FirmwareTarget target = FirmwareTarget::Bmu) {
    const SystemProfile& p = rig.profile();
    const bool bmu = target == FirmwareTarget::Bmu;
    const FirmwareVersion version = bmu ? p.newBmu : p.newBms;
    const QString section = (bmu ? p.bmuRunning : p.bmsRunning) == SectionA ? "B" : "A";
    const QString header =
        appendCrcHex(firmwareHeaderText(target, version.main, version.sub, section, image.size()));
    return new Transfer(
        TransferPlan::firmware(target, hexToBytes(header), splitIntoPackets(image)));
}

inline Operation* tableTransfer(SessionRig& rig) {
    const QByteArray table = demoTableBytes(rig.profile());
    const QString header = appendCrcHex(tableHeaderText(rig.session.snapshot().batteryType, table));
    return new Transfer(TransferPlan::table(hexToBytes(header), splitIntoPackets(table)));
}

inline Operation* setupWriteOfRead(SessionRig& rig) {
    const SetupSelection s = rig.session.snapshot().setup.value_or(SetupSelection{});
    const SetupBytes bytes =
        composeSetupWrite(rig.session.snapshot(), s.inverterName, s.moduleCount, s.batteryTypeIndex,
                          s.gridIndex, s.phaseIndex);
    return new SetupWrite(bytes.bytes);
}

// The operation of a test row by name.
inline Operation* operationNamed(SessionRig& rig, const QString& name) {
    if (name == "refresh")
        return new StatusRefresh;
    if (name.startsWith("bmsinfo"))
        return new BmsInfoRead(1);
    if (name == "setup-read")
        return new SetupRead(1);
    if (name == "setup-write")
        return setupWriteOfRead(rig);
    if (name == "history-bmu-45")
        return new HistoryRead(0, 3);
    if (name == "history-bms2-20")
        return new HistoryRead(2, 1);
    if (name == "firmware-bmu")
        return firmwareTransfer(rig, SessionRig::imageOf(300));
    if (name == "table")
        return tableTransfer(rig);
    qFatal("no operation %s", qPrintable(name));
}

// Whether the BMU holds what the transfer of that name sent (true for other operations).
inline bool transferArrived(SessionRig& rig, const QString& name) {
    if (name == "firmware-bmu")
        return rig.simulator.bmuFirmwareImage() == SessionRig::imageOf(300);
    if (name == "table")
        return rig.simulator.tableBytes() == demoTableBytes(rig.profile());
    return true;
}
