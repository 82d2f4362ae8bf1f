#pragma once

#include "firmware/firmwaretarget.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Firmware image files in the Data folder are named by five fields separated by "-":
// type ("BMU"/"BMS"), family code ("P3" high voltage, "P2" low voltage), version
// "main.sub" in decimal, the section letter of the image ("A"/"B"), and the image's
// CRC-16/MODBUS as four upper-case hex digits, low byte first, followed by ".bin":
// BMU-P3-3.12-B-3FA2.bin
struct FirmwareFileName {
    QString fileName;
    QString type;
    QString family;
    int main = 0;
    int sub = 0;
    QString section;
    QString crcText; // the first four characters of the fifth field
};

// The five fields of a ".bin" name (suffix compared without regard to case); none when the
// name has another suffix, another number of fields or a version that is not two decimal
// numbers.
std::optional<FirmwareFileName> parseFirmwareFileName(const QString& fileName);

// "P3" for the high-voltage battery types (QPA, QPB, QPC), "P2" for the low-voltage ones
// ("ZRA/ZRA Mini", ZRC, ZRD), empty for any other text.
QString familyCode(const QString& batteryType);
bool isHighVoltageType(const QString& batteryType);
bool isLowVoltageType(const QString& batteryType);

// The best image among `fileNames` for the target text and family code: only images for
// the section other than the one running (the last character of the running version
// text "V1.5-A") count; the highest version wins, 0.0 is never taken, and among equal
// versions the first in name order (case ignored) wins.
std::optional<FirmwareFileName> selectFirmwareFile(const QStringList& fileNames,
                                                   const QString& typeText, const QString& family,
                                                   const QString& runningVersionText);

// A running version text "V1.5-A" without its "V" and its section: main "1", sub "5".
// Missing parts are empty.
struct RunningVersion {
    QString main;
    QString sub;
    QString text() const { return main + QLatin1Char('.') + sub; }
};
RunningVersion parseRunningVersion(const QString& versionText);

// The hint for the Overview event pane comparing the running version with the best
// local image; empty when they are equal, and for the BMS when the running version
// reads "0.0" (no BMS answered).
QString firmwareHint(FirmwareTarget target, const RunningVersion& running, int bestMain,
                     int bestSub);

// What loading an image file finds. Only a good image may be armed for sending: one that
// holds bytes whose CRC-16/MODBUS, written low byte first, is the text its name carries.
// An empty file is never good, although its CRC (FFFF) can match a name.
enum class ImageCheck { Good, Empty, CrcMismatch };
ImageCheck checkFirmwareImage(const QByteArray& content, const QString& expectedCrcText);

// Whether the file at `path` holds the image its firmware name promises: it can be read,
// it is not empty, it is at most `maxBytes` long and its CRC is the one in its name. False
// for a name that is not a firmware image name.
bool firmwareFileMatchesName(const QString& path, qint64 maxBytes);
