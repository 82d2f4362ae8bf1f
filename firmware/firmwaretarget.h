#pragma once

#include <QString>

// The two receivers of a firmware image: the BMU itself (index 0 of the firmware-type
// combo) and the BMS modules, whose image the BMU stores and flashes on (index 1).
enum class FirmwareTarget { Bmu = 0, Bms = 1 };

struct FirmwareTargetInfo {
    const char* text;       // the combo text and the first field of the file name
    const char* headerHead; // header write of five registers, without data
    quint16 packetRegister; // first register of each data packet
    const char* resultRead; // read of the nine registers holding the transfer status
};

const FirmwareTargetInfo& targetInfo(FirmwareTarget target);

QString targetText(FirmwareTarget target);

// The target named by a combo text; anything other than "BMU" is the BMS, as the
// header and packet writes have always treated it.
FirmwareTarget targetFromText(const QString& text);
