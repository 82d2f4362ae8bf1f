#pragma once

#include "firmware/firmwaretarget.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

class Ui_MainWindow;
struct SystemSnapshot;

// The versions the firmware choice shows: the image loaded and what the unit runs.
struct FirmwareVersions {
    QString newMain, newSub, runningMain, runningSub;
};

// Companion of the main window for firmware images and parameter tables: loads and
// checks the files of the Data folder, shows their versions and holds the packets and
// header frames of the next transfer.
class Update : public QWidget {
    Q_OBJECT

public:
    // The system the files are chosen for is the one the session knows.
    Update(Ui_MainWindow* form, const SystemSnapshot* system, QWidget* parent);

    // The Data folder under the current directory.
    static QString dataFolder();

    // Loads the best image for firmware type 0 (BMU) or 1 (BMS) and arms it for sending;
    // any other type, a missing file or a failed check leaves no image armed.
    void loadFirmwareFile(int firmwareType);

    // The image armed for sending, if any, and whether it is the one for `target`.
    bool firmwareArmedFor(FirmwareTarget target) const;
    FirmwareVersions firmwareVersions() const { return versions; }

    // Composes firmwareHeaderFrame (CRC included) for the armed image; false if none.
    bool buildFirmwareHeader();

    // Selects and loads the newest parameter table for the battery type shown.
    void scanTableFiles();

    // Why a table header cannot be built; empty when it can.
    QString tableHeaderRefusal() const;
    // Composes tableHeaderFrame (CRC included); false when refused.
    bool buildTableHeader();

    // State shared with the transfer state machine.
    QStringList firmwarePackets; // lower-case hex of each 128-byte packet
    qint32 firmwareSize = 0;
    QString firmwareFileName; // of the armed image, for the confirmation
    QString firmwareHeaderFrame;
    QByteArray tableData; // table bytes, CRC removed
    QString tableCrcText; // the file's CRC bytes in file order
    QStringList tablePackets;
    QString tableFileName;
    QString tableNewVersion;
    QString tableHeaderFrame;

private:
    struct ArmedImage {
        FirmwareTarget target;
        int main;
        int sub;
        QString section;
    };

    void disarmFirmware(bool clearShownVersion);
    void showFirmwareMessage(const QString& text, const char* style);

    Ui_MainWindow* form;
    const SystemSnapshot* system;
    std::optional<ArmedImage> armed;
    FirmwareVersions versions;
};
