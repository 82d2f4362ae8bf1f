#pragma once

#include <QString>

#include <optional>

// Role passwords are stored in Config.ini (group "B", keys "1".."4") as the Base64 text
// of the password's UTF-8 bytes after a fixed offset and key byte have been added to
// each byte, modulo 256.

// Decodes one stored value; none when it is not the padded Base64 text encoding writes,
// for such an entry stores no password at all. Decoded bytes that contain a zero byte yield the
// text up to that byte.
std::optional<QString> readStoredPassword(const QString& stored);

// The same, with an empty text for a value that stores no password.
QString decodeStoredPassword(const QString& stored);

// The stored form of a password, as readStoredPassword() reads it back.
QString encodeStoredPassword(const QString& password);
