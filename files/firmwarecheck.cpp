#include "files/firmwarecheck.h"

#include "firmware/packets.h"
#include "link/crc.h"

#include <QCoreApplication>
#include <QFile>

FirmwareCheck checkFirmwareFile(const QString& path) {
    FirmwareCheck check;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        check.error = QCoreApplication::translate("Files", "The file %1 cannot be opened: %2")
                          .arg(path, file.errorString());
        return check;
    }
    // Checked before reading: a file beyond what the BMU can be sent is no image, and one
    // beyond 2 GB would not even fit into memory as one array.
    if (!fitsPacketNumbering(file.size())) {
        check.error = QCoreApplication::translate(
                          "Files", "The file %1 is too large to be a firmware image (%2 bytes).")
                          .arg(path)
                          .arg(file.size());
        return check;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        check.error = QCoreApplication::translate("Files", "The file %1 cannot be read: %2")
                          .arg(path, file.errorString());
        return check;
    }
    if (bytes.isEmpty()) {
        check.error = QCoreApplication::translate("Files", "The file %1 is empty.").arg(path);
        return check;
    }
    check.size = bytes.size();
    check.crc = crcText(modbusCrc16(bytes));
    return check;
}
