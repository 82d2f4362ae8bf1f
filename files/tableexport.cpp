#include "files/tableexport.h"

#include "files/wholefilesave.h"

#include <xlsxwriter.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCodec>

#include <cerrno>

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
    return QCoreApplication::translate("Files", "The file %1 cannot be written: %2")
        .arg(path, reason);
}

QString saveTo(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode) {
    const QString reason = saveWholeFile(path, bytes, mode);
    return reason.isEmpty() ? QString() : cannotWrite(path, reason);
}

// The workbook is assembled by libxlsxwriter in a folder of its own, then saved like any
// other file.
QString writeXlsx(const QString& path, const ExportTable& table) {
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return cannotWrite(path, scratch.errorString());
    QByteArray scratchFolder = QFile::encodeName(scratch.path());
    const QString draftPath = scratch.filePath(QStringLiteral("export.xlsx"));
    lxw_workbook_options options{};
    options.tmpdir = scratchFolder.data();
    lxw_workbook* book = workbook_new_opt(QFile::encodeName(draftPath).constData(), &options);
    if (!book)
        return cannotWrite(path, QCoreApplication::translate("Files", "out of memory"));
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
    errno = 0;
    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR) {
        // The library's text names the step; the system's error says why it failed.
        const QString step = QString::fromUtf8(lxw_strerror(result));
        return cannotWrite(path, errno ? QStringLiteral("%1 (%2)").arg(step, qt_error_string(errno))
                                       : step);
    }
    QFile draft(draftPath);
    if (!draft.open(QIODevice::ReadOnly))
        return cannotWrite(path, draft.errorString());
    return saveTo(path, draft.readAll(), QIODevice::NotOpen);
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
    return wantsXlsx(path) ? writeXlsx(path, table)
                           : saveTo(path, tabSeparatedGb2312(table), QIODevice::Text);
}
