#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Writes `bytes` as the whole content of the file at path, through QSaveFile: the file is
// replaced only once every byte is on disk, so a full disk or a failed write leaves an
// existing file as it was and no partial file behind. `mode` may add QIODevice::Text.
// Returns an empty text on success, else the reason as the system gives it ("No space left
// on device").
QString saveWholeFile(const QString& path, const QByteArray& bytes,
                      QIODevice::OpenMode mode = QIODevice::NotOpen);
