#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The update server publishes log.txt: one file name per line, the names of the files it
// offers under /Data/. Each line counts with its outer white space removed and inner runs
// reduced to one blank; a blank line is an entry too (an empty name).
QStringList parseDownloadIndex(const QByteArray& content);

// Whether a file name ends in ".bin", case ignored.
bool isBinFileName(const QString& fileName);

// The entries of the index that no local ".bin" file carries exactly (case-sensitive),
// in index order, each once. A blank entry names no file: requesting it would fetch the
// folder itself, which fails and would end the whole run.
QStringList selectMissingFiles(const QStringList& indexEntries, const QStringList& localFileNames);

// The local name of a downloaded file: the last component of the URL path, or
// "ftpget.out" when the path ends in "/".
QString downloadFileName(const QString& urlPath);
