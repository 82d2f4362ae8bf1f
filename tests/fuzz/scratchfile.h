#pragma once

// The readers under test open files by path: each input is written to a file in a
// folder of its own, kept for the whole run.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

inline QString scratchPath(const QString& name) {
    static QTemporaryDir folder;
    return folder.filePath(name);
}

inline QString writeScratchFile(const QString& name, const QByteArray& content) {
    const QString path = scratchPath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
    return path;
}
