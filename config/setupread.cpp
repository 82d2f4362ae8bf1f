#include "config/setupread.h"

#include "link/bmusession.h"
#include "link/catalogue.h"
#include "link/replyshape.h"
#include "monitor/bmsinforead.h"

void SetupRead::begin() {
    guardReplies(timing().replyLimitMs, [this] {
        addNote(PaneNote::Kind::ColouredLine,
                tr("No valid reply from the BMU: the setup was not read."), QStringLiteral("red"));
        finish(Outcome::Failed, tr("No valid reply from the BMU."));
    });
    send(Command::SetupRead);
}

void SetupRead::onFrame(const QByteArray& frame) {
    if (!isReadReply(frame, 3)) // the three setup registers
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
