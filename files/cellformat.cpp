#include "files/cellformat.h"

#include <QDateTime>

#include <cmath>

QString generalNumberText(double value) {
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    return QString::number(value, 'g', 15);
}

QString serialDateTimeText(double serial, bool epoch1904) {
    constexpr double lastSerial = 2958465.0; // 9999-12-31 in the 1900 system
    if (!std::isfinite(serial) || serial < 0 || serial > lastSerial + 1)
        return generalNumberText(serial);
    const qint64 seconds = std::llround(serial * 86400.0);
    const qint64 days = seconds / 86400;
    const qint64 secondOfDay = seconds % 86400;
    QDate epoch;
    if (epoch1904) {
        epoch = QDate(1904, 1, 1);
    } else if (days >= 61) {
        epoch = QDate(1899, 12, 30);
    } else {
        // 1 is 1900-01-01; 0 (shown as 1900-01-00) reads as the day before and 60, the
        // fictitious 1900-02-29, as 1900-03-01.
        epoch = QDate(1899, 12, 31);
    }
    const QDateTime moment(epoch.addDays(days), QTime(0, 0).addSecs(int(secondOfDay)));
    return moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

namespace {

bool isBuiltInDateFormat(int id) {
    // 14..22 dates and times, 27..36 and 50..58 East Asian dates, 45..47 times.
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

} // namespace

bool isDateFormat(int numFmtId, const QString& formatCode) {
    if (formatCode.isEmpty())
        return isBuiltInDateFormat(numFmtId);
    bool quoted = false;
    for (int i = 0; i < formatCode.size(); ++i) {
        const QChar c = formatCode.at(i);
        if (quoted) {
            quoted = c != QLatin1Char('"');
            continue;
        }
        switch (c.toLatin1()) {
        case '"':
            quoted = true;
            break;
        case '\\': // escaped character
        case '_':  // space as wide as the next character
        case '*':  // fill with the next character
            ++i;
            break;
        case '[': {
            // [Red], [>100], [$-409] are not date parts; [h], [mm], [ss] (elapsed time) are.
            const int close = formatCode.indexOf(QLatin1Char(']'), i);
            const QString inner = formatCode.mid(i + 1, close < 0 ? -1 : close - i - 1).toLower();
            if (!inner.isEmpty() && inner.count(inner.at(0)) == inner.size() &&
                QStringLiteral("hms").contains(inner.at(0)))
                return true;
            i = close < 0 ? formatCode.size() : close;
            break;
        }
        default:
            if (QStringLiteral("yYmMdDhHsS").contains(c))
                return true;
        }
    }
    return false;
}
