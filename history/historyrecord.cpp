#include "history/historyrecord.h"

#include "link/bytes.h"

QString recordTimeStamp(const QByteArray& block, int offset) {
    auto field = [&](int i) {
        return QStringLiteral("%1").arg(byteAt(block, offset + i), 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("20%1-%2-%3 %4:%5:%6")
        .arg(field(1), field(2), field(3), field(4), field(5), field(6));
}

QString recordLogDataText(const QByteArray& block, int offset) {
    QString text;
    text.reserve(LogRecord::DataSize * 3);
    for (int i = 0; i < LogRecord::DataSize; ++i) {
        text += QStringLiteral("%1").arg(byteAt(block, offset + LogRecord::DataOffset + i), 2, 16,
                                         QLatin1Char('0'));
        text += QLatin1Char(' ');
    }
    return text;
}

QString codeColumnText(int code, bool known) {
    if (known && code < 10)
        return QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0'));
    return QString::number(code);
}
