#include "cli/interruptwatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int InterruptWatch::pipeEnds[2] = {-1, -1};

InterruptWatch::InterruptWatch(QObject* parent)
    : QObject(parent) {
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return; // Ctrl+C then ends the program as it always would
    }
    notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &InterruptWatch::drain);
    struct sigaction action = {};
    action.sa_handler = &InterruptWatch::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &previous);
}

InterruptWatch::~InterruptWatch() {
    if (pipeEnds[0] < 0)
        return;
    sigaction(SIGINT, &previous, nullptr);
    delete notifier;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void InterruptWatch::onSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    if (pipeEnds[1] >= 0)
        (void)!::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

void InterruptWatch::drain() {
    char bytes[16];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    if (seen)
        return;
    seen = true;
    sigaction(SIGINT, &previous, nullptr);
    emit interrupted();
}
