#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The update server publishes log.txt: one file name per line, the names of the files it
// offers under /Data/. Each line counts with its outer white space removed and inner runs
// reduced to one blank; a blank line is an entry too (an empty name). A NUL inside a line
// stays in the entry, so that the entry can be refused rather than cut short.
QStringList parseDownloadIndex(const QByteArray& content);

// The most names an index may list; a longer one is refused as a whole.
constexpr int MaxIndexEntries = 1000;

// Whether a file name ends in ".bin", case ignored.
bool isBinFileName(const QString& fileName);

// The entries of the index that no local ".bin" file carries exactly (case-sensitive),
// in index order, each once. A blank entry names no file: requesting it would fetch the
// folder itself, which fails and would end the whole run.
QStringList selectMissingFiles(const QStringList& indexEntries, const QStringList& localFileNames);

// Why an index entry cannot be fetched as a file ("its name ends in \"/\"", ...); empty
// when it can. Such an entry is skipped, the others are fetched.
QString downloadEntryProblem(const QString& entry);

// The largest a file of this name can rightly be, in bytes: log.txt 1 MiB, a parameter
// table ("<type>-TAB-...") 64 KiB, anything else a firmware image of at most 65535 packets
// of 128 bytes (8 MiB) with headroom.
qint64 downloadSizeLimit(const QString& fileName);

// The local name of a downloaded file: the last component of the URL path, or
// "ftpget.out" when the path ends in "/".
QString downloadFileName(const QString& urlPath);
