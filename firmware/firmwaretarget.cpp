#include "firmware/firmwaretarget.h"

#include "firmware/packets.h"
#include "link/catalogue.h"

namespace {

const FirmwareTargetInfo targets[] = {
    {"BMU", Command::BmuFirmwareHeaderHead, Packet::BmuFirstRegister, Command::BmuUpdateResult},
    {"BMS", Command::BmsFirmwareHeaderHead, Packet::BmsFirstRegister, Command::BmsUpdateResult},
};

} // namespace

const FirmwareTargetInfo& targetInfo(FirmwareTarget target) {
    return targets[target == FirmwareTarget::Bmu ? 0 : 1];
}

QString targetText(FirmwareTarget target) {
    return QLatin1String(targetInfo(target).text);
}

FirmwareTarget targetFromText(const QString& text) {
    return text == QLatin1String(targets[0].text) ? FirmwareTarget::Bmu : FirmwareTarget::Bms;
}
