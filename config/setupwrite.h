#pragma once

#include "link/operation.h"

class QTimer;

// The setup write: the three setup registers, confirmed only by the BMU's echo of that
// write, after which the system is refreshed to show what it now holds.
class SetupWrite : public Operation {
    Q_OBJECT

public:
    explicit SetupWrite(const QByteArray& sixBytes)
        : setupBytes(sixBytes) {}
    QString name() const override { return QStringLiteral("setup write"); }

protected:
    void begin() override;
    void onFrame(const QByteArray& frame) override;

private:
    QByteArray setupBytes;
    QTimer* echoTimer = nullptr;
    bool confirmed = false;
};
