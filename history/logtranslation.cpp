#include "history/logtranslation.h"

#include "history/batteryfamily.h"
#include "history/bmsdetail.h"
#include "history/hvbmudetail.h"
#include "history/lvbmudetail.h"
#include "link/hexcommand.h"

namespace {

// The date, a blank and the time, whatever separated them in the file.
QString dateTimeText(const QString& saved) {
    return saved.mid(0, 10) + QLatin1Char(' ') + saved.mid(11, 8);
}

} // namespace

TextRows translateSavedLog(const SavedLog& log, LogUnit unit, const QString& family) {
    TextRows rows;
    rows.reserve(log.dateTimes.size());
    for (int i = 0; i < log.dateTimes.size(); ++i) {
        const QByteArray data = hexToBytes(log.logData.value(i));
        const int code = log.codes.value(i).trimmed().toInt(); // 0 when not a number
        const QStringList head{dateTimeText(log.dateTimes[i]), log.codes.value(i),
                               log.descriptions.value(i)};
        if (unit == LogUnit::Bmu && family == QLatin1String(LumenoLv))
            rows.append(head + QStringList{lvBmuDetail(code, data)});
        else if (unit == LogUnit::Bmu && family == QLatin1String(LumenoHv))
            rows.append(head + QStringList{hvBmuDetail(code, data)});
        else if (unit == LogUnit::Bms)
            rows.append(head + bmsDetailTexts(code, data, family));
        else
            rows.append(QStringList());
    }
    return rows;
}
