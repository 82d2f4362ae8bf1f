#pragma once

#include "link/operation.h"

// The setup read: the three setup registers, then, when the system has a BMS, the
// information of the first one.
class SetupRead : public Operation {
    Q_OBJECT

public:
    // bmsNumber: the BMS whose information follows (1-based; 0 when none is listed).
    explicit SetupRead(int bmsNumber)
        : bmsNumber(bmsNumber) {}
    QString name() const override { return QStringLiteral("setup read"); }

protected:
    void begin() override;
    void onFrame(const QByteArray& frame) override;

private:
    int bmsNumber;
};
