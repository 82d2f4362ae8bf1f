#pragma once

// One session linked to one simulated BMU in the same process, at scaled timing: the
// rig of every test that drives the tool's operations without a window.

#include "firmware/transfer.h"
#include "link/bmusession.h"
#include "link/crc.h"
#include "monitor/statusrefresh.h"
#include "sim/bmusimulator.h"
#include "sim/demodata.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <memory>

// A link fault of the simulator: its name and how to set it at a timing scale.
struct LinkFault {
    QString name;
    std::function<void(BmuSimulator&, double scale)> apply;
    bool replyLost; // whether replies can be lost (the operation may then fail)
};
Q_DECLARE_METATYPE(LinkFault)

inline QVector<LinkFault> linkFaults() {
    auto ms = [](int value, double scale) { return qMax(1, int(value * scale + 0.5)); };
    return {
        {"sound", [](BmuSimulator&, double) {}, false},
        {"split3", [=](BmuSimulator& s, double k) { s.setSplitReplies(3, ms(30, k)); }, false},
        {"bytewise", [](BmuSimulator& s, double) { s.setSplitReplies(300, 0); }, false},
        {"delay300", [=](BmuSimulator& s, double k) { s.setReplyDelay(ms(300, k)); }, false},
        // Later than the steps: replies land while the tool waits for another one.
        {"delay2000", [=](BmuSimulator& s, double k) { s.setReplyDelay(ms(2000, k)); }, true},
        {"drop3", [](BmuSimulator& s, double) { s.setDropEveryNth(3); }, true},
        {"corrupt2", [](BmuSimulator& s, double) { s.setCorruptEveryNth(2); }, true},
        {"close3", [](BmuSimulator& s, double) { s.setCloseAfterFrames(3); }, true},
    };
}

// A request the simulator received, with the time since the previous one.
struct LoggedRequest {
    qint64 gapMs;
    QByteArray frame;
};

class SessionRig {
public:
    explicit SessionRig(SystemPreset preset = SystemPreset::HighVoltage, double scale = 0.2)
        : scale(scale)
        , simulator(preset) {
        simulator.setStatic(true);
        simulator.setReadinessDelay(ms(200));
        if (!simulator.listen())
            qFatal("simulator cannot listen: %s", qPrintable(simulator.errorString()));
        // The packet gap stays as it is: it is short already, and what a closed link does
        // to the packet due next depends on it.
        SessionTiming timing = SessionTiming().scaled(scale);
        timing.packetGapMs = SessionTiming().packetGapMs;
        session.setTiming(timing);
        session.link()->setEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
        QObject::connect(&simulator, &BmuSimulator::requestReceived,
                         [this](const QByteArray& frame) {
                             const qint64 now = clock.elapsed();
                             requests.append({now - lastRequest, frame});
                             lastRequest = now;
                         });
        QObject::connect(&session, &BmuSession::note,
                         [this](const PaneNote& n) { notes << n.text; });
        clock.start();
    }

    // Paged reads paced by the replies, never closer than the gap.
    void setFastReads(int minimumGapMs) {
        SessionTiming timing = session.timing();
        timing.fastReads = true;
        timing.minimumGapMs = minimumGapMs;
        session.setTiming(timing);
    }

    int ms(int systemMs) const { return qMax(1, int(systemMs * scale + 0.5)); }

    bool connectLink() {
        QSignalSpy up(session.link(), &BmuLink::connected);
        session.link()->connectToBmu();
        return up.wait(5000);
    }

    // Connected, with the system learnt by a refresh as the window does first.
    bool connectAndRefresh() {
        return connectLink() && run(new StatusRefresh).outcome == Outcome::Done;
    }

    // Starts the operation and waits for its end; the result, or a "never ended" failure.
    OperationResult run(Operation* operation, int limitMs = 60000) {
        QSignalSpy ended(&session, &BmuSession::operationFinished);
        QString refusal;
        if (!session.start(operation, &refusal))
            return {QStringLiteral("refused"), Outcome::Failed, refusal};
        if (ended.isEmpty() && !ended.wait(limitMs))
            return {QStringLiteral("never ended"), Outcome::Failed, QString()};
        return ended.first().first().value<OperationResult>();
    }

    // Forgets the requests and pane lines so far: the logs start with the next ones.
    void markLog() {
        requests.clear();
        notes.clear();
        lastRequest = clock.elapsed();
    }

    const SystemProfile& profile() const { return simulator.device().profile(); }

    // A firmware image of that size.
    static QByteArray imageOf(int size) {
        QByteArray image(size, '\0');
        for (int i = 0; i < size; ++i)
            image[i] = char((i * 131 + 17 + i / 251) & 0xFF);
        return image;
    }

    double scale;
    BmuSimulator simulator;
    BmuSession session;
    QVector<LoggedRequest> requests;
    QStringList notes; // every pane line the session wrote since the last markLog(), in order

private:
    QElapsedTimer clock;
    qint64 lastRequest = 0;
};
