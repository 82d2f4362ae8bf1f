#pragma once

#include "link/operation.h"

#include "link/readpacing.h"

#include <QElapsedTimer>
#include <memory>

class QTimer;

// The information of one BMS: the request for it, a readiness poll one step later, then
// its four pages one step apart. A five-module "QPA" tower carries more cells than one
// block holds: after the first pass an extended-read write asks for the rest, and the
// whole read runs a second time. Cancelled (the live view's read giving way to the user),
// it sends nothing more and ends as soon as no reply of it is due.
class BmsInfoRead : public Operation {
    Q_OBJECT

public:
    // bmsNumber is 1-based; 0 means no BMS is listed yet.
    explicit BmsInfoRead(int bmsNumber);
    ~BmsInfoRead() override;
    QString name() const override { return QStringLiteral("BMS information read"); }
    PaneNote::Pane pane() const override { return PaneNote::Pane::Bms; }
    void cancel() override;

protected:
    void begin() override;
    void onFrame(const QByteArray& frame) override;

private:
    enum class Phase { Request, Pages, ExtendedRead };
    void requestInfo();
    void onStep();
    void sendRequest(const QByteArray& frame);
    void takeFrame(const QByteArray& frame);
    // Ends a cancelled read once no reply of it is due; true while cancelled.
    bool givesWay();
    void takeReadiness(const QByteArray& frame);
    void takePage(const QByteArray& frame);
    void endPass();
    void fail(const QString& line);

    int bmsNumber;
    int pass = 1;
    Phase phase = Phase::Request;
    int page = 0;
    QByteArray block;
    QTimer* stepTimer = nullptr;
    QTimer* giveWayLimit = nullptr;
    int repliesDue = 0; // requests sent whose reply has not come
    std::unique_ptr<ReadPacing> pacing;
    QElapsedTimer sinceRequest; // fast reads poll a unit not yet ready up to the poll step
};
