#include "firmware/sendcheck.h"

#include "firmware/firmwarefile.h"

SendCheck checkFirmwareSend(const QString& newMain, const QString& newSub,
                            const QString& runningMain, const QString& runningSub,
                            const QString& batteryType) {
    if (newMain.isEmpty())
        return SendCheck::NoImage;
    if (runningMain == QLatin1String("0"))
        return SendCheck::NoRunningVersion;
    if (isHighVoltageType(batteryType) &&
        (newMain == QLatin1String("1") || newMain == QLatin1String("2")))
        return SendCheck::NotForHighVoltage;
    if (isLowVoltageType(batteryType) && newMain == QLatin1String("3"))
        return SendCheck::NotForLowVoltage;

    const int nMain = newMain.toInt();
    const int rMain = runningMain.toInt();
    if (nMain != rMain)
        return nMain > rMain ? SendCheck::NewerMain : SendCheck::OlderMain;
    const int nSub = newSub.toInt();
    const int rSub = runningSub.toInt();
    if (nSub > rSub)
        return SendCheck::NewerSub;
    return nSub == rSub ? SendCheck::SameVersion : SendCheck::OlderSub;
}

bool sendAllowed(SendCheck check) {
    switch (check) {
    case SendCheck::NewerMain:
    case SendCheck::OlderMain:
    case SendCheck::NewerSub:
        return true;
    default:
        return false;
    }
}
