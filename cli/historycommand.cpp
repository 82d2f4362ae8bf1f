// history and events: a unit's log read block by block, decoded as the History table shows
// it with the detail columns of the translation, or as the Events rows of a tower's log.
#include "cli/clitext.h"
#include "cli/command.h"
#include "cli/console.h"
#include "cli/exitcode.h"
#include "history/batteryfamily.h"
#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "history/historyread.h"
#include "history/logtranslation.h"
#include "link/bytes.h"
#include "monitor/systemsnapshot.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

// As many as the window's history tables: the BMU and 64 BMS.
constexpr int MaxBmsNumber = 64;

// A function, not a constant: its description is translated after main() installs the
// catalogue.
QCommandLineOption recordsOption() {
    return QCommandLineOption{QStringLiteral("records"),
                              Cli::tr("How many records to read, newest first "
                                      "(the BMU hands out whole blocks of 20)."),
                              QStringLiteral("N"), QStringLiteral("20")};
}

// "bmu" is unit 0, "bmsN" unit N; -1 for anything else.
int unitOf(const QString& text) {
    static const QRegularExpression bms(QStringLiteral("^bms([1-9][0-9]?)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (text.compare(QLatin1String("bmu"), Qt::CaseInsensitive) == 0)
        return 0;
    const QRegularExpressionMatch match = bms.match(text);
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    return number >= 1 && number <= MaxBmsNumber ? number : -1;
}

bool takeRecords(const QCommandLineParser& parser, int* records, QString* error) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    const QString text = parser.value(recordsOption());
    bool ok = digits.match(text).hasMatch();
    *records = ok ? text.toInt(&ok) : 0;
    if (ok && *records > 0)
        return true;
    *error = Cli::tr("--records must be a whole number above 0, not \"%1\".").arg(text);
    return false;
}

// Reads `records` records of the unit's log; the blocks that arrived are kept even when
// the read ends early.
int readLog(CommandContext& context, SystemLink& system, int unit, int records,
            QVector<QByteArray>* blocks) {
    const int listed = system.snapshot().overview.bmsListSize();
    if (unit > listed) {
        context.console.error(Cli::tr("The system lists %1 BMS: bms1 to bms%1.").arg(listed));
        return ExitUsage;
    }
    const int blockCount =
        (records + HistoryRead::RecordsPerBlock - 1) / HistoryRead::RecordsPerBlock;
    const QMetaObject::Connection collect =
        QObject::connect(&system.session(), &BmuSession::historyBlockRead,
                         [blocks](int, const QByteArray& block) { blocks->append(block); });
    const int code = system.run(new HistoryRead(unit, blockCount), Cli::tr("blocks"));
    QObject::disconnect(collect);
    return code;
}

Report historyReport(const QVector<QByteArray>& blocks, int unit, int records,
                     const SystemSnapshot& system) {
    const LogUnit logUnit = unit == 0 ? LogUnit::Bmu : LogUnit::Bms;
    const QString family =
        QLatin1String(system.family() == BatteryFamily::HV ? LumenoHv : LumenoLv);
    TextRows rows;
    QVector<int> codes;
    for (const QByteArray& block : blocks) {
        const TextRows blockRows =
            unit == 0 ? decodeBmuBlock(block, system.serial()) : decodeBmsBlock(block).history;
        for (int k = 0; k < blockRows.size() && rows.size() < records; ++k) {
            rows << blockRows[k];
            codes << byteAt(block, k * LogRecord::Size);
        }
    }
    // The detail columns: the rows translated as a saved table of them would be.
    SavedLog saved;
    for (const QStringList& row : qAsConst(rows)) {
        saved.dateTimes << row.value(0);
        saved.codes << row.value(1);
        saved.descriptions << row.value(2);
        saved.logData << row.value(3);
    }
    const TextRows details = translateSavedLog(saved, logUnit, family);

    const QStringList detailLabels = translationHeader(logUnit).mid(3);
    QVector<ReportColumn> columns{{"date_time", Cli::tr("Date&Time")},
                                  {"code", Cli::tr("Code")},
                                  {"description", Cli::tr("Description")},
                                  {"log_data", Cli::tr("Log Data")}};
    for (const QString& label : detailLabels)
        columns.append({snakeKey(label), label});
    Report r;
    ReportTable& table = r.addTable(QStringLiteral("records"), QString(), columns);
    for (int i = 0; i < rows.size(); ++i) {
        QVector<ReportValue> row{textValue(rows[i].value(0)),
                                 {codes[i], rows[i].value(1)},
                                 textValue(rows[i].value(2)),
                                 textValue(rows[i].value(3))};
        const QStringList detail = details.value(i).mid(3);
        for (int c = 0; c < detailLabels.size(); ++c)
            row.append(textValue(detail.value(c)));
        table.rows.append(row);
    }
    return r;
}

Report eventsReport(const QVector<QByteArray>& blocks, int records) {
    Report r;
    ReportTable& table = r.addTable(QStringLiteral("events"), QString(),
                                    {{"date_time", Cli::tr("Date&Time")},
                                     {"fault_level", Cli::tr("Fault Level")},
                                     {"details", Cli::tr("Details")}});
    int left = records;
    for (const QByteArray& block : blocks) {
        // Only the records asked for: the rest of the last block reads as empty records.
        const int inBlock = qMin(left, int(LogRecord::PerBlock));
        left -= inBlock;
        for (const QStringList& row : decodeBmsBlock(block.left(inBlock * LogRecord::Size)).events)
            table.rows.append(
                {textValue(row.value(0)), textValue(row.value(1)), textValue(row.value(2))});
    }
    return r;
}

// What history and events share: the unit and the number of records, the read, and a
// report of whatever arrived, even when the read ended early.
class LogCommand : public SystemCommand {
public:
    bool take(const QCommandLineParser& parser, QString* error) override {
        const QString text = parser.value(QStringLiteral("unit"));
        unit = unitOf(text);
        if (unit < (towersOnly() ? 1 : 0)) {
            *error = Cli::tr("Unknown unit \"%1\": %2bms1 to bms%3.")
                         .arg(text, towersOnly() ? QString() : Cli::tr("bmu, or "))
                         .arg(MaxBmsNumber);
            return false;
        }
        return takeRecords(parser, &records, error);
    }

    int runOn(CommandContext& context, SystemLink& system) override {
        QVector<QByteArray> blocks;
        const int code = readLog(context, system, unit, records, &blocks);
        if (code == ExitUsage)
            return code;
        return context.print(report(blocks, system.snapshot()), code);
    }

protected:
    virtual bool towersOnly() const = 0;
    virtual Report report(const QVector<QByteArray>& blocks,
                          const SystemSnapshot& system) const = 0;

    int unit = 0;
    int records = 0;
};

class HistoryCommand : public LogCommand {
public:
    QString name() const override { return QStringLiteral("history"); }
    QString summary() const override {
        return Cli::tr("Read a unit's log: the History table with the translation's "
                       "detail columns.");
    }
    QList<QCommandLineOption> options() const override {
        return {{QStringLiteral("unit"), Cli::tr("bmu, or bmsN for tower N."),
                 QStringLiteral("bmu|bmsN"), QStringLiteral("bmu")},
                recordsOption()};
    }

protected:
    bool towersOnly() const override { return false; }
    Report report(const QVector<QByteArray>& blocks, const SystemSnapshot& system) const override {
        return historyReport(blocks, unit, records, system);
    }
};

class EventsCommand : public LogCommand {
public:
    QString name() const override { return QStringLiteral("events"); }
    QString summary() const override {
        return Cli::tr("Read a tower's log and list its warnings, alarms and faults.");
    }
    QList<QCommandLineOption> options() const override {
        return {
            {QStringLiteral("unit"), Cli::tr("bmsN: the log of tower N."), QStringLiteral("bmsN")},
            recordsOption()};
    }

protected:
    bool towersOnly() const override { return true; }
    Report report(const QVector<QByteArray>& blocks, const SystemSnapshot&) const override {
        return eventsReport(blocks, records);
    }
};

} // namespace

std::unique_ptr<Command> makeHistoryCommand() {
    return std::make_unique<HistoryCommand>();
}

std::unique_ptr<Command> makeEventsCommand() {
    return std::make_unique<EventsCommand>();
}
