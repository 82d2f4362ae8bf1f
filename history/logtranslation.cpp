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

bool savedLogFromRows(const SheetRows& rows, SavedLog* log) {
    for (int r = 1; r < rows.size(); ++r) {
        const QStringList& row = rows.at(r);
        if (row.size() < 4)
            return false;
        log->dateTimes << row.at(0);
        log->codes << row.at(1);
        log->descriptions << row.at(2);
        log->logData << row.at(3);
    }
    return true;
}

QStringList translationHeader(LogUnit unit) {
    const QStringList head{"Date&Time", "Code", "Description"};
    if (unit == LogUnit::Bmu)
        return head + QStringList{"Details"};
    if (unit == LogUnit::Bms)
        return head + QStringList{"Warning 1",     "Warning 2",      "Warning 3",
                                  "Fault",         "Switch Status",  "SOC",
                                  "SOH",           "Bat_V (V)",      "Output_V (V)",
                                  "Current(A)",    "Cell_Max_V(mV)", "Cell_Min_V(mV)",
                                  "Cell_Max_T(℃)", "Cell_Min_T(℃)",  "Remarks"};
    return {};
}

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
