#include "history/recordfields.h"

#include "history/codetables.h"
#include "monitor/valuetext.h"

QString RecordFields::tenths(int i) const {
    return scaledText(w(i), 10, 1);
}

QString RecordFields::signedTenths(int i) const {
    return scaledText(signed16(quint16(w(i))), 10, 1);
}

QString RecordFields::version(int major, int minor) const {
    return versionText(QStringLiteral("V%1.%2"), b(major), b(minor));
}

QString fillText(const char* format, const QString& value) {
    return historyText(format).arg(value);
}

QString fillText(const char* format, int value) {
    return historyText(format).arg(value);
}
