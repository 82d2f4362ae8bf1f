// translate: a saved history table decoded in depth, as History > Translation does it.
#include "cli/clitext.h"
#include "cli/command.h"
#include "cli/console.h"
#include "cli/exitcode.h"
#include "cli/fileinput.h"
#include "files/spreadsheetreader.h"
#include "history/batteryfamily.h"
#include "history/logtranslation.h"

#include <QCommandLineParser>

namespace {

class TranslateCommand : public Command {
public:
    QString name() const override { return QStringLiteral("translate"); }
    QString summary() const override {
        return Cli::tr("Decode a saved log (.xlsx, .xls or text) of the BMU or of a BMS.");
    }
    QString arguments() const override { return QStringLiteral("FILE"); }
    QList<QCommandLineOption> options() const override {
        return {{QStringLiteral("unit"), Cli::tr("Whose log the file holds: bmu or bms."),
                 QStringLiteral("bmu|bms")},
                {QStringLiteral("family"), Cli::tr("The battery family: hv or lv."),
                 QStringLiteral("hv|lv"), QStringLiteral("hv")}};
    }

    bool take(const QCommandLineParser& parser, QString* error) override {
        const QStringList arguments = parser.positionalArguments();
        const QString unitText = parser.value(QStringLiteral("unit")).toLower();
        const QString familyText = parser.value(QStringLiteral("family")).toLower();
        unit = unitText == QLatin1String("bmu")   ? LogUnit::Bmu
               : unitText == QLatin1String("bms") ? LogUnit::Bms
                                                  : LogUnit::None;
        if (arguments.size() != 1)
            *error = Cli::tr("translate needs one FILE.");
        else if (unit == LogUnit::None)
            *error = Cli::tr("translate needs --unit bmu or --unit bms.");
        else if (familyText != QLatin1String("hv") && familyText != QLatin1String("lv"))
            *error = Cli::tr("--family must be hv or lv.");
        else
            file = arguments.first();
        family = QLatin1String(familyText == QLatin1String("lv") ? LumenoLv : LumenoHv);
        return !file.isEmpty();
    }

    int run(CommandContext& context) override {
        QString error = unreadableFileReason(file);
        const SheetReadResult sheet =
            error.isEmpty() ? readFirstWorksheet(file) : SheetReadResult();
        if (error.isEmpty() && !sheet.ok())
            error = file + QStringLiteral(": ") + sheet.error;
        SavedLog log;
        if (error.isEmpty() && (sheet.rows.size() < 2 || !savedLogFromRows(sheet.rows, &log)))
            error = Cli::tr("%1 holds no saved log: under a header row, every row needs "
                            "date and time, code, description and log data.")
                        .arg(file);
        if (!error.isEmpty()) {
            context.console.error(error);
            return ExitFileRefused;
        }
        const QStringList header = translationHeader(unit);
        QVector<ReportColumn> columns;
        for (const QString& label : header)
            columns.append({snakeKey(label), label});
        Report report;
        ReportTable& table = report.addTable(QStringLiteral("records"), QString(), columns);
        for (const QStringList& row : translateSavedLog(log, unit, family)) {
            QVector<ReportValue> values;
            for (int c = 0; c < header.size(); ++c)
                values.append(textValue(row.value(c)));
            table.rows.append(values);
        }
        return context.print(report);
    }

private:
    QString file;
    LogUnit unit = LogUnit::None;
    QString family;
};

} // namespace

std::unique_ptr<Command> makeTranslateCommand() {
    return std::make_unique<TranslateCommand>();
}
