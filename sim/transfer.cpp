#include "sim/transfer.h"

#include "link/bytes.h"

namespace {

constexpr int PacketHeaderSize = 6; // packet number (2) and length (4), big-endian

} // namespace

bool TransferReceiver::header(const QVector<quint16>& registers) {
    if (registers.size() != HeaderRegisters || registers[2] != StartCommand)
        return false;
    headerWords = registers;
    received.clear();
    lastPacketBytes.clear();
    lastPacket = 0;
    failure = 0;
    active = true;
    done = false;
    return true;
}

void TransferReceiver::packet(const QByteArray& written) {
    if (!active || done || failure != 0)
        return;
    const int number = wordBE(written, 0);
    const quint32 length = quint32(wordBE(written, 2)) << 16 | wordBE(written, 4);
    const QByteArray bytes = written.mid(PacketHeaderSize);
    if (written.size() < PacketHeaderSize || length > quint32(bytes.size())) {
        failure = BadPacket;
        return;
    }
    if (number == lastPacket && lastPacket > 0) {
        // The same packet again: its echo was lost on the way back.
        if (bytes.left(int(length)) != lastPacketBytes)
            failure = OutOfOrder;
        return;
    }
    if (number != lastPacket + 1) {
        failure = OutOfOrder;
        return;
    }
    lastPacketBytes = bytes.left(int(length));
    received.append(lastPacketBytes);
    lastPacket = number;
    if (quint32(received.size()) > announcedSize())
        failure = TooLong;
}

quint16 TransferReceiver::status() const {
    if (failure != 0)
        return failure;
    if (!active)
        return Idle;
    if (quint32(received.size()) != announcedSize())
        return Incomplete;
    return Success;
}

bool TransferReceiver::finish() {
    if (done || status() != Success)
        return false;
    done = true;
    return true;
}

QVector<quint16> TransferReceiver::resultRegisters() const {
    QVector<quint16> registers = headerWords;
    registers[2] = status();
    registers.resize(9); // the two words after the header and the first packet words read 0
    return registers;
}
