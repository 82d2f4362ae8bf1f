#include "cli/reportformat.h"

#include "cli/clitext.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

bool parseOutputFormat(const QString& name, OutputFormat* format) {
    static const struct {
        const char* name;
        OutputFormat format;
    } formats[] = {
        {"table", OutputFormat::Table}, {"json", OutputFormat::Json}, {"csv", OutputFormat::Csv}};
    for (const auto& entry : formats) {
        if (name == QLatin1String(entry.name)) {
            *format = entry.format;
            return true;
        }
    }
    return false;
}

int displayWidth(const QString& text) {
    int width = 0;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

namespace {

constexpr int ColumnGap = 2;

QString blanks(int count) {
    return QString(std::max(0, count), QLatin1Char(' '));
}

QString padRight(const QString& text, int width) {
    return text + blanks(width - displayWidth(text));
}

QString padLeft(const QString& text, int width) {
    return blanks(width - displayWidth(text)) + text;
}

bool isNumber(const ReportValue& value) {
    return value.json.isDouble();
}

void appendTable(QString& text, const ReportTable& table) {
    const int columns = table.columns.size();
    QVector<int> widths(columns, 0);
    QVector<bool> numeric(columns, !table.rows.isEmpty());
    for (int c = 0; c < columns; ++c)
        widths[c] = displayWidth(table.columns[c].label);
    for (const auto& row : table.rows) {
        for (int c = 0; c < columns && c < row.size(); ++c) {
            widths[c] = std::max(widths[c], displayWidth(row[c].text));
            numeric[c] = numeric[c] && isNumber(row[c]);
        }
    }
    auto line = [&](const QStringList& cells) {
        QString out;
        for (int c = 0; c < columns; ++c) {
            const QString cell = cells.value(c);
            const bool last = c == columns - 1;
            if (numeric[c])
                out += padLeft(cell, widths[c]);
            else
                out += last ? cell : padRight(cell, widths[c]);
            if (!last)
                out += QString(ColumnGap, QLatin1Char(' '));
        }
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
        return out + QLatin1Char('\n');
    };
    if (!table.title.isEmpty())
        text += table.title + QLatin1Char('\n');
    QStringList header;
    for (const ReportColumn& column : table.columns)
        header << column.label;
    text += line(header);
    for (const auto& row : table.rows) {
        QStringList cells;
        for (const ReportValue& value : row)
            cells << value.text;
        text += line(cells);
    }
}

QString csvCell(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvLine(const QStringList& cells) {
    QStringList quoted;
    for (const QString& cell : cells)
        quoted << csvCell(cell);
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QStringList textsOf(const QVector<ReportValue>& row) {
    QStringList texts;
    for (const ReportValue& value : row)
        texts << value.text;
    return texts;
}

QString saveFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Cli::tr("%1 cannot be written: %2").arg(path, file.errorString());
    return {};
}

} // namespace

QString reportAsTable(const Report& report) {
    QString text;
    int labelWidth = 0;
    for (const ReportField& field : report.fields)
        labelWidth = std::max(labelWidth, displayWidth(field.label));
    for (const ReportField& field : report.fields) {
        QString line = padRight(field.label, labelWidth + ColumnGap) + field.value.text;
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        text += line + QLatin1Char('\n');
    }
    for (const ReportTable& table : report.tables) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        appendTable(text, table);
    }
    return text;
}

QByteArray reportAsJson(const Report& report) {
    QJsonObject object;
    for (const ReportField& field : report.fields)
        object.insert(field.key, field.value.json);
    for (const ReportTable& table : report.tables) {
        QJsonArray rows;
        for (const auto& row : table.rows) {
            QJsonObject entry;
            for (int c = 0; c < table.columns.size() && c < row.size(); ++c)
                entry.insert(table.columns[c].key, row[c].json);
            rows.append(entry);
        }
        object.insert(table.key, rows);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString reportAsCsv(const Report& report) {
    QString text;
    if (!report.fields.isEmpty()) {
        text += csvLine({QStringLiteral("key"), QStringLiteral("value")});
        for (const ReportField& field : report.fields)
            text += csvLine({field.key, field.value.text});
    }
    for (const ReportTable& table : report.tables) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        QStringList keys;
        for (const ReportColumn& column : table.columns)
            keys << column.key;
        text += csvLine(keys);
        for (const auto& row : table.rows)
            text += csvLine(textsOf(row));
    }
    return text;
}

ExportTable reportAsExportTable(const Report& report) {
    auto labelsOf = [](const ReportTable& table) {
        QStringList labels;
        for (const ReportColumn& column : table.columns)
            labels << column.label;
        return labels;
    };
    ExportTable sheet;
    if (report.fields.isEmpty() && report.tables.size() == 1) {
        sheet.header = labelsOf(report.tables.first());
        for (const auto& row : report.tables.first().rows)
            sheet.rows << textsOf(row);
        return sheet;
    }
    sheet.header = QStringList{Cli::tr("Item"), Cli::tr("Value")};
    for (const ReportField& field : report.fields)
        sheet.rows << QStringList{field.label, field.value.text};
    for (const ReportTable& table : report.tables) {
        sheet.rows << QStringList() << QStringList{table.title} << labelsOf(table);
        for (const auto& row : table.rows)
            sheet.rows << textsOf(row);
        // The writers write as many cells per row as the header has.
        while (sheet.header.size() < table.columns.size())
            sheet.header << QString();
    }
    return sheet;
}

QString writeReportFile(const QString& path, const Report& report) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("json"))
        return saveFile(path, reportAsJson(report));
    if (suffix == QLatin1String("csv"))
        return saveFile(path, reportAsCsv(report).toUtf8());
    return writeTableFile(path, reportAsExportTable(report));
}
