#include "cli/systemlink.h"

#include "cli/clitext.h"
#include "cli/console.h"
#include "cli/exitcode.h"
#include "cli/interruptwatch.h"
#include "monitor/statusrefresh.h"
#include "sim/bmusimulator.h"

#include <QEventLoop>
#include <QTime>
#include <QTimer>

namespace {

const char stoppedByUser[] = QT_TRANSLATE_NOOP("Cli", "Stopped with Ctrl+C.");

QString spacedHex(const QByteArray& frame) {
    return QString::fromLatin1(frame.toHex(' ').toUpper());
}

} // namespace

SystemLink::SystemLink(const LinkSettings& settings, Console& console, InterruptWatch& interrupt)
    : settings(settings)
    , console(console)
    , interrupt(interrupt) {
    bmuSession.setTiming(settings.timing);
    connect(&bmuSession, &BmuSession::note, this, &SystemLink::showNote);
    connect(&bmuSession, &BmuSession::bmsInfoRead, this,
            [this](int bms, const QByteArray& block, int pass) {
                bmsBlocks[{bms, pass}] = block;
            });
    if (settings.trace) {
        connect(&bmuSession, &BmuSession::frameSent, this,
                [this](const QByteArray& frame) { trace(">", frame); });
        connect(&bmuSession, &BmuSession::frameReceived, this,
                [this](const QByteArray& frame) { trace("<", frame); });
    }
}

SystemLink::~SystemLink() {
    bmuSession.disconnectFromBmu();
}

void SystemLink::trace(const char* direction, const QByteArray& frame) {
    console.message(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz ")) +
                    QLatin1String(direction) + QLatin1Char(' ') + spacedHex(frame));
}

void SystemLink::showNote(const PaneNote& note) {
    if (note.kind == PaneNote::Kind::Clear || note.text.trimmed().isEmpty())
        return;
    console.message(note.text);
    notesShown << note.text.trimmed();
    if (progressComplete)
        notesAfterProgress << note.text.trimmed();
}

int SystemLink::open() {
    if (settings.demo) {
        simulator = std::make_unique<BmuSimulator>(settings.preset);
        simulator->setReadinessDelay(qMax(1, int(200 * settings.simulatorScale)));
        if (!simulator->listen(QHostAddress::LocalHost, 0)) {
            console.error(
                Cli::tr("The simulated BMU cannot listen: %1").arg(simulator->errorString()));
            return ExitUnreachable;
        }
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = simulator->serverPort();
    }
    bmuSession.link()->setEndpoint(settings.host, settings.port);
    const int linked = connectLink();
    if (linked != ExitDone)
        return linked;
    const int refreshed = runRead([] { return new StatusRefresh; });
    if (refreshed == ExitDone && !snapshot().hasStatus) {
        console.error(Cli::tr("The BMU's status could not be read completely."));
        return ExitFailed;
    }
    return refreshed;
}

int SystemLink::connectLink() {
    BmuLink* link = bmuSession.link();
    for (int attempt = 0; attempt <= settings.retries; ++attempt) {
        QEventLoop loop;
        connect(link, &BmuLink::connected, &loop, &QEventLoop::quit);
        connect(link, &BmuLink::connectFailed, &loop, &QEventLoop::quit);
        connect(&interrupt, &InterruptWatch::interrupted, &loop, &QEventLoop::quit);
        // A further attempt waits as long as the link waits before its first delayed reconnection.
        if (attempt > 0) {
            QTimer::singleShot(settings.timing.reconnectFirstMs, &loop, &QEventLoop::quit);
            loop.exec();
        }
        if (!interrupt.wasInterrupted()) {
            link->connectToBmu();
            loop.exec();
        }
        if (interrupt.wasInterrupted()) {
            link->disconnectFromBmu();
            console.error(Cli::tr(stoppedByUser));
            return ExitInterrupted;
        }
        if (link->isConnected())
            return ExitDone;
    }
    console.error(Cli::tr("Cannot reach the BMU at %1:%2.").arg(settings.host).arg(settings.port));
    return ExitUnreachable;
}

int SystemLink::runRead(const std::function<Operation*()>& make) {
    int code = ExitFailed;
    for (int attempt = 0; attempt <= settings.retries; ++attempt) {
        code = run(make());
        if (code != ExitFailed)
            break;
    }
    return code;
}

int SystemLink::run(Operation* operation, const QString& unit) {
    if (interrupt.wasInterrupted()) {
        delete operation;
        return ExitInterrupted;
    }
    const bool usesLink = operation->usesLink();
    notesShown.clear();
    notesAfterProgress.clear();
    progressComplete = false;
    console.startProgress(operation->name(), unit);
    connect(operation, &Operation::progress, this, [this](int done, int total) {
        progressComplete = done >= total;
        if (!progressComplete)
            notesAfterProgress.clear();
        console.progress(done, total);
    });

    QEventLoop loop;
    bool ended = false;
    OperationResult result;
    connect(&bmuSession, &BmuSession::operationFinished, &loop, [&](const OperationResult& r) {
        ended = true;
        result = r;
        loop.quit();
    });
    connect(&interrupt, &InterruptWatch::interrupted, &loop, [this] {
        if (Operation* running = bmuSession.currentOperation())
            running->stop(Cli::tr(stoppedByUser));
    });
    QString refusal;
    if (!bmuSession.start(operation, &refusal)) {
        console.endProgress();
        console.error(refusal);
        return ExitFailed;
    }
    if (!ended)
        loop.exec();
    console.endProgress();

    const QString message = result.message.trimmed();
    if (!message.isEmpty() && !notesShown.contains(message))
        console.error(message);
    switch (result.outcome) {
    case Outcome::Done:
        return ExitDone;
    case Outcome::Cancelled:
    case Outcome::Stopped:
        return interrupt.wasInterrupted() ? ExitInterrupted : ExitFailed;
    case Outcome::Failed:
        break;
    }
    if (usesLink && !bmuSession.link()->isConnected()) {
        console.error(
            Cli::tr("The link to the BMU at %1:%2 is down.").arg(settings.host).arg(settings.port));
        return ExitUnreachable;
    }
    return ExitFailed;
}
