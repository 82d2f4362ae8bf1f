#include "config/setupwrite.h"

#include "link/bmusession.h"
#include "link/bytes.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "monitor/statusrefresh.h"

#include <QTimer>

namespace {

// The echo of a write of three registers from 0x0010.
bool isSetupEcho(const QByteArray& frame) {
    return frame.size() == 8 && byteAt(frame, 1) == 0x10 && wordBE(frame, 2) == 0x0010 &&
           wordBE(frame, 4) == 3;
}

} // namespace

void SetupWrite::begin() {
    echoTimer = makeTimer([this] {
        const QString line = tr("The BMU did not confirm the setup: nothing is known "
                                "to be written.");
        addNote(PaneNote::Kind::ColouredLine, line, QStringLiteral("red"));
        finish(Outcome::Failed, line);
    });
    echoTimer->start(timing().setupEchoLimitMs);
    send(hexToBytes(setupWriteRequest(setupBytes)));
}

void SetupWrite::onFrame(const QByteArray& frame) {
    if (confirmed || !isSetupEcho(frame))
        return;
    confirmed = true;
    echoTimer->stop();
    emit session()->setupWritten(setupBytes);
    addLine(tr("setting susseccful"));
    runStep(new StatusRefresh);
}
