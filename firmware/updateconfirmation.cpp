#include "firmware/updateconfirmation.h"

#include <QCoreApplication>

namespace {

// A packet's acknowledgement over the system's WiFi takes about this long.
constexpr int AssumedReplyMs = 50;

QString durationText(int seconds) {
    if (seconds < 60)
        return QCoreApplication::translate("UpdateConfirmation", "about %1 s").arg(seconds);
    return QCoreApplication::translate("UpdateConfirmation", "about %1 min %2 s")
        .arg(seconds / 60)
        .arg(seconds % 60);
}

} // namespace

int estimatedTransferSeconds(int packets, const SessionTiming& timing) {
    const qint64 ms = qint64(timing.firstHeaderWaitMs) +
                      qint64(packets) * (timing.packetGapMs + AssumedReplyMs) + timing.resultWaitMs;
    return int((ms + 999) / 1000);
}

QString updateConfirmationText(const UpdateSummary& update, const SessionTiming& timing) {
    return QCoreApplication::translate(
               "UpdateConfirmation",
               "Update the %1 now?\n\n"
               "Unit: %1\n"
               "Version: %2 → %3\n"
               "File: %4\n"
               "Size: %5 bytes in %6 packets\n"
               "Estimated time: %7\n\n"
               "Keep the system powered and this PC on its WiFi until the update ends.")
        .arg(update.unit,
             update.runningVersion.isEmpty()
                 ? QCoreApplication::translate("UpdateConfirmation", "unknown")
                 : update.runningVersion,
             update.newVersion.isEmpty()
                 ? QCoreApplication::translate("UpdateConfirmation", "unknown")
                 : update.newVersion,
             update.fileName)
        .arg(update.bytes)
        .arg(update.packets)
        .arg(durationText(estimatedTransferSeconds(update.packets, timing)));
}
