#include "config/setupwrite.h"

#include "link/bmusession.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "link/replyshape.h"
#include "monitor/statusrefresh.h"

#include <QTimer>

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
    if (confirmed || !isWriteEcho(frame, 0x0010, 3)) // the three setup registers
        return;
    confirmed = true;
    echoTimer->stop();
    emit session()->setupWritten(setupBytes);
    addLine(tr("setting susseccful"));
    runStep(new StatusRefresh);
}
