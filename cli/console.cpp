#include "cli/console.h"

#include "cli/clitext.h"

#include <QTextStream>

namespace {

constexpr int BarWidth = 30;
constexpr int LineSteps = 20; // up to this many steps each gets its line

} // namespace

QString timeLeftText(qint64 elapsedMs, qint64 done, qint64 total) {
    if (done <= 0 || total <= done)
        return done > 0 ? QStringLiteral("0:00") : QString();
    const qint64 seconds = (elapsedMs * (total - done) / done + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

Console::Console(QTextStream& out, QTextStream& err, bool errIsTerminal)
    : output(out)
    , errors(err)
    , terminal(errIsTerminal) {}

void Console::message(const QString& line) {
    clearBar();
    errors << line << '\n';
    drawBar();
    errors.flush();
}

void Console::error(const QString& text) {
    message(QStringLiteral("voltaro-cli: ") + text);
}

void Console::startProgress(const QString& what, const QString& unit) {
    progressWhat = what;
    progressUnit = unit;
    progressDone = 0;
    progressTotal = 0;
    lastTenth = -1;
    clock.start();
}

void Console::progress(qint64 done, qint64 total) {
    if (progressWhat.isEmpty() || total <= 0)
        return;
    progressDone = done;
    progressTotal = total;
    if (terminal) {
        clearBar();
        drawBar();
        errors.flush();
        return;
    }
    // One line per step; a long run (packets, bytes) one line per tenth.
    const int tenth = int(done * 10 / total);
    if (total > LineSteps && tenth == lastTenth && done != total)
        return;
    lastTenth = tenth;
    errors << progressWhat << ": " << done << '/' << total << ' ' << progressUnit << '\n';
    errors.flush();
}

void Console::endProgress() {
    clearBar();
    errors.flush();
    progressWhat.clear();
}

void Console::drawBar() {
    if (!terminal || progressWhat.isEmpty() || progressTotal <= 0)
        return;
    const int filled = int(progressDone * BarWidth / progressTotal);
    errors << progressWhat << " [" << QString(filled, QLatin1Char('#'))
           << QString(BarWidth - filled, QLatin1Char('.')) << "] " << progressDone << '/'
           << progressTotal << ' ' << progressUnit;
    const QString left = timeLeftText(clock.elapsed(), progressDone, progressTotal);
    if (!left.isEmpty())
        errors << Cli::tr(", %1 left").arg(left);
    barShown = true;
}

void Console::clearBar() {
    if (!barShown)
        return;
    errors << "\r\x1b[K";
    barShown = false;
}
