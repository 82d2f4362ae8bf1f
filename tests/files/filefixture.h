#pragma once

#include "files/sheetrows.h"

#include <QFile>
#include <QtTest>

// Helpers of every data-file test: the fixtures beside the repository and whole-file
// reads and writes.
Q_DECLARE_METATYPE(SheetRows)

inline QString fixture(const QString& name) {
    return QStringLiteral(VOLTARO_FIXTURES_DIR "/") + name;
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
