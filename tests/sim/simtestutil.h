#pragma once

#include "link/bytes.h"
#include "link/crc.h"
#include "link/hexcommand.h"
#include "sim/bmudevice.h"
#include "sim/requestparser.h"

#include <QByteArray>
#include <QString>

// Helpers shared by the simulator tests: frames from hex text, and one exchange with the
// plain device.

inline QByteArray frameWithCrc(const QByteArray& body) {
    QByteArray frame = body;
    const quint16 crc = modbusCrc16(body);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

inline bool crcIsValid(const QByteArray& frame) {
    return frame.size() >= 4 &&
           modbusCrc16(frame.left(frame.size() - 2)) == wordLE(frame, frame.size() - 2);
}

inline ModbusRequest parseRequest(const QByteArray& frame) {
    RequestParser parser;
    const QVector<ModbusRequest> requests = parser.feed(frame);
    return requests.isEmpty() ? ModbusRequest{} : requests.first();
}

// The reply of the device to a complete hex command string (CRC included).
inline QByteArray ask(BmuDevice& device, const QString& command) {
    return device.handle(parseRequest(hexToBytes(command)));
}

// Read of count registers from address, as a frame.
inline QByteArray readFrame(quint16 address, quint16 count) {
    QByteArray body = QByteArray::fromHex("0103");
    body.append(char(address >> 8)).append(char(address & 0xFF));
    body.append(char(count >> 8)).append(char(count & 0xFF));
    return frameWithCrc(body);
}

// Write of the given bytes from address; the register count is the byte count halved,
// rounded down, as the last packet of an odd length declares it.
inline QByteArray writeFrame(quint16 address, const QByteArray& data) {
    const int count = data.size() / 2;
    QByteArray body = QByteArray::fromHex("0110");
    body.append(char(address >> 8)).append(char(address & 0xFF));
    body.append(char(count >> 8)).append(char(count & 0xFF));
    body.append(char(data.size()));
    body.append(data);
    return frameWithCrc(body);
}

inline QByteArray words(std::initializer_list<quint16> values) {
    QByteArray bytes;
    for (quint16 v : values)
        bytes.append(char(v >> 8)).append(char(v & 0xFF));
    return bytes;
}

// The register values of a read reply.
inline QVector<quint16> replyWords(const QByteArray& reply) {
    QVector<quint16> values;
    for (int i = 0; i < byteAt(reply, 2) / 2; ++i)
        values.append(wordBE(reply, 3 + 2 * i));
    return values;
}

inline QByteArray ask(BmuDevice& device, const QByteArray& frame) {
    return device.handle(parseRequest(frame));
}
