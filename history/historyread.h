#pragma once

#include "history/historyrecord.h"
#include "link/operation.h"

#include "link/readpacing.h"

#include <memory>

class QTimer;

// A read of a unit's log, block by block. The BMU hands a log out in blocks of 20
// records, newest first: each block is requested, polled until ready and read in five
// pages. A unit that keeps answering is waited for; one that stays silent for the stall
// interval ends the read. Cancel takes effect once the block in progress has arrived.
class HistoryRead : public Operation {
    Q_OBJECT

public:
    static constexpr int RecordsPerBlock = LogRecord::PerBlock;
    static constexpr int PagesPerBlock = 5;

    // unit: 0 the BMU, n BMS n.
    HistoryRead(int unit, int blocks);
    ~HistoryRead() override;
    QString name() const override { return QStringLiteral("history read"); }

    int blocksRead() const { return done; }
    int blocksRequested() const { return total; }

protected:
    void begin() override;
    void onFrame(const QByteArray& frame) override;

private:
    enum class Phase { Waiting, Pages, Next };
    void requestBlock();
    void onStep();
    void takePage(const QByteArray& frame);

    int unit;
    int total;
    int done = 0;
    Phase phase = Phase::Waiting;
    int page = 0;
    QByteArray block;
    QTimer* stepTimer = nullptr;
    QTimer* stallTimer = nullptr;
    std::unique_ptr<ReadPacing> pacing;
};
