#include "files/xlsxsheetreader.h"

#include "files/cellformat.h"

#include <unzip.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QVector>
#include <QXmlStreamReader>

namespace {

// No part of a sane workbook comes near this; a larger one is refused instead of being
// inflated into memory.
constexpr qint64 maxPartSize = 64 * 1024 * 1024;

constexpr int maxRows = 1048576;
constexpr int maxColumns = 16384;

struct Relationship {
    QString type;
    QString target; // part name inside the package, without a leading slash
};

QString damaged(const QString& detail) {
    return QStringLiteral("The spreadsheet file is damaged (%1).").arg(detail);
}

// The zip package through minizip. (QuaZip bundles its own copy of minizip's functions
// under the same names; in one process with libxlsxwriter, which uses the system minizip,
// either library would call the other's functions, so the tool uses minizip alone.)
class Package {
public:
    explicit Package(const QString& path)
        : zip(unzOpen64(QFile::encodeName(path).constData())) {}
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;
    ~Package() {
        if (zip)
            unzClose(zip);
    }

    bool isOpen() const { return zip != nullptr; }

    // The bytes of a part; found is false when the package has no such part, error is
    // set when the part exists but cannot be inflated or fails its CRC.
    QByteArray read(const QString& name, bool* found, QString* error) {
        constexpr int caseInsensitive = 2;
        *found = unzLocateFile(zip, name.toUtf8().constData(), caseInsensitive) == UNZ_OK;
        if (!*found)
            return {};
        if (unzOpenCurrentFile(zip) != UNZ_OK) {
            *error = damaged(name);
            return {};
        }
        QByteArray bytes;
        char buffer[65536];
        int got = 0;
        while ((got = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0 &&
               bytes.size() <= maxPartSize)
            bytes.append(buffer, got);
        // Closing checks the CRC of a part read to its end.
        const int closed = unzCloseCurrentFile(zip);
        if (bytes.size() > maxPartSize)
            *error = QStringLiteral("The spreadsheet file is too large to read.");
        else if (got < 0 || closed != UNZ_OK)
            *error = damaged(name);
        return error->isEmpty() ? bytes : QByteArray();
    }

private:
    unzFile zip;
};

// "xl" + "worksheets/sheet1.xml" -> "xl/worksheets/sheet1.xml"; "/xl/..." is absolute.
QString resolvePart(const QString& baseFolder, const QString& target) {
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    const QString joined = baseFolder.isEmpty() ? target : baseFolder + QLatin1Char('/') + target;
    return QDir::cleanPath(joined);
}

QString folderOf(const QString& part) {
    const int slash = part.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : part.left(slash);
}

// The relationships file of a part: "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels".
QString relationshipsPartOf(const QString& part) {
    const QString folder = folderOf(part);
    const QString name = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    return (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + QStringLiteral("_rels/") +
           name + QStringLiteral(".rels");
}

QString xmlError(const QXmlStreamReader& xml, const QString& part) {
    return damaged(
        QStringLiteral("%1, line %2: %3").arg(part).arg(xml.lineNumber()).arg(xml.errorString()));
}

QHash<QString, Relationship> parseRelationships(const QByteArray& bytes, const QString& ownerPart,
                                                QString* error) {
    QHash<QString, Relationship> result;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("Relationship"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (a.value(QLatin1String("TargetMode")) == QLatin1String("External"))
            continue;
        result.insert(
            a.value(QLatin1String("Id")).toString(),
            {a.value(QLatin1String("Type")).toString(),
             resolvePart(folderOf(ownerPart), a.value(QLatin1String("Target")).toString())});
    }
    if (xml.hasError())
        *error = xmlError(xml, relationshipsPartOf(ownerPart));
    return result;
}

bool typeIs(const Relationship& relationship, const char* suffix) {
    return relationship.type.endsWith(QLatin1Char('/') + QLatin1String(suffix));
}

// Characters that XML cannot carry are stored as _xHHHH_ (a carriage return is _x000D_).
QString decodeEscapes(QString text) {
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString out;
    int last = 0;
    auto it = escape.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += text.midRef(last, m.capturedStart() - last);
        out += QChar(m.capturedRef(1).toUShort(nullptr, 16));
        last = m.capturedEnd();
    }
    out += text.midRef(last);
    return out;
}

// The text of a rich or plain string element (<si> or <is>): its <t> runs joined, the
// phonetic guides (<rPh>) left out. The reader stands on the element's start.
QString readStringItem(QXmlStreamReader& xml) {
    QString text;
    int phonetic = 0;
    const QString element = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("rPh"))
                ++phonetic;
            else if (xml.name() == QLatin1String("t") && phonetic == 0)
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("rPh"))
                --phonetic;
            else if (xml.name() == element)
                break;
        }
    }
    return decodeEscapes(text);
}

QStringList parseSharedStrings(const QByteArray& bytes, const QString& part, QString* error) {
    QStringList result;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
            result << readStringItem(xml);
    }
    if (xml.hasError())
        *error = xmlError(xml, part);
    return result;
}

// For every cell format index of the workbook: does it show numbers as dates?
QVector<bool> parseDateStyles(const QByteArray& bytes, const QString& part, QString* error) {
    QHash<int, QString> customCodes;
    QVector<int> formatIds;
    bool inCellFormats = false;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("cellXfs"))
            inCellFormats = false;
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("numFmt"))
            customCodes.insert(a.value(QLatin1String("numFmtId")).toInt(),
                               a.value(QLatin1String("formatCode")).toString());
        else if (xml.name() == QLatin1String("cellXfs"))
            inCellFormats = true;
        else if (inCellFormats && xml.name() == QLatin1String("xf"))
            formatIds << a.value(QLatin1String("numFmtId")).toInt();
    }
    if (xml.hasError())
        *error = xmlError(xml, part);
    QVector<bool> result;
    for (int id : formatIds)
        result << isDateFormat(id, customCodes.value(id));
    return result;
}

// "AB12" -> column 27, row 11 (both from 0). False for anything else.
bool parseCellReference(const QStringRef& reference, int* row, int* column) {
    int i = 0;
    int col = 0;
    while (i < reference.size() && i < 3 && reference.at(i).isLetter()) {
        col = col * 26 + (reference.at(i).toUpper().unicode() - 'A' + 1);
        ++i;
    }
    bool ok = false;
    const int r = reference.mid(i).toInt(&ok);
    if (i == 0 || !ok || r < 1 || r > maxRows || col > maxColumns)
        return false;
    *row = r - 1;
    *column = col - 1;
    return true;
}

struct Workbook {
    QString sheetPart;
    QString sharedStringsPart;
    QString stylesPart;
    bool epoch1904 = false;
};

class SheetCells {
public:
    SheetCells(const QStringList& sharedStrings, const QVector<bool>& dateStyles, bool epoch1904)
        : strings(sharedStrings)
        , dates(dateStyles)
        , epoch1904(epoch1904) {}

    QString parse(const QByteArray& bytes, const QString& part) {
        QXmlStreamReader xml(bytes);
        int row = -1;
        int column = -1;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("row")) {
                bool ok = false;
                const int r = xml.attributes().value(QLatin1String("r")).toInt(&ok);
                row = ok && r >= 1 && r <= maxRows ? r - 1 : row + 1;
                column = -1;
            } else if (xml.name() == QLatin1String("c")) {
                int r = row;
                int c = column + 1;
                parseCellReference(xml.attributes().value(QLatin1String("r")), &r, &c);
                row = r;
                column = c;
                range.setCell(row, column, readCell(xml));
                if (range.tooLarge())
                    return QStringLiteral("The worksheet is too large to read.");
            }
        }
        return xml.hasError() ? xmlError(xml, part) : QString();
    }

    SheetRows rows() const { return range.rows(); }

private:
    // The reader stands on <c>; leaves it on </c>.
    QString readCell(QXmlStreamReader& xml) {
        const QXmlStreamAttributes a = xml.attributes();
        const QString type = a.value(QLatin1String("t")).toString();
        const int style = a.value(QLatin1String("s")).toInt();
        QString value;
        QString inlineText;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                break;
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("v"))
                value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else if (xml.name() == QLatin1String("is"))
                inlineText = readStringItem(xml);
            else
                xml.skipCurrentElement(); // formulas and extensions
        }
        if (type == QLatin1String("inlineStr"))
            return inlineText;
        if (type == QLatin1String("s")) {
            bool ok = false;
            const int index = value.toInt(&ok);
            return ok ? strings.value(index) : QString();
        }
        if (type == QLatin1String("str") || type == QLatin1String("e"))
            return decodeEscapes(value);
        if (type == QLatin1String("b"))
            return value.isEmpty()                         ? QString()
                   : value.trimmed() == QLatin1String("0") ? QStringLiteral("FALSE")
                                                           : QStringLiteral("TRUE");
        if (type == QLatin1String("d")) {
            const QDateTime moment = QDateTime::fromString(value, Qt::ISODate);
            return moment.isValid() ? moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                                    : value;
        }
        bool ok = false;
        const double number = value.trimmed().toDouble(&ok);
        if (!ok)
            return value;
        const bool isDate = style >= 0 && style < dates.size() && dates.at(style);
        return isDate ? serialDateTimeText(number, epoch1904) : generalNumberText(number);
    }

    const QStringList& strings;
    const QVector<bool>& dates;
    const bool epoch1904;
    UsedRangeBuilder range;
};

// Finds the first worksheet (chart sheets do not count) and the workbook's string and
// style parts.
QString locateWorkbook(Package& package, Workbook* book) {
    bool found = false;
    QString error;
    QString workbookPart = QStringLiteral("xl/workbook.xml");
    const QByteArray rootRels = package.read(QStringLiteral("_rels/.rels"), &found, &error);
    if (!error.isEmpty())
        return error;
    if (found) {
        const auto rels = parseRelationships(rootRels, QString(), &error);
        if (!error.isEmpty())
            return error;
        for (const Relationship& r : rels) {
            if (typeIs(r, "officeDocument"))
                workbookPart = r.target;
        }
    }
    const QByteArray workbookXml = package.read(workbookPart, &found, &error);
    if (!error.isEmpty())
        return error;
    if (!found)
        return QStringLiteral("The file is a zip archive but not a spreadsheet workbook.");
    const QByteArray bookRelsXml = package.read(relationshipsPartOf(workbookPart), &found, &error);
    if (!error.isEmpty())
        return error;
    const auto rels = parseRelationships(bookRelsXml, workbookPart, &error);
    if (!error.isEmpty())
        return error;
    for (const Relationship& r : rels) {
        if (typeIs(r, "sharedStrings"))
            book->sharedStringsPart = r.target;
        else if (typeIs(r, "styles"))
            book->stylesPart = r.target;
    }

    QXmlStreamReader xml(workbookXml);
    while (!xml.atEnd() && book->sheetPart.isEmpty()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("workbookPr")) {
            const auto flag = a.value(QLatin1String("date1904"));
            book->epoch1904 = flag == QLatin1String("1") || flag == QLatin1String("true");
        } else if (xml.name() == QLatin1String("sheet")) {
            for (const QXmlStreamAttribute& attribute : a) {
                if (attribute.name() != QLatin1String("id") || attribute.namespaceUri().isEmpty())
                    continue;
                const Relationship r = rels.value(attribute.value().toString());
                if (typeIs(r, "worksheet"))
                    book->sheetPart = r.target;
            }
        }
    }
    if (xml.hasError())
        return xmlError(xml, workbookPart);
    if (book->sheetPart.isEmpty())
        return QStringLiteral("The workbook has no worksheet.");
    return {};
}

} // namespace

SheetReadResult readXlsxFirstSheet(const QString& path) {
    Package package(path);
    if (!package.isOpen())
        return SheetReadResult::failure(
            QStringLiteral("The spreadsheet file is damaged and cannot be unpacked."));
    Workbook book;
    QString error = locateWorkbook(package, &book);
    if (!error.isEmpty())
        return SheetReadResult::failure(error);

    bool found = false;
    QStringList strings;
    if (!book.sharedStringsPart.isEmpty()) {
        const QByteArray xml = package.read(book.sharedStringsPart, &found, &error);
        if (error.isEmpty())
            strings = parseSharedStrings(xml, book.sharedStringsPart, &error);
        if (!error.isEmpty())
            return SheetReadResult::failure(error);
    }
    QVector<bool> dateStyles;
    if (!book.stylesPart.isEmpty()) {
        const QByteArray xml = package.read(book.stylesPart, &found, &error);
        if (error.isEmpty())
            dateStyles = parseDateStyles(xml, book.stylesPart, &error);
        if (!error.isEmpty())
            return SheetReadResult::failure(error);
    }
    const QByteArray sheetXml = package.read(book.sheetPart, &found, &error);
    if (!error.isEmpty())
        return SheetReadResult::failure(error);
    if (!found)
        return SheetReadResult::failure(damaged(book.sheetPart + QStringLiteral(" is missing")));
    SheetCells cells(strings, dateStyles, book.epoch1904);
    error = cells.parse(sheetXml, book.sheetPart);
    if (!error.isEmpty())
        return SheetReadResult::failure(error);
    return {cells.rows(), {}};
}
