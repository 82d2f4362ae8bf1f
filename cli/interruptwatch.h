#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// Turns Ctrl+C (SIGINT) into a signal of the event loop: the handler only writes a byte
// into a pipe, whose reading end the loop watches. The first Ctrl+C is taken so; a second
// one ends the program on the spot, as it would without the watch. One watch at a time.
class InterruptWatch : public QObject {
    Q_OBJECT

public:
    explicit InterruptWatch(QObject* parent = nullptr);
    ~InterruptWatch() override;

    bool wasInterrupted() const { return seen; }

signals:
    void interrupted();

private:
    static void onSignal(int);
    void drain();

    static int pipeEnds[2];
    QSocketNotifier* notifier = nullptr;
    struct sigaction previous = {};
    bool seen = false;
};
