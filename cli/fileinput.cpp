#include "cli/fileinput.h"

#include "cli/clitext.h"

#include <QFile>
#include <QFileInfo>

QString unreadableFileReason(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return Cli::tr("%1 does not exist.").arg(path);
    if (info.isDir())
        return Cli::tr("%1 is a folder, not a file.").arg(path);
    if (!info.isReadable())
        return Cli::tr("%1 cannot be read.").arg(path);
    return {};
}

bool readWholeFile(const QString& path, QByteArray* content, QString* error) {
    *error = unreadableFileReason(path);
    if (!error->isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = Cli::tr("%1 cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    *content = file.readAll();
    return true;
}
