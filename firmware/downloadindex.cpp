#include "firmware/downloadindex.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace {

constexpr int maxNameBytes = 255; // the longest file name the local file systems take
constexpr qint64 maxIndexBytes = 1024 * 1024;
constexpr qint64 maxTableBytes = 64 * 1024;
constexpr qint64 maxFirmwareBytes = 9 * 1024 * 1024;

} // namespace

QStringList parseDownloadIndex(const QByteArray& content) {
    if (content.isEmpty())
        return {};
    QList<QByteArray> lines = content.split('\n');
    // A final line break closes the last line; it does not open an empty one.
    if (lines.last().isEmpty())
        lines.removeLast();
    QStringList entries;
    entries.reserve(lines.size());
    // The explicit length keeps a NUL and what follows it.
    for (const QByteArray& line : qAsConst(lines))
        entries << QString::fromUtf8(line.constData(), line.size()).simplified();
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

QString downloadEntryProblem(const QString& entry) {
    for (const QChar c : entry) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QCoreApplication::translate("Download", "its name holds a control character");
    }
    if (entry.endsWith(QLatin1Char('/')))
        return QCoreApplication::translate("Download", "its name ends in \"/\"");
    const QString fileName = downloadFileName(QLatin1Char('/') + entry);
    if (fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return QCoreApplication::translate("Download", "its name is not a file name");
    if (entry.toUtf8().size() > maxNameBytes)
        return QCoreApplication::translate("Download", "its name is longer than %1 bytes")
            .arg(maxNameBytes);
    return {};
}

qint64 downloadSizeLimit(const QString& fileName) {
    if (fileName == QLatin1String("log.txt"))
        return maxIndexBytes;
    if (fileName.section(QLatin1Char('-'), 1, 1) == QLatin1String("TAB"))
        return maxTableBytes;
    return maxFirmwareBytes;
}

QString downloadFileName(const QString& urlPath) {
    const QString name = QFileInfo(urlPath).fileName();
    return name.isEmpty() ? QStringLiteral("ftpget.out") : name;
}
