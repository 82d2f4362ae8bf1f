#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

// Runs the event loop until `signal` of `sender` fires, or for at most `limitMs`.
template <typename Sender, typename Signal>
bool waitFor(Sender* sender, Signal signal, int limitMs = 20000) {
    QEventLoop loop;
    bool fired = false;
    QObject::connect(sender, signal, &loop, [&] {
        fired = true;
        loop.quit();
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return fired;
}
