#include "app/inifile.h"

#include "files/wholefilesave.h"

#include <QFile>

namespace {

bool isComment(const QString& trimmed) {
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// "[Link]" -> "Link"; none for any other line.
std::optional<QString> groupOf(const QString& trimmed) {
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return std::nullopt;
}

// The value written after "=": quoted, or plain up to an inline comment.
QString parseValue(const QString& text) {
    const QString raw = text.trimmed();
    if (raw.startsWith(QLatin1Char('"'))) {
        QString value;
        for (int i = 1; i < raw.size(); ++i) {
            const QChar c = raw.at(i);
            if (c == QLatin1Char('"'))
                return value;
            if (c == QLatin1Char('\\') && i + 1 < raw.size())
                value += raw.at(++i);
            else
                value += c;
        }
        // No closing quote: the text stands as written.
    }
    for (int i = 1; i < raw.size(); ++i) {
        if (raw.at(i) == QLatin1Char(';') && raw.at(i - 1).isSpace())
            return raw.left(i).trimmed();
    }
    return raw;
}

} // namespace

IniFile IniFile::load(const QString& path, QString* error) {
    IniFile ini;
    QFile file(path);
    if (!file.exists())
        return ini;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return ini;
    }
    const QString text = QString::fromUtf8(file.readAll());
    if (text.contains(QLatin1String("\r\n")))
        ini.lineEnd = QStringLiteral("\r\n");
    ini.lines = text.split(QLatin1Char('\n'));
    for (QString& line : ini.lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    // After a final line end the split leaves an empty piece, which is no line.
    ini.endsWithLineEnd = ini.lines.last().isEmpty();
    if (ini.endsWithLineEnd)
        ini.lines.removeLast();
    return ini;
}

std::optional<IniFile::Entry> IniFile::find(const QString& group, const QString& key) const {
    std::optional<Entry> found;
    QString current;
    for (int i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines.at(i).trimmed();
        if (trimmed.isEmpty() || isComment(trimmed))
            continue;
        if (const std::optional<QString> name = groupOf(trimmed)) {
            current = *name;
            continue;
        }
        const int equals = trimmed.indexOf(QLatin1Char('='));
        if (current == group && equals > 0 && trimmed.left(equals).trimmed() == key)
            found = Entry{i, parseValue(trimmed.mid(equals + 1))};
    }
    return found;
}

std::optional<QString> IniFile::value(const QString& group, const QString& key) const {
    const std::optional<Entry> entry = find(group, key);
    return entry ? std::optional<QString>(entry->value) : std::nullopt;
}

void IniFile::setValue(const QString& group, const QString& key, const QString& value) {
    const QString line = key + QLatin1Char('=') + valueText(value);
    if (const std::optional<Entry> entry = find(group, key)) {
        lines[entry->line] = line;
        return;
    }
    // After the last line of the group that is not blank; a new group at the end.
    int groupEnd = -1;
    QString current;
    for (int i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines.at(i).trimmed();
        if (const std::optional<QString> name = groupOf(trimmed))
            current = *name;
        if (current == group && !trimmed.isEmpty())
            groupEnd = i;
    }
    if (groupEnd >= 0) {
        lines.insert(groupEnd + 1, line);
        return;
    }
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
        lines << QString();
    lines << QLatin1Char('[') + group + QLatin1Char(']') << line;
}

QString IniFile::save(const QString& path) const {
    QString text = lines.join(lineEnd);
    if (endsWithLineEnd || lines.isEmpty())
        text += lineEnd;
    return saveWholeFile(path, text.toUtf8());
}

QString IniFile::valueText(const QString& value) {
    // Plain unless blanks at either end or a character that other readers of INI files
    // take for a comment, a list, a quote or an escape would change it.
    static const QString special = QStringLiteral(";#,\"\\");
    bool plain = value == value.trimmed();
    for (const QChar c : value)
        plain = plain && !special.contains(c);
    if (plain)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
