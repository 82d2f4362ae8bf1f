#include "monitor/systemsnapshot.h"

#include "link/bytes.h"

void SystemSnapshot::takeStatus(const QByteArray& block) {
    hasStatus = true;
    statusBlock = block;
    statusReadAt = QDateTime::currentDateTime();
    overview = decodeOverview(block);
    batteryType = overview.batteryType;
}

BatteryFamily SystemSnapshot::family() const {
    return familyOfSerial(overview.serial);
}

bool SystemSnapshot::takeSetupReply(const QByteArray& frame) {
    const auto selection = decodeSetupReply(frame, family());
    if (!selection)
        return false;
    setup = selection;
    setupCountByte = byteAt(frame, 4);
    if (const auto lists = setupListsForSerial(overview.serial))
        batteryType = lists->batteryTypes.value(selection->batteryTypeIndex, batteryType);
    return true;
}
