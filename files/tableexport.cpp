#include "files/tableexport.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

namespace {

// Longest text a worksheet cell can hold.
constexpr int maxCellText = 32767;

QString lineOf(const QStringList& cells, int columns) {
    QString line;
    for (int c = 0; c < columns; ++c)
        line += cells.value(c) + QLatin1Char('\t');
    return line;
}

QString cannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("The file %1 cannot be written: %2").arg(path, reason);
}

QString writeText(const QString& path, const ExportTable& table) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return cannotWrite(path, file.errorString());
    const QByteArray bytes = tabSeparatedGb2312(table);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return cannotWrite(path, file.errorString());
    file.close();
    return {};
}

QString writeXlsx(const QString& path, const ExportTable& table) {
    const QByteArray nativePath = QFile::encodeName(path);
    lxw_workbook* book = workbook_new(nativePath.constData());
    if (!book)
        return cannotWrite(path, QStringLiteral("out of memory"));
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    const int columns = table.header.size();
    auto writeRow = [&](lxw_row_t row, const QStringList& cells) {
        for (int c = 0; c < columns && c < cells.size(); ++c) {
            const QByteArray text = cells.at(c).left(maxCellText).toUtf8();
            if (!text.isEmpty())
                worksheet_write_string(sheet, row, lxw_col_t(c), text.constData(), nullptr);
        }
    };
    writeRow(0, table.header);
    for (int r = 0; r < table.rows.size(); ++r)
        writeRow(lxw_row_t(r + 1), table.rows.at(r));
    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR)
        return cannotWrite(path, QString::fromUtf8(lxw_strerror(result)));
    return {};
}

} // namespace

QString tabSeparatedText(const ExportTable& table) {
    const int columns = table.header.size();
    QStringList lines;
    lines.reserve(table.rows.size() + 1);
    lines << lineOf(table.header, columns);
    for (const QStringList& row : table.rows)
        lines << lineOf(row, columns);
    return lines.join(QLatin1Char('\n'));
}

QByteArray tabSeparatedGb2312(const ExportTable& table) {
    return QTextCodec::codecForName("GB2312")->fromUnicode(tabSeparatedText(table));
}

bool wantsXlsx(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
}

QString writeTableFile(const QString& path, const ExportTable& table) {
    return wantsXlsx(path) ? writeXlsx(path, table) : writeText(path, table);
}
