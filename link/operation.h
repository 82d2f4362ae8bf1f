#pragma once

#include "link/panenote.h"
#include "link/sessiontiming.h"

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class BmuSession;
class QTimer;
struct SystemSnapshot;

// How an operation ended.
enum class Outcome {
    Done,      // the sequence ran to its end (a BMU verdict, failure included, is Done)
    Failed,    // the BMU stopped answering, or refused
    Cancelled, // the user cancelled it
    Stopped,   // ended from outside: the user disconnected, or the session went away
};

struct OperationResult {
    QString operation; // the operation's name
    Outcome outcome = Outcome::Done;
    QString message; // why it failed or stopped; empty when done
};

Q_DECLARE_METATYPE(OperationResult)

// One request sequence on the link (or, for the download, on the update server). An
// operation is started by the session, receives every reply frame while it runs, keeps
// its own timers and ends exactly once through finish(). An operation may run another
// as one of its steps (the refresh runs the setup read and the BMS information read):
// the step receives the frames until it ends, and its end is reported to the operation.
class Operation : public QObject {
    Q_OBJECT

public:
    explicit Operation(QObject* parent = nullptr);
    ~Operation() override;

    virtual QString name() const = 0;
    // The pane the operation writes its notes and exception lines into.
    virtual PaneNote::Pane pane() const { return PaneNote::Pane::Overview; }
    // Whether the operation needs the BMU link (the download does not).
    virtual bool usesLink() const { return true; }

    bool isRunning() const { return running; }
    // The user's cancel: the operation ends at its next safe point.
    virtual void cancel();
    // Ends the operation at once (Disconnect), with the reason as its message.
    void stop(const QString& reason);
    // The link dropped while the operation runs: it says so in its pane and goes on.
    void linkLost();

signals:
    void note(const PaneNote& note);
    void progress(int done, int total);
    void finished(const OperationResult& result);

protected:
    virtual void begin() = 0;
    virtual void onFrame(const QByteArray& frame) = 0;
    // A step run by runStep() has ended.
    virtual void onStepFinished(Operation* step, const OperationResult& result);
    // A Modbus exception reply arrived for this operation's request.
    virtual void onException(quint8 /*code*/) {}

    bool send(const QByteArray& frame);
    bool send(const char* hexCommand);
    void finish(Outcome outcome, const QString& message = QString());
    void runStep(Operation* step);
    void addNote(PaneNote::Kind kind, const QString& text, const QString& colour = QString());
    void addLine(const QString& text) { addNote(PaneNote::Kind::Line, text); }
    // Says that a fast read met a late reply and goes on at the system's pace.
    void noteFallBack();

    // Calls `onSilence` when a request stays unanswered for `limitMs`: every request
    // starts the wait anew, replyTaken() ends it, and a reply to an earlier request of
    // the operation (stillAnswering()) shows the BMU is answering, late: the wait starts
    // anew. Frames that are no reply of the operation leave the wait as it is.
    void guardReplies(int limitMs, std::function<void()> onSilence);
    void replyTaken();
    void stillAnswering();
    // Called by stop() before the operation ends, to say so in its own words.
    virtual void onStop(const QString& /*reason*/) {}

    // A single-shot timer owned by the operation, calling `onTimeout` when it fires.
    QTimer* makeTimer(std::function<void()> onTimeout);
    const SessionTiming& timing() const;
    SystemSnapshot& snapshot() const;
    BmuSession* session() const { return owner; }

private:
    friend class BmuSession;
    void attach(BmuSession* session);
    void start();
    void deliver(const QByteArray& frame);
    void deliverException(quint8 code);

    BmuSession* owner = nullptr;
    QPointer<Operation> activeStep;
    QTimer* replyGuard = nullptr;
    bool running = false;
    bool cancelRequested = false;

protected:
    bool cancelled() const { return cancelRequested; }
};
