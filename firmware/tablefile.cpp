#include "firmware/tablefile.h"

#include "link/crc.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace {

struct Version {
    int main = 0;
    int sub = 0;
    bool operator>(const Version& other) const {
        return main > other.main || (main == other.main && sub > other.sub);
    }
    QString text() const { return QStringLiteral("V%1.%2").arg(main).arg(sub); }
};

std::optional<int> decimal(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
}

// The version of a table file name with four fields whose first is `typePrefix`; the
// fourth field is "<main>.<sub>.bin".
std::optional<Version> tableFileVersion(const QString& fileName, const QString& typePrefix) {
    if (QFileInfo(fileName).suffix().compare(QLatin1String("bin"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QStringList fields = fileName.split(QLatin1Char('-'));
    if (fields.size() != 4 || fields.at(0) != typePrefix)
        return std::nullopt;
    const QStringList parts = fields.at(3).split(QLatin1Char('.'));
    if (parts.size() != 3)
        return std::nullopt;
    const std::optional<int> main = decimal(parts.at(0));
    const std::optional<int> sub = decimal(parts.at(1));
    if (!main || !sub)
        return std::nullopt;
    return Version{*main, *sub};
}

bool caseInsensitiveLess(const QString& a, const QString& b) {
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

} // namespace

TableBlock decodeTableFile(const QByteArray& content) {
    QByteArray hexText = QByteArray::fromBase64(content);
    const int nul = hexText.indexOf('\0');
    if (nul >= 0)
        hexText.truncate(nul);
    const QByteArray block = QByteArray::fromHex(hexText);
    const int crcBytes = std::min(2, block.size());
    TableBlock result;
    result.tableData = block.left(block.size() - crcBytes);
    result.crcText = QString::fromLatin1(block.right(crcBytes).toHex().toUpper());
    return result;
}

bool tableCrcMatches(const TableBlock& block) {
    return crcText(modbusCrc16(block.tableData)) == block.crcText;
}

QByteArray encodeTableFile(const QByteArray& tableBytes) {
    // Two bytes per group followed by a blank, as the table packaging writes its values.
    QByteArray hexText;
    for (int i = 0; i < tableBytes.size(); i += 2)
        hexText += tableBytes.mid(i, 2).toHex() + ' ';
    hexText += crcText(modbusCrc16(tableBytes)).toLatin1();
    return hexText.toBase64();
}

TableScan scanTableFileNames(const QStringList& fileNames, const QString& batteryType,
                             const QString& runningVersionText) {
    const QStringList running = runningVersionText.mid(1).split(QLatin1Char('.'));
    const Version runningVersion{running.value(0).toInt(), running.value(1).toInt()};
    const QString typePrefix = batteryType.left(3);

    QStringList ordered = fileNames;
    std::sort(ordered.begin(), ordered.end(), caseInsensitiveLess);

    TableScan scan;
    Version selected = runningVersion;
    QString lastMatchVersion;
    for (const QString& fileName : qAsConst(ordered)) {
        const std::optional<Version> version = tableFileVersion(fileName, typePrefix);
        if (!version)
            continue;
        lastMatchVersion = version->text();
        // The newest file wins; among files of one version the last in name order.
        if (*version > selected || (!scan.selectedFile.isEmpty() && !(selected > *version))) {
            selected = *version;
            scan.selectedFile = fileName;
        }
    }
    scan.shownVersion = scan.selectedFile.isEmpty() ? lastMatchVersion : selected.text();
    return scan;
}

TableScan scanTableFolder(const QString& folder, const QString& batteryType,
                          const QString& runningVersionText) {
    QStringList names;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
        if (file.size() <= maxTableFileSize)
            names << file.fileName();
    }
    return scanTableFileNames(names, batteryType, runningVersionText);
}
