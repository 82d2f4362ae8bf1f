#include "files/translationrun.h"

#include "app/messages.h"

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTableWidget>
#include <QThread>
#include <QTimer>

namespace {

const char wrongFile[] =
    QT_TRANSLATE_NOOP("TranslationRun", "Please choose the correct data file!!");

// Fitting every row's height to its texts measures every cell: for a large table that alone
// holds the window for seconds, so only small tables get it.
constexpr int maxRowsResized = 1000;

} // namespace

TranslationRun::TranslationRun(QWidget* window, QTableWidget* table, const QString& path,
                               LogUnit unit, const QString& family)
    : QObject(window)
    , window(window)
    , table(table)
    , dialog(new QProgressDialog(tr("Reading %1 ...").arg(path), QStringLiteral("Cancel"), 0, 0,
                                 window))
    , filling(new QTimer(this)) {
    dialog->setWindowTitle(tr("Translate From File"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(300);
    connect(dialog, &QProgressDialog::canceled, this, &TranslationRun::cancel);
    connect(this, &TranslationRun::progressed, dialog, [this](int done, int total) {
        dialog->setLabelText(tr("Translating rows ..."));
        dialog->setMaximum(total);
        dialog->setValue(done);
    });
    connect(filling, &QTimer::timeout, this, &TranslationRun::fillSlice);

    worker = QThread::create([this, path, unit, family] {
        result = translateLogFile(path, unit, family, cancelled,
                                  [this](int done, int total) { emit progressed(done, total); });
    });
    worker->setParent(this);
    connect(worker, &QThread::finished, this, &TranslationRun::decodingEnded);
    worker->start();
}

TranslationRun::~TranslationRun() {
    // The worker has ended, unless the window goes first: then it stops at its next slice.
    cancelled = true;
    worker->wait();
    delete dialog;
}

void TranslationRun::cancel() {
    cancelled = true;
    if (filling->isActive()) {
        filling->stop();
        table->setRowCount(0); // part of a log must not pass for all of it
    }
    if (worker->isFinished())
        finish();
    else
        dialog->hide(); // the worker's end finishes the run
}

void TranslationRun::decodingEnded() {
    if (cancelled)
        return finish();
    switch (result.outcome) {
    case TranslatedLog::Outcome::Unreadable:
        Messages::warning(window, tr("Remind"), result.error);
        return finish();
    case TranslatedLog::Outcome::NotASavedLog:
        Messages::open(window, QMessageBox::Warning, tr("Remind"), tr(wrongFile),
                       QMessageBox::Apply);
        return finish();
    case TranslatedLog::Outcome::Cancelled:
        return finish();
    case TranslatedLog::Outcome::Done:
        break;
    }
    dialog->setLabelText(tr("Filling the table ..."));
    dialog->setMaximum(result.rows.size());
    table->setRowCount(0);
    table->setRowCount(result.rows.size());
    filling->start(0);
}

void TranslationRun::fillSlice() {
    QElapsedTimer slice;
    slice.start();
    const int columns = table->columnCount();
    while (filled < result.rows.size() && slice.elapsed() < SliceMs) {
        // A row of an unknown family comes as an empty list and stays unwritten. Each row is
        // let go once it is in the table: freeing all of them at the end held the window.
        const QStringList texts = std::move(result.rows[filled]);
        for (int column = 0; column < texts.size() && column < columns; ++column)
            table->setItem(filled, column, new QTableWidgetItem(texts.at(column)));
        ++filled;
    }
    dialog->setValue(filled);
    if (filled < result.rows.size())
        return;
    filling->stop();
    if (result.rows.size() <= maxRowsResized)
        table->resizeRowsToContents();
    table->setAlternatingRowColors(true);
    table->setPalette(QPalette(Qt::gray));
    finish();
}

void TranslationRun::finish() {
    if (dialog)
        dialog->hide();
    deleteLater();
}
