#pragma once

#include <QByteArray>
#include <QVector>

// Receives one image (BMU firmware, BMS firmware or a parameter table) the way the BMU
// does: a header of five registers, then numbered packets, then the result read.
//
// Header: +0 version (main hi, sub lo), +1 section (0 A, 1 B; the battery type code for
// tables), +2 0x8100 to start, +3 size low word, +4 size high word.
// Packet: packet number (from 1), a 32-bit byte length, then that many image bytes.
//
// The result is 0x0000 only when every packet arrived in order and the bytes add up to
// the size the header announced. A packet sent again because its echo was lost (the
// number of the packet just taken, with the same bytes) is echoed and not counted twice.
class TransferReceiver {
public:
    enum Status : quint16 {
        Success = 0x0000,
        Idle = 0x0001,       // no header since the start or since the last result
        OutOfOrder = 0x0002, // a packet number other than the next one
        TooLong = 0x0003,    // more bytes than the header announced
        BadPacket = 0x0004,  // the length field promises more bytes than the packet holds
        Incomplete = 0x8100, // the header's command still pending: bytes are missing
    };

    static constexpr quint16 StartCommand = 0x8100;
    static constexpr int HeaderRegisters = 5;

    // Takes the five header registers. Returns false when the command word is not the
    // start command (nothing changes then).
    bool header(const QVector<quint16>& registers);

    // Takes the written bytes of one packet write (number, length, image bytes).
    void packet(const QByteArray& written);

    // The status word of the result read.
    quint16 status() const;
    // Called when the result is read: true once, when the transfer has just succeeded.
    // The transfer is then closed; later packets are ignored.
    bool finish();

    // The nine registers of the result read: the header as stored, with the status.
    QVector<quint16> resultRegisters() const;

    const QByteArray& image() const { return received; }
    quint16 headerWord(int index) const { return headerWords.value(index); }
    quint32 announcedSize() const {
        return quint32(headerWords.value(3)) | quint32(headerWords.value(4)) << 16;
    }
    int packetsTaken() const { return lastPacket; }

private:
    QVector<quint16> headerWords = QVector<quint16>(HeaderRegisters, 0);
    QByteArray received;
    QByteArray lastPacketBytes;
    int lastPacket = 0;
    quint16 failure = 0; // one of the failure statuses, sticky until the next header
    bool active = false;
    bool done = false;
};
