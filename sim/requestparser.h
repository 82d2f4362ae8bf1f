#pragma once

#include <QByteArray>
#include <QVector>

// One Modbus-RTU request as the BMU receives it on the link.
struct ModbusRequest {
    quint8 slave = 0;
    quint8 function = 0;
    quint16 address = 0; // first register (0x03, 0x10)
    quint16 count = 0;   // register count (0x03, 0x10)
    QByteArray data;     // the written bytes of a 0x10 request, as many as its byte count says
    QByteArray frame;    // the whole frame, CRC included
};

// Cuts the byte stream of one client connection into request frames.
//
// The length of a request follows from its function code: 0x01..0x06 requests are
// 8 bytes, 0x0F and 0x10 requests 9 + byte count. For any other function the frame ends
// at the first position where the CRC of the bytes before it matches (a raw RTU link
// has no other framing). Candidates whose CRC fails and bytes that cannot start a
// request are skipped one byte at a time, as a slave on a serial line resynchronises.
class RequestParser {
public:
    QVector<ModbusRequest> feed(const QByteArray& chunk);

    void clear() { pending.clear(); }
    int pendingSize() const { return pending.size(); }

private:
    QByteArray pending;
};
