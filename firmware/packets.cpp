#include "firmware/packets.h"

#include "link/hexcommand.h"

qint64 packetCountFor(qint64 size) {
    return size < 0 ? 0 : size / Packet::DataBytes + 1;
}

bool fitsPacketNumbering(qint64 size) {
    return size >= 0 && packetCountFor(size) <= Packet::MaxPackets;
}

QStringList splitIntoPackets(const QByteArray& image) {
    QStringList packets;
    const int count = int(packetCountFor(image.size()));
    packets.reserve(count);
    for (int i = 0; i < count; ++i)
        packets << QString::fromLatin1(image.mid(i * Packet::DataBytes, Packet::DataBytes).toHex());
    return packets;
}

QString packetCommand(quint16 firstRegister, const QStringList& packets, int index) {
    if (index < 0 || index >= packets.size() || index >= Packet::MaxPackets)
        return {};
    const QByteArray data = QByteArray::fromHex(packets.at(index).toLatin1());
    const bool last = index == packets.size() - 1;
    const quint32 length = last ? quint32(data.size()) : quint32(Packet::DataBytes);
    // Register count and byte count cover the packet number (2 bytes), the length (4 bytes)
    // and the data; for the short packet the register count is rounded down.
    const quint8 byteCount = last ? quint8(length + 6) : quint8(0x86);
    const quint8 registerCount = last ? quint8((length + 6) / 2) : quint8(0x43);
    const quint16 number = quint16(index + 1);

    QByteArray frame;
    frame.reserve(13 + data.size() + 2);
    frame.append(char(0x01)).append(char(0x10));
    frame.append(char(firstRegister >> 8)).append(char(firstRegister & 0xFF));
    frame.append(char(0x00)).append(char(registerCount)).append(char(byteCount));
    frame.append(char(number >> 8)).append(char(number & 0xFF));
    for (int shift = 24; shift >= 0; shift -= 8)
        frame.append(char((length >> shift) & 0xFF));
    frame.append(data);
    return appendCrcHex(bytesToHexCommand(frame));
}
