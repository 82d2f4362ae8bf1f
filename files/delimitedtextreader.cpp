#include "files/delimitedtextreader.h"

#include <QTextCodec>

namespace {

bool decodeStrictly(const char* codecName, const QByteArray& bytes, QString* text,
                    bool checkRoundTrip = false) {
    QTextCodec* codec = QTextCodec::codecForName(codecName);
    if (!codec)
        return false;
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString decoded = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return false;
    // Some codecs (GB18030 among them) neither count invalid bytes nor report a cut-off
    // sequence; only text that encodes back to the same bytes was really in this code page.
    if (checkRoundTrip && codec->fromUnicode(decoded) != bytes)
        return false;
    *text = decoded;
    return true;
}

bool isPlainText(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
            c != QLatin1Char('\r') && c != QLatin1Char('\f'))
            return false;
    }
    return true;
}

} // namespace

bool decodeTableText(const QByteArray& bytes, QString* text) {
    QString decoded;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        if (!decodeStrictly("UTF-8", bytes.mid(3), &decoded))
            return false;
    } else if (bytes.startsWith("\xFF\xFE")) {
        if (!decodeStrictly("UTF-16LE", bytes.mid(2), &decoded))
            return false;
    } else if (bytes.startsWith("\xFE\xFF")) {
        if (!decodeStrictly("UTF-16BE", bytes.mid(2), &decoded))
            return false;
    } else if (!decodeStrictly("UTF-8", bytes, &decoded) &&
               !decodeStrictly("GB18030", bytes, &decoded, true)) {
        return false;
    }
    if (!isPlainText(decoded))
        return false;
    *text = decoded;
    return true;
}

SheetReadResult parseDelimitedText(const QString& text) {
    QChar delimiter = QLatin1Char(',');
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            break;
        if (c == QLatin1Char('\t')) {
            delimiter = c;
            break;
        }
    }

    UsedRangeBuilder range;
    int row = 0;
    int column = 0;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        QString field;
        if (text.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text.at(i++);
            }
        }
        // Unquoted text, or whatever follows a closing quote, up to the field's end.
        while (i < n && text.at(i) != delimiter && text.at(i) != QLatin1Char('\n') &&
               text.at(i) != QLatin1Char('\r'))
            field += text.at(i++);
        range.setCell(row, column, field);
        if (range.tooLarge())
            return SheetReadResult::failure(QStringLiteral("The table is too large to read."));
        if (i >= n)
            break;
        if (text.at(i) == delimiter) {
            ++i;
            ++column;
            continue;
        }
        // Line end: CRLF counts once.
        if (text.at(i) == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        ++i;
        ++row;
        column = 0;
    }
    return {range.rows(), {}};
}

SheetReadResult readDelimitedText(const QByteArray& bytes) {
    QString text;
    if (!decodeTableText(bytes, &text))
        return SheetReadResult::failure(
            QStringLiteral("The file is neither a spreadsheet nor a text table."));
    return parseDelimitedText(text);
}
