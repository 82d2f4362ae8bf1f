#pragma once

#include <QString>

// The CRC-16/MODBUS of a whole firmware file in the form its file name carries: four
// upper-case hex digits, low byte first. A file that cannot be read, holds no bytes or is
// larger than an image the BMU can be sent gives an error text instead.
struct FirmwareCheck {
    QString crc;
    qint64 size = 0;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

FirmwareCheck checkFirmwareFile(const QString& path);
