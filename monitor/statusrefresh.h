#pragma once

#include "link/operation.h"
#include "monitor/statusblock.h"

class QTimer;

// The Refresh: the two status reads one step apart, then the setup read, which goes on
// with the information of the first BMS.
class StatusRefresh : public Operation {
    Q_OBJECT

public:
    using Operation::Operation;
    QString name() const override { return QStringLiteral("refresh"); }

protected:
    void begin() override;
    void onFrame(const QByteArray& frame) override;

private:
    void requestSecond();

    StatusBlock block;
    QTimer* stepTimer = nullptr;
    bool secondSent = false;
};
