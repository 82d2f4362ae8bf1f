#include "monitor/statusrefresh.h"

#include "config/setupread.h"
#include "link/bmusession.h"
#include "link/catalogue.h"

#include <QTimer>

void StatusRefresh::begin() {
    // The live view's reads leave the pane to what the user did last.
    if (scope == Scope::Full)
        addNote(PaneNote::Kind::Clear, QString());
    guardReplies(timing().replyLimitMs, [this] {
        addNote(PaneNote::Kind::ColouredLine, tr("No valid reply from the BMU: the refresh ended."),
                QStringLiteral("red"));
        finish(Outcome::Failed, tr("No valid reply from the BMU."));
    });
    stepTimer = makeTimer([this] { requestSecond(); });
    // The second block is requested one step later whether or not the first reply came.
    if (send(Command::StatusFirst))
        stepTimer->start(timing().statusStepMs);
}

void StatusRefresh::requestSecond() {
    secondSent = true;
    send(Command::StatusSecond);
}

void StatusRefresh::onFrame(const QByteArray& frame) {
    const StatusReply kind = block.take(frame);
    if (kind == StatusReply::Other)
        return;
    // A first reply that comes after the second read was sent is gathered into its
    // place; only the second reply completes the refresh.
    if (!secondSent || kind != StatusReply::Second) {
        stillAnswering();
        return;
    }
    replyTaken();
    if (block.isComplete()) {
        snapshot().takeStatus(block.bytes());
        emit session()->statusRead(block.bytes());
    }
    // Without the first reply the fixed offsets would show misplaced values: what was
    // shown stays, and the refresh goes on with the setup read.
    block.clear();
    if (scope == Scope::StatusOnly)
        return finish(Outcome::Done);
    // The BMS lists start at the first BMS after a refresh; without any, none is read.
    const bool listed = snapshot().hasStatus && snapshot().overview.bmsListSize() > 0;
    runStep(new SetupRead(listed ? 1 : 0));
}
