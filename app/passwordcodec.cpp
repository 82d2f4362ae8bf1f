#include "app/passwordcodec.h"

#include <QByteArray>

namespace {

constexpr quint8 scrambleKey = 0x5A;
constexpr quint8 scrambleOffset = 0x27;

} // namespace

QString decodeStoredPassword(const QString& stored) {
    QByteArray bytes = QByteArray::fromBase64(stored.toUtf8());
    if (bytes.isNull())
        return QString();
    for (char& byte : bytes)
        byte = static_cast<char>(static_cast<quint8>(byte) - scrambleKey - scrambleOffset);
    const int zero = bytes.indexOf('\0');
    return QString::fromUtf8(zero < 0 ? bytes : bytes.left(zero));
}

QString encodeStoredPassword(const QString& password) {
    QByteArray bytes = password.toUtf8();
    for (char& byte : bytes)
        byte = static_cast<char>(static_cast<quint8>(byte) + scrambleOffset + scrambleKey);
    return QString::fromLatin1(bytes.toBase64());
}
