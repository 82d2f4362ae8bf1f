#include "history/recordfields.h"

#include "history/codetables.h"

QString RecordFields::tenths(int i) const {
    return tenthsText(w(i));
}

QString RecordFields::version(int major) const {
    return versionText(b(major), b(major + 1));
}

QString fillText(const char* format, const QString& value) {
    return QString::fromUtf8(format).arg(value);
}

QString fillText(const char* format, int value) {
    return QString::fromUtf8(format).arg(value);
}
