#pragma once

#include <QString>

// Role passwords are stored in Config.ini (group "B", keys "1".."4") as the Base64 text
// of the password's UTF-8 bytes after a fixed offset and key byte have been added to
// each byte, modulo 256.

// Decodes one stored value. A value whose decoded bytes contain a zero byte yields the
// text up to that byte.
QString decodeStoredPassword(const QString& stored);

// The stored form of a password, as decodeStoredPassword() reads it back.
QString encodeStoredPassword(const QString& password);
