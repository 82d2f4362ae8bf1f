#include "firmware/downloadindex.h"

#include <QFileInfo>
#include <QSet>

QStringList parseDownloadIndex(const QByteArray& content) {
    if (content.isEmpty())
        return {};
    QList<QByteArray> lines = content.split('\n');
    // A final line break closes the last line; it does not open an empty one.
    if (lines.last().isEmpty())
        lines.removeLast();
    QStringList entries;
    entries.reserve(lines.size());
    for (const QByteArray& line : qAsConst(lines))
        entries << QString::fromUtf8(line).simplified();
    return entries;
}

bool isBinFileName(const QString& fileName) {
    return QFileInfo(fileName).suffix().compare(QLatin1String("bin"), Qt::CaseInsensitive) == 0;
}

QStringList selectMissingFiles(const QStringList& indexEntries, const QStringList& localFileNames) {
    QSet<QString> present;
    for (const QString& name : localFileNames) {
        if (isBinFileName(name))
            present.insert(name);
    }
    QStringList missing;
    for (const QString& entry : indexEntries) {
        if (!entry.isEmpty() && !present.contains(entry)) {
            missing << entry;
            present.insert(entry);
        }
    }
    return missing;
}

QString downloadFileName(const QString& urlPath) {
    const QString name = QFileInfo(urlPath).fileName();
    return name.isEmpty() ? QStringLiteral("ftpget.out") : name;
}
