#pragma once

#include <QString>

// What the installer's checks before a firmware transfer conclude, comparing the image
// loaded (new version texts) with the firmware running in the target.
enum class SendCheck {
    NoImage,           // no image loaded: refresh and download first
    NoRunningVersion,  // the target reports main version 0: no version information
    NotForHighVoltage, // main version 1 or 2 on a high-voltage system
    NotForLowVoltage,  // main version 3 on a low-voltage system
    NewerMain,         // go on
    OlderMain,         // go on: a lower main version is a deliberate change of line
    NewerSub,          // go on
    SameVersion,       // refuse: nothing to update
    OlderSub,          // refuse: download the latest image first
};

SendCheck checkFirmwareSend(const QString& newMain, const QString& newSub,
                            const QString& runningMain, const QString& runningSub,
                            const QString& batteryType);

bool sendAllowed(SendCheck check);
