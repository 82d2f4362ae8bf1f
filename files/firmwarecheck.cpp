#include "files/firmwarecheck.h"

#include "link/crc.h"

#include <QFile>

FirmwareCheck checkFirmwareFile(const QString& path) {
    FirmwareCheck check;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        check.error =
            QStringLiteral("The file %1 cannot be opened: %2").arg(path, file.errorString());
        return check;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        check.error =
            QStringLiteral("The file %1 cannot be read: %2").arg(path, file.errorString());
        return check;
    }
    if (bytes.isEmpty()) {
        check.error = QStringLiteral("The file %1 is empty.").arg(path);
        return check;
    }
    check.size = bytes.size();
    check.crc = crcText(modbusCrc16(bytes));
    return check;
}
