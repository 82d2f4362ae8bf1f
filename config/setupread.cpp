#include "config/setupread.h"

#include "link/bmusession.h"
#include "link/bytes.h"
#include "link/catalogue.h"
#include "monitor/bmsinforead.h"

namespace {

// The reply to the read of the three setup registers.
bool isSetupReply(const QByteArray& frame) {
    return frame.size() == 11 && byteAt(frame, 1) == 0x03 && byteAt(frame, 2) == 6;
}

} // namespace

void SetupRead::begin() {
    guardReplies(timing().replyLimitMs, [this] {
        addNote(PaneNote::Kind::ColouredLine,
                tr("No valid reply from the BMU: the setup was not read."), QStringLiteral("red"));
        finish(Outcome::Failed, tr("No valid reply from the BMU."));
    });
    send(Command::SetupRead);
}

void SetupRead::onFrame(const QByteArray& frame) {
    if (!isSetupReply(frame))
        return;
    replyTaken();
    // An inverter code outside the table selects nothing; the read goes on all the same.
    if (snapshot().takeSetupReply(frame))
        emit session()->setupRead(*snapshot().setup);
    if (snapshot().hasBms())
        runStep(new BmsInfoRead(bmsNumber));
    else
        finish(Outcome::Done);
}
