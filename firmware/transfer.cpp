#include "firmware/transfer.h"

#include "firmware/packets.h"
#include "link/bytes.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "link/replyshape.h"

#include <QTimer>

namespace {

constexpr int HeaderTries = 3;
constexpr int FirmwarePacketTicks = 5; // four sends, the fifth silent tick ends it
constexpr int TablePacketTicks = 3;    // two sends
constexpr int ResultReads = 3;

const char noResponseText[] = QT_TRANSLATE_NOOP("Transfer", "No response, please try again.");
const char tableFailureText[] =
    QT_TRANSLATE_NOOP("Transfer", "Updating failure, please try again!");
const char pleaseWaitText[] = QT_TRANSLATE_NOOP("Transfer", "Updating,please wait...");

} // namespace

TransferPlan TransferPlan::firmware(FirmwareTarget target, const QByteArray& header,
                                    const QStringList& packets) {
    TransferPlan plan;
    plan.kind = Kind::Firmware;
    plan.target = target;
    plan.header = header;
    plan.packetRegister = targetInfo(target).packetRegister;
    plan.packets = packets;
    plan.resultRead = hexToBytes(QLatin1String(targetInfo(target).resultRead));
    return plan;
}

TransferPlan TransferPlan::table(const QByteArray& header, const QStringList& packets) {
    TransferPlan plan;
    plan.kind = Kind::Table;
    plan.header = header;
    plan.packetRegister = Packet::TableFirstRegister;
    plan.packets = packets;
    plan.resultRead = hexToBytes(QLatin1String(Command::TableUpdateResult));
    return plan;
}

quint16 TransferPlan::headerRegister() const {
    return wordBE(header, 2);
}

QString Transfer::name() const {
    if (!isFirmware())
        return tr("parameter table update");
    return tr("%1 firmware update").arg(targetText(plan.target));
}

void Transfer::begin() {
    stepTimer = makeTimer([this] { onStep(); });
    stepTimer->start(timing().firstHeaderWaitMs);
    sendHeader();
}

void Transfer::sendHeader() {
    awaitingEcho = true;
    send(plan.header);
}

void Transfer::sendPacket() {
    emit progress(packetIndex + 1, plan.packets.size());
    awaitingEcho = true;
    send(hexToBytes(packetCommand(plan.packetRegister, plan.packets, packetIndex)));
}

void Transfer::requestResult() {
    send(plan.resultRead);
}

void Transfer::onStep() {
    ticks += 1;
    switch (phase) {
    case Phase::Header:
        if (ticks >= HeaderTries) {
            fail(tr(noResponseText));
            return;
        }
        stepTimer->start(timing().transferRepeatMs);
        sendHeader();
        break;
    case Phase::Packets:
        if (ticks >= (isFirmware() ? FirmwarePacketTicks : TablePacketTicks)) {
            fail(isFirmware()
                     ? tr("Transferring Data Error,please double check the Wifi connection.")
                     : tr(tableFailureText));
            return;
        }
        if (packetIndex == 0) {
            if (isFirmware())
                addNote(PaneNote::Kind::StyledLine, tr(pleaseWaitText), QStringLiteral("blue"));
            else
                addLine(tr(pleaseWaitText));
        }
        if (packetIndex < plan.packets.size()) {
            stepTimer->start(timing().transferRepeatMs);
            sendPacket();
            return;
        }
        // Every packet acknowledged: the verdict follows. The firmware result is read
        // after a pause, the table result at once; both again while the BMU stays silent.
        phase = Phase::Result;
        if (isFirmware()) {
            ticks = 0;
            stepTimer->start(timing().resultWaitMs);
        } else {
            ticks = 1;
            stepTimer->start(timing().transferRepeatMs);
            requestResult();
        }
        break;
    case Phase::Result:
        if (ticks > ResultReads) {
            fail(tr(noResponseText));
            return;
        }
        stepTimer->start(timing().transferRepeatMs);
        requestResult();
        break;
    }
}

bool Transfer::takeEcho(const QByteArray& frame, quint16 firstRegister) {
    // The echo of a register write: slave, 0x10, first register, count. A reply to
    // anything else, or an echo when no write is outstanding, acknowledges nothing.
    if (!awaitingEcho || !isWriteEcho(frame, firstRegister))
        return false;
    awaitingEcho = false;
    return true;
}

void Transfer::acknowledge() {
    ticks = 0;
    if (phase == Phase::Packets)
        packetIndex += 1;
    else
        packetIndex = 0;
    phase = Phase::Packets;
    stepTimer->start(timing().packetGapMs);
}

void Transfer::onFrame(const QByteArray& frame) {
    switch (phase) {
    case Phase::Header:
        if (!takeEcho(frame, plan.headerRegister()))
            return;
        acknowledge();
        addLine(isFirmware() ? tr("Firmware Starts to update.")
                             : tr("Parameters table Starts to update."));
        break;
    case Phase::Packets:
        if (takeEcho(frame, plan.packetRegister))
            acknowledge();
        break;
    case Phase::Result:
        takeVerdict(frame);
        break;
    }
}

void Transfer::takeVerdict(const QByteArray& frame) {
    // The nine result registers.
    if (!isReadReply(frame, 9))
        return;
    if (byteAt(frame, 7) != 0 || byteAt(frame, 8) != 0) {
        fail(isFirmware() ? tr("Update failure, please try again.") : tr(tableFailureText));
        return;
    }
    QStringList lines;
    if (!isFirmware())
        lines = QStringList{tr("update Successful!!!"),
                            tr("Please confirm the version after 2 minutes")};
    else if (plan.target == FirmwareTarget::Bmu)
        lines = QStringList{tr("Update Successful!!!")};
    else
        lines = QStringList{
            tr("Data has been loaded to BMU successfully!!"),
            tr("Please keep the system powering on, then BMU will start to update BMS."),
            tr("The process will take about 15 minutes.")};
    const QString last = lines.takeLast();
    for (const QString& line : lines)
        addLine(line);
    addNote(PaneNote::Kind::StyledLine, last, QStringLiteral("green"));
    finish(Outcome::Done);
}

void Transfer::fail(const QString& line) {
    addNote(PaneNote::Kind::StyledLine, line, QStringLiteral("red"));
    finish(Outcome::Failed, line);
}

void Transfer::onStop(const QString& reason) {
    addNote(PaneNote::Kind::StyledLine,
            tr("The update did not end: %1 Nothing is known to be updated.").arg(reason),
            QStringLiteral("red"));
}
