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
// inflated.
constexpr qint64 maxPartSize = 64 * 1024 * 1024;

// Real workbooks nest their elements a handful of levels deep (worksheet, sheetData, row,
// c, is, r, t); anything far deeper is a file made to exhaust the reader.
constexpr int maxDepth = 64;

// The longest text a cell can hold, and all texts of the workbook together: far more than
// any history export or parameter table, little enough to keep the memory bounded.
constexpr int maxCellText = 32767;
constexpr qint64 maxWorkbookText = 32 * 1024 * 1024;

// Parts are inflated and handed to the XML reader this many bytes at a time. The reader
// gathers one token (a text, a tag) whole before returning it, so when this much has gone
// in without a token coming out, the token is longer than any cell text can be.
constexpr int feedSize = 64 * 1024;
constexpr qint64 maxTokenBytes = 1024 * 1024;

constexpr int maxRows = 1048576;
constexpr int maxColumns = 16384;

struct Relationship {
    QString type;
    QString target; // part name inside the package, without a leading slash
};

QString damaged(const QString& detail) {
    return QStringLiteral("The spreadsheet file is damaged (%1).").arg(detail);
}

QString textTooLong(const QString& part) {
    return QStringLiteral("The spreadsheet holds a text longer than a cell can hold (%1 "
                          "characters) in %2; it is not read.")
        .arg(maxCellText)
        .arg(part);
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
    unzFile handle() const { return zip; }

    // Counts the text read from every part, so that many texts below the cell limit
    // cannot add up to an unbounded amount either.
    qint64 textRead = 0;

private:
    unzFile zip;
};

// One XML part of the package, inflated and parsed a piece at a time: neither the part nor
// an overlong text is ever held whole, and nothing recurses per element. Reading stops at
// the first damage or refusal, which error() then names.
class XmlPart {
public:
    XmlPart(Package& package, const QString& name)
        : package(package)
        , name(name) {
        constexpr int caseInsensitive = 2;
        found =
            unzLocateFile(package.handle(), name.toUtf8().constData(), caseInsensitive) == UNZ_OK;
        if (!found)
            return;
        open = unzOpenCurrentFile(package.handle()) == UNZ_OK;
        if (!open)
            failure = damaged(name);
    }
    XmlPart(const XmlPart&) = delete;
    XmlPart& operator=(const XmlPart&) = delete;
    ~XmlPart() {
        if (open)
            unzCloseCurrentFile(package.handle());
    }

    bool exists() const { return found; }
    const QString& partName() const { return name; }

    // Moves to the next token; false at the end of the part or when reading has stopped.
    bool next() {
        while (open && failure.isEmpty()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError && refill())
                continue;
            if (xml.hasError()) {
                if (failure.isEmpty())
                    failure = damaged(QStringLiteral("%1, line %2: %3")
                                          .arg(name)
                                          .arg(xml.lineNumber())
                                          .arg(xml.errorString()));
                return false;
            }
            sinceToken = 0;
            if (token == QXmlStreamReader::StartElement && ++depth > maxDepth) {
                failure = QStringLiteral("The spreadsheet file nests its elements more than %1 "
                                         "levels deep in %2; it is not a workbook the tool "
                                         "reads.")
                              .arg(maxDepth)
                              .arg(name);
                return false;
            }
            if (token == QXmlStreamReader::EndElement)
                --depth;
            if (token == QXmlStreamReader::EndDocument) {
                // The rest of the part is inflated too: closing checks its CRC.
                while (refill()) {
                }
                return false;
            }
            return true;
        }
        return false;
    }

    // The text of the element the reader stands on, the text of its children included;
    // leaves the reader on the element's end.
    QString readText() {
        QString text;
        const int outside = depth - 1;
        while (next()) {
            if (xml.isCharacters()) {
                text += xml.text();
                package.textRead += xml.text().size();
                if (text.size() > maxCellText)
                    return refuse(textTooLong(name));
                if (package.textRead > maxWorkbookText)
                    return refuse(QStringLiteral("The spreadsheet holds more text than the "
                                                 "tool reads (%1 million characters).")
                                      .arg(maxWorkbookText / (1024 * 1024)));
            } else if (xml.isEndElement() && depth == outside) {
                break;
            }
        }
        return text;
    }

    // Leaves the reader on the end of the element it stands on.
    void skipElement() {
        const int outside = depth - 1;
        while (next() && !(xml.isEndElement() && depth == outside)) {
        }
    }

    // Stops reading with a reason of the caller's.
    QString refuse(const QString& reason) {
        if (failure.isEmpty())
            failure = reason;
        return {};
    }

    // Empty when the part was read to its end (or does not exist).
    const QString& error() const { return failure; }

    QXmlStreamReader xml;

private:
    // Hands the next piece of the inflated part to the XML reader; false when there is
    // none, the part is damaged, or a limit is reached.
    bool refill() {
        if (!open || !failure.isEmpty())
            return false;
        char buffer[feedSize];
        const int got = unzReadCurrentFile(package.handle(), buffer, sizeof buffer);
        if (got <= 0) {
            // Closing after the last byte checks the part's CRC.
            const int closed = unzCloseCurrentFile(package.handle());
            open = false;
            if (got < 0 || closed != UNZ_OK)
                failure = damaged(name);
            return false;
        }
        inflated += got;
        sinceToken += got;
        if (inflated > maxPartSize)
            failure = QStringLiteral("The spreadsheet file is too large to read.");
        else if (sinceToken > maxTokenBytes)
            failure = textTooLong(name);
        else
            xml.addData(QByteArray(buffer, got));
        return failure.isEmpty();
    }

    Package& package;
    const QString name;
    bool found = false;
    bool open = false;
    qint64 inflated = 0;
    qint64 sinceToken = 0; // bytes handed over since the last token came out
    int depth = 0;
    QString failure;
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

QHash<QString, Relationship> parseRelationships(XmlPart& part, const QString& ownerPart) {
    QHash<QString, Relationship> result;
    while (part.next()) {
        if (!part.xml.isStartElement() || part.xml.name() != QLatin1String("Relationship"))
            continue;
        const QXmlStreamAttributes a = part.xml.attributes();
        if (a.value(QLatin1String("TargetMode")) == QLatin1String("External"))
            continue;
        result.insert(
            a.value(QLatin1String("Id")).toString(),
            {a.value(QLatin1String("Type")).toString(),
             resolvePart(folderOf(ownerPart), a.value(QLatin1String("Target")).toString())});
    }
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
QString readStringItem(XmlPart& part) {
    QString text;
    int phonetic = 0;
    const QString element = part.xml.name().toString();
    while (part.next()) {
        if (part.xml.isStartElement()) {
            if (part.xml.name() == QLatin1String("rPh"))
                ++phonetic;
            else if (part.xml.name() == QLatin1String("t") && phonetic == 0)
                text += part.readText();
        } else if (part.xml.isEndElement()) {
            if (part.xml.name() == QLatin1String("rPh"))
                --phonetic;
            else if (part.xml.name() == element)
                break;
        }
    }
    if (text.size() > maxCellText)
        return part.refuse(textTooLong(part.partName()));
    return decodeEscapes(text);
}

QStringList parseSharedStrings(XmlPart& part) {
    QStringList result;
    while (part.next()) {
        if (part.xml.isStartElement() && part.xml.name() == QLatin1String("si"))
            result << readStringItem(part);
    }
    return result;
}

// For every cell format index of the workbook: does it show numbers as dates?
QVector<bool> parseDateStyles(XmlPart& part) {
    QHash<int, QString> customCodes;
    QVector<int> formatIds;
    bool inCellFormats = false;
    while (part.next()) {
        const QXmlStreamReader& xml = part.xml;
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

    // Empty when the sheet was read to its end, else why not.
    QString parse(XmlPart& part) {
        int row = -1;
        int column = -1;
        while (part.next()) {
            const QXmlStreamReader& xml = part.xml;
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
                range.setCell(row, column, readCell(part));
                if (range.tooLarge())
                    return QStringLiteral("The worksheet is too large to read.");
            }
        }
        return part.error();
    }

    SheetRows rows() const { return range.rows(); }

private:
    // The reader stands on <c>; leaves it on </c>.
    QString readCell(XmlPart& part) {
        const QXmlStreamAttributes a = part.xml.attributes();
        const QString type = a.value(QLatin1String("t")).toString();
        const int style = a.value(QLatin1String("s")).toInt();
        QString value;
        QString inlineText;
        while (part.next()) {
            const QXmlStreamReader& xml = part.xml;
            if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                break;
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("v"))
                value = part.readText();
            else if (xml.name() == QLatin1String("is"))
                inlineText = readStringItem(part);
            else
                part.skipElement(); // formulas and extensions
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
    QString workbookPart = QStringLiteral("xl/workbook.xml");
    {
        XmlPart rootRels(package, QStringLiteral("_rels/.rels"));
        for (const Relationship& r : parseRelationships(rootRels, QString())) {
            if (typeIs(r, "officeDocument"))
                workbookPart = r.target;
        }
        if (!rootRels.error().isEmpty())
            return rootRels.error();
    }
    QHash<QString, Relationship> rels;
    {
        XmlPart bookRels(package, relationshipsPartOf(workbookPart));
        rels = parseRelationships(bookRels, workbookPart);
        if (!bookRels.error().isEmpty())
            return bookRels.error();
    }
    for (const Relationship& r : rels) {
        if (typeIs(r, "sharedStrings"))
            book->sharedStringsPart = r.target;
        else if (typeIs(r, "styles"))
            book->stylesPart = r.target;
    }

    XmlPart workbook(package, workbookPart);
    if (!workbook.exists())
        return QStringLiteral("The file is a zip archive but not a spreadsheet workbook.");
    while (workbook.next()) {
        const QXmlStreamReader& xml = workbook.xml;
        if (!xml.isStartElement() || !book->sheetPart.isEmpty())
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
    if (!workbook.error().isEmpty())
        return workbook.error();
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
    const QString error = locateWorkbook(package, &book);
    if (!error.isEmpty())
        return SheetReadResult::failure(error);

    QStringList strings;
    if (!book.sharedStringsPart.isEmpty()) {
        XmlPart part(package, book.sharedStringsPart);
        strings = parseSharedStrings(part);
        if (!part.error().isEmpty())
            return SheetReadResult::failure(part.error());
    }
    QVector<bool> dateStyles;
    if (!book.stylesPart.isEmpty()) {
        XmlPart part(package, book.stylesPart);
        dateStyles = parseDateStyles(part);
        if (!part.error().isEmpty())
            return SheetReadResult::failure(part.error());
    }
    XmlPart sheet(package, book.sheetPart);
    if (!sheet.exists())
        return SheetReadResult::failure(damaged(book.sheetPart + QStringLiteral(" is missing")));
    SheetCells cells(strings, dateStyles, book.epoch1904);
    const QString sheetError = cells.parse(sheet);
    if (!sheetError.isEmpty())
        return SheetReadResult::failure(sheetError);
    return {cells.rows(), {}};
}
