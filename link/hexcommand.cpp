#include "link/hexcommand.h"

#include "link/crc.h"

QByteArray hexToBytes(const QString& text) {
    return QByteArray::fromHex(text.toLatin1());
}

QString bytesToHexCommand(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString hexField(quint16 value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString hexByte(quint8 value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString appendCrcHex(const QString& text) {
    const quint16 crc = modbusCrc16(hexToBytes(text));
    return text + QLatin1Char(' ') + hexByte(crc & 0xFF) + QLatin1Char(' ') + hexByte(crc >> 8);
}
