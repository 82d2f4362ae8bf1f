#include "app/passwordcodec.h"

#include <QByteArray>

namespace {

constexpr quint8 scrambleKey = 0x5A;
constexpr quint8 scrambleOffset = 0x27;

} // namespace

std::optional<QString> readStoredPassword(const QString& stored) {
    // Only the Base64 text the tool writes counts: decoding leniently skipped whatever is
    // not Base64, so that "!!!!" stored an empty password anyone could type.
    const QByteArray text = stored.toUtf8();
    QByteArray bytes = QByteArray::fromBase64(text);
    if (bytes.toBase64() != text)
        return std::nullopt;
    for (char& byte : bytes)
        byte = static_cast<char>(static_cast<quint8>(byte) - scrambleKey - scrambleOffset);
    const int zero = bytes.indexOf('\0');
    return QString::fromUtf8(zero < 0 ? bytes : bytes.left(zero));
}

QString decodeStoredPassword(const QString& stored) {
    return readStoredPassword(stored).value_or(QString());
}

QString encodeStoredPassword(const QString& password) {
    QByteArray bytes = password.toUtf8();
    for (char& byte : bytes)
        byte = static_cast<char>(static_cast<quint8>(byte) + scrambleOffset + scrambleKey);
    return QString::fromLatin1(bytes.toBase64());
}
