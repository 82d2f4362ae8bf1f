#pragma once

#include "link/operation.h"
#include "monitor/statusblock.h"

class QTimer;

// The Refresh: the two status reads one step apart, then the setup read, which goes on
// with the information of the first BMS. The live view reads the status blocks only.
class StatusRefresh : public Operation {
    Q_OBJECT

public:
    enum class Scope { Full, StatusOnly };
    explicit StatusRefresh(Scope scope = Scope::Full)
        : scope(scope) {}
    QString name() const override { return QStringLiteral("refresh"); }

protected:
    void begin() override;
    void onFrame(const QByteArray& frame) override;

private:
    void requestSecond();

    Scope scope;
    StatusBlock block;
    QTimer* stepTimer = nullptr;
    bool secondSent = false;
};
