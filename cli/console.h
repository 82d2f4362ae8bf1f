#pragma once

#include <QElapsedTimer>
#include <QString>

class QTextStream;

// The program's two streams: results on the output, everything else (messages, the frame
// trace, progress) on the error stream. On a terminal the progress is one bar with the
// time left, redrawn in place under the lines printed meanwhile; elsewhere it is one line
// per step.
class Console {
public:
    Console(QTextStream& out, QTextStream& err, bool errIsTerminal);

    QTextStream& out() { return output; }

    // A line on the error stream.
    void message(const QString& line);
    // "voltaro-cli: text" on the error stream.
    void error(const QString& text);

    // Progress of a step counted in `unit` ("blocks", "packets", "bytes").
    void startProgress(const QString& what, const QString& unit);
    void progress(qint64 done, qint64 total);
    void endProgress();

private:
    void drawBar();
    void clearBar();

    QTextStream& output;
    QTextStream& errors;
    bool terminal;
    QString progressWhat;
    QString progressUnit;
    qint64 progressDone = 0;
    qint64 progressTotal = 0;
    int lastTenth = -1;
    bool barShown = false;
    QElapsedTimer clock;
};

// The time left of a step that took `elapsedMs` for `done` of `total`, as "m:ss"; empty
// before the first unit is done.
QString timeLeftText(qint64 elapsedMs, qint64 done, qint64 total);
