#pragma once

#include "config/setup.h"
#include "monitor/overviewdecoder.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// What the session knows about the battery system: the last complete status block and
// setup read. Later operations decide from it (which decoder, how many passes, which
// files fit), never from what a window happens to show.
struct SystemSnapshot {
    bool hasStatus = false;
    QByteArray statusBlock;              // the last complete status block
    QDateTime statusReadAt;              // when it was read
    OverviewTexts overview;              // decoded from it
    QString batteryType;                 // the battery type's name ("QPA", "QPB", ...)
    std::optional<SetupSelection> setup; // the last setup read
    quint8 setupCountByte = 0;           // the module-count byte of the last setup read

    // Takes a complete status block.
    void takeStatus(const QByteArray& block);
    // Takes the reply to the setup read; false when it is none.
    bool takeSetupReply(const QByteArray& frame);

    QString serial() const { return overview.serial; }
    BatteryFamily family() const;
    // Whether there is a BMS to read after the setup read: not when the system reports none.
    bool hasBms() const { return !hasStatus || overview.bmsCount != QLatin1String("0"); }
    // A five-module "QPA" tower carries 160 cells, read in two passes.
    bool readsCellsTwice() const {
        return batteryType == QLatin1String("QPA") &&
               overview.modulesPerTower == QLatin1String("5");
    }
};
