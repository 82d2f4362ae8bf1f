#pragma once

// Xlsx workbooks written by hand for the readers' tests, fuzzing and benchmarks: the
// bare-bones parts of a workbook of one sheet, each case replacing what it is about. The
// readers look at no namespace but that of the relationship ids, nor at the content types.

#include <zip.h>

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>

using Parts = QMap<QString, QByteArray>;

namespace WorkbookBuilder {

inline QByteArray workbook(const QByteArray& sheets, const QByteArray& properties = {}) {
    return "<workbook xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
           "relationships\">" +
           properties + "<sheets>" + sheets + "</sheets></workbook>";
}

inline QByteArray relationship(const char* id, const char* type, const char* target) {
    return QByteArray("<Relationship Id=\"") + id +
           "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + type +
           "\" Target=\"" + target + "\"/>";
}

inline QByteArray sheet(const QByteArray& rows) {
    return "<worksheet><sheetData>" + rows + "</sheetData></worksheet>";
}

// A workbook of one sheet; `rels` are added to the workbook's relationships, `extra`
// parts are added or replace the default ones.
inline Parts book(const QByteArray& sheetXml, const QByteArray& rels = {},
                  const Parts& extra = {}) {
    Parts parts{{"_rels/.rels", "<Relationships>" +
                                    relationship("rId1", "officeDocument", "xl/workbook.xml") +
                                    "</Relationships>"},
                {"xl/workbook.xml", workbook("<sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/>")},
                {"xl/_rels/workbook.xml.rels",
                 "<Relationships>" + relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
                     rels + "</Relationships>"},
                {"xl/worksheets/sheet1.xml", sheetXml}};
    for (auto part = extra.cbegin(); part != extra.cend(); ++part)
        parts[part.key()] = part.value();
    return parts;
}

// A workbook whose xl/sharedStrings.xml holds `strings`, shown by `cells` (string 0).
inline Parts sharedStringBook(const QByteArray& strings,
                              const QByteArray& cells = "<c t=\"s\"><v>0</v></c>") {
    return book(sheet("<row>" + cells + "</row>"),
                relationship("rId2", "sharedStrings", "sharedStrings.xml"),
                {{"xl/sharedStrings.xml", "<sst>" + strings + "</sst>"}});
}

inline bool writeZip(const QString& path, const Parts& parts, int level = Z_DEFAULT_COMPRESSION) {
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (auto part = parts.cbegin(); part != parts.cend(); ++part) {
        ok = ok &&
             zipOpenNewFileInZip64(zip, part.key().toUtf8().constData(), nullptr, nullptr, 0,
                                   nullptr, 0, nullptr, Z_DEFLATED, level, 0) == ZIP_OK &&
             zipWriteInFileInZip(zip, part.value().constData(), unsigned(part.value().size())) ==
                 ZIP_OK &&
             zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

} // namespace WorkbookBuilder
