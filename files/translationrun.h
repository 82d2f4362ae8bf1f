#pragma once

#include "files/logimport.h"

#include <QObject>
#include <QPointer>

#include <atomic>

class QProgressDialog;
class QTableWidget;
class QThread;
class QTimer;
class QWidget;

// One translation of a saved log file into a translation table. The file is read and
// decoded on a worker thread under a progress dialog with Cancel; the rows then go into
// the table a slice at a time, so that the window keeps answering whatever the size of the
// file. A file that cannot be translated is reported and leaves the table as it was;
// Cancel leaves it empty. The run deletes itself when it has ended.
class TranslationRun : public QObject {
    Q_OBJECT

public:
    TranslationRun(QWidget* window, QTableWidget* table, const QString& path, LogUnit unit,
                   const QString& family);
    ~TranslationRun() override;

    // Longest time one slice of the filling may keep the window busy.
    static constexpr int SliceMs = 15;

signals:
    // From the worker thread: rows decoded so far.
    void progressed(int done, int total);

private:
    void cancel();
    void decodingEnded();
    void fillSlice();
    void finish();

    QWidget* window;
    QTableWidget* table;
    std::atomic<bool> cancelled{false};
    TranslatedLog result; // written by the worker, read once it has ended
    QThread* worker;
    QPointer<QProgressDialog> dialog; // the window's child: it may go first
    QTimer* filling;
    int filled = 0;
};
