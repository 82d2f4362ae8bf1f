#pragma once

#include "firmware/firmwaretarget.h"
#include "firmware/transfer.h"

#include <QString>

struct SystemSnapshot;

// A firmware image or parameter table checked and ready to send, or why it may not be.
struct TransferChoice {
    QString path;
    QString version; // "3.14"
    qint64 size = 0;
    TransferPlan plan;
    QString refusal; // set when nothing may be sent

    bool ok() const { return refusal.isEmpty(); }
};

// The image for `target`: the file given, or the one the window would load from the data
// folder (the newest for this family and for the section the unit does not run). Its CRC
// must match its name; unless `force`, the update must make sense as the installer's
// check sees it (not the same version, not older in its sub version, not for the other
// family).
TransferChoice chooseFirmware(const SystemSnapshot& system, FirmwareTarget target,
                              const QString& dataFolder, const QString& file, bool force);

// The parameter table: the file given, or the newest one for the battery type in the data
// folder that is newer than the running table. Its CRC must match and it must hold the
// table length the BMU expects.
TransferChoice chooseTable(const SystemSnapshot& system, const QString& dataFolder,
                           const QString& file);
