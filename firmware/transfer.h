#pragma once

#include "firmware/firmwaretarget.h"
#include "link/operation.h"

#include <QStringList>

class QTimer;

// What a transfer sends and how it words its progress: a firmware image for the BMU or
// the BMS, or a parameter table. Fixed when the transfer starts.
struct TransferPlan {
    enum class Kind { Firmware, Table };
    Kind kind = Kind::Firmware;
    FirmwareTarget target = FirmwareTarget::Bmu; // firmware only
    QByteArray header;                           // the header write, CRC included
    quint16 packetRegister = 0;
    QStringList packets; // hex of each packet's data (see packets.h)
    QByteArray resultRead;

    static TransferPlan firmware(FirmwareTarget target, const QByteArray& header,
                                 const QStringList& packets);
    static TransferPlan table(const QByteArray& header, const QStringList& packets);
    quint16 headerRegister() const;
};

// A transfer to the BMU: the header until it is acknowledged, each packet after the
// previous one was acknowledged, then the BMU's verdict read from its result registers.
// A header left unanswered three times, a packet left unanswered (four sends of a
// firmware packet, two of a table packet) or a verdict other than success ends it in red.
class Transfer : public Operation {
    Q_OBJECT

public:
    explicit Transfer(const TransferPlan& plan)
        : plan(plan) {}
    QString name() const override;
    PaneNote::Pane pane() const override { return PaneNote::Pane::Update; }
    const TransferPlan& transferPlan() const { return plan; }

protected:
    void begin() override;
    void onFrame(const QByteArray& frame) override;
    void onStop(const QString& reason) override;

private:
    enum class Phase { Header, Packets, Result };
    void onStep();
    void sendHeader();
    void sendPacket();
    void requestResult();
    void acknowledge();
    bool takeEcho(const QByteArray& frame, quint16 firstRegister);
    void takeVerdict(const QByteArray& frame);
    void fail(const QString& line);
    bool isFirmware() const { return plan.kind == TransferPlan::Kind::Firmware; }

    TransferPlan plan;
    Phase phase = Phase::Header;
    int packetIndex = 0;
    int ticks = 0; // step ticks since the last acknowledgement
    bool awaitingEcho = false;
    QTimer* stepTimer = nullptr;
};
