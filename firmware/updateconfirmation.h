#pragma once

#include "link/sessiontiming.h"

#include <QString>

// What the user confirms before a firmware image or parameter table goes out.
struct UpdateSummary {
    QString unit; // "BMU", "BMS" or "parameter table"
    QString runningVersion;
    QString newVersion;
    QString fileName;
    qint64 bytes = 0;
    int packets = 0;
};

// The expected length of a transfer in seconds, rounded up: the wait for the header's
// acknowledgement, one packet gap and one reply per packet, and the result read.
int estimatedTransferSeconds(int packets, const SessionTiming& timing);

// The question asked before an update, every detail on its own line, ending with what
// must hold until the update ends.
QString updateConfirmationText(const UpdateSummary& update, const SessionTiming& timing);
