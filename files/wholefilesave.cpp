#include "files/wholefilesave.h"

#include <QSaveFile>

QString saveWholeFile(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode) {
    QSaveFile file(path);
    // Unbuffered, with a short write tried again: the call that then fails carries the
    // system's reason. (A buffered flush that writes only part reports "Unknown error",
    // and commit() even keeps the partial file.)
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered | mode))
        return file.errorString();
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 got = file.write(bytes.constData() + written, bytes.size() - written);
        if (got <= 0)
            return file.errorString(); // the unfinished file goes with `file`
        written += got;
    }
    return file.commit() ? QString() : file.errorString();
}
