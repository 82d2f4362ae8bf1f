#pragma once

#include "link/bytes.h"
#include "link/catalogue.h"
#include "link/crc.h"
#include "link/hexcommand.h"
#include "sim/bmudevice.h"
#include "sim/requestparser.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtTest>

// Helpers shared by the simulator tests: frames built by hand and one exchange with the
// plain device.

// The generated logs end here, whatever the day of the run.
inline const QDateTime logEnd(QDate(2024, 5, 17), QTime(16, 42, 10));

// A device that answers fetches at once.
inline BmuDevice testDevice(SystemPreset preset = SystemPreset::HighVoltage, quint32 seed = 1) {
    BmuDevice device(preset, seed, logEnd);
    device.setReadinessDelay(0);
    return device;
}

inline QByteArray frameWithCrc(const QByteArray& body) {
    const quint16 crc = modbusCrc16(body);
    return body + char(crc & 0xFF) + char(crc >> 8);
}

inline bool crcIsValid(const QByteArray& frame) {
    return frame.size() >= 4 &&
           modbusCrc16(frame.left(frame.size() - 2)) == wordLE(frame, frame.size() - 2);
}

inline QByteArray ask(BmuDevice& device, const QByteArray& frame) {
    const QVector<ModbusRequest> requests = RequestParser().feed(frame);
    return device.handle(requests.isEmpty() ? ModbusRequest{} : requests.first());
}

// The reply to a complete hex command string (CRC included).
inline QByteArray ask(BmuDevice& device, const QString& command) {
    return ask(device, hexToBytes(command));
}

inline QByteArray words(std::initializer_list<quint16> values) {
    QByteArray bytes;
    for (quint16 v : values)
        bytes.append(char(v >> 8)).append(char(v & 0xFF));
    return bytes;
}

inline QByteArray readFrame(quint16 address, quint16 count) {
    return frameWithCrc(QByteArray::fromHex("0103") + words({address, count}));
}

// Write of the given bytes from address; the register count is the byte count halved,
// rounded down, as the last packet of an odd length declares it.
inline QByteArray writeFrame(quint16 address, const QByteArray& data) {
    return frameWithCrc(QByteArray::fromHex("0110") + words({address, quint16(data.size() / 2)}) +
                        char(data.size()) + data);
}
