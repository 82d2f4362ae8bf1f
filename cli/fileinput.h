#pragma once

#include <QByteArray>
#include <QString>

// Why the file named on the command line cannot be read (missing, a folder, unreadable);
// empty when it can.
QString unreadableFileReason(const QString& path);

// The whole file, or false with the reason in `error`.
bool readWholeFile(const QString& path, QByteArray* content, QString* error);
