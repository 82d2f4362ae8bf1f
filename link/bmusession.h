#pragma once

#include "link/bmulink.h"
#include "link/operation.h"
#include "link/sessiontiming.h"
#include "monitor/systemsnapshot.h"

#include <QObject>
#include <QPointer>

// The tool's session with one battery system: the link to its BMU, what the last
// refresh learnt about the system, and at most one running operation. Everything the
// tool does on the link goes through here, whatever drives it (the window, the
// command line, tests).
class BmuSession : public QObject {
    Q_OBJECT

public:
    explicit BmuSession(QObject* parent = nullptr);
    ~BmuSession() override;

    BmuLink* link() { return bmuLink; }
    void setTiming(const SessionTiming& timing);
    const SessionTiming& timing() const { return intervals; }
    SystemSnapshot& snapshot() { return system; }
    const SystemSnapshot& snapshot() const { return system; }

    // Busy: an operation of the user's runs, or waits for a background read to give way.
    bool isBusy() const { return userOperation() != nullptr; }
    Operation* userOperation() const;
    // The operation on the link now, a background read included.
    Operation* currentOperation() const { return running; }

    // Starts the operation and takes it over. While another operation runs, or while no
    // link is up for one that needs it, the new one is refused (and deleted) before
    // anything is sent: false, with the reason in `refusal`. A background read running
    // instead is asked to give way: the operation starts as soon as that read has no
    // request left unanswered, so no late reply of it reaches the operation.
    bool start(Operation* operation, QString* refusal = nullptr);
    // Starts a read that leaves the session free for the user (the live view's): it does
    // not make the session busy and gives way to the next operation started.
    bool startInBackground(Operation* operation);
    // The user's Cancel: of the operation waiting to start, else of the running one.
    void cancel();
    // The user's Disconnect: ends the running operation, then the link for good.
    void disconnectFromBmu();

    static QString notConnectedText();

    // Writes one request of the running operation.
    bool sendFrame(const QByteArray& frame);

signals:
    void busyChanged(bool busy);
    void operationFinished(const OperationResult& result);
    void note(const PaneNote& note);
    void frameSent(const QByteArray& frame);
    void frameReceived(const QByteArray& frame);

    // Results, emitted by the operations as they read them.
    void statusRead(const QByteArray& block); // a complete status block
    void setupRead(const SetupSelection& setup);
    void setupWritten(const QByteArray& sixBytes);
    void bmsInfoRead(int bmsNumber, const QByteArray& block, int pass);
    void historyBlockRead(int unit, const QByteArray& block);

private:
    void onFrame(const QByteArray& frame);
    void onException(quint8 code, const QByteArray& frame);
    void launch(Operation* operation);
    void onFinished(const OperationResult& result);
    void onLinkLost();
    // Ends the operation waiting to start without starting it, saying why in its pane.
    void dropWaiting(Outcome outcome, const QString& reason);

    BmuLink* bmuLink;
    SessionTiming intervals;
    SystemSnapshot system;
    QPointer<Operation> running;
    bool runningInBackground = false;
    QPointer<Operation> waiting; // the user's, until the background read has given way
};
