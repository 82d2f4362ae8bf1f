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

// Helpers shared by the simulator tests: frames built by hand, one exchange with the plain
// device, and the paged reads gathered as the tool gathers them.

Q_DECLARE_METATYPE(TransferTarget)

// The generated logs end here, whatever the day of the run.
inline const QDateTime logEnd(QDate(2024, 5, 17), QTime(16, 42, 10));

// One data row per system preset, column "preset".
inline void addPresetRows() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::newRow("hv") << SystemPreset::HighVoltage;
    QTest::newRow("lv") << SystemPreset::LowVoltage;
    QTest::newRow("qpa5") << SystemPreset::Qpa5;
}

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

inline ModbusRequest parseRequest(const QByteArray& frame) {
    RequestParser parser;
    const QVector<ModbusRequest> requests = parser.feed(frame);
    return requests.isEmpty() ? ModbusRequest{} : requests.first();
}

inline QByteArray ask(BmuDevice& device, const QByteArray& frame) {
    return device.handle(parseRequest(frame));
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

// The five header words of a transfer: version or type, section or version, the start
// command, the image size low word first.
inline QByteArray transferHeader(quint16 word0, quint16 word1, quint32 size,
                                 quint16 command = 0x8100) {
    return words({word0, word1, command, quint16(size & 0xFFFF), quint16(size >> 16)});
}

inline bool isReady(BmuDevice& device, const char* poll) {
    return wordBE(ask(device, QString(poll)), 3) == Command::ReadyValue;
}

// Fetch, poll and four page reads: bytes 5..132 of pages 1 to 3 and 5..40 of page 4.
// Empty when the BMU never reports ready.
inline QByteArray readBmsBlock(BmuDevice& device, int bms, QVector<int>* pageNumbers = nullptr) {
    ask(device, bmsInfoRequest(quint16(bms)));
    if (!isReady(device, Command::BmsInfoReadyPoll))
        return {};
    QByteArray block;
    for (int page = 1; page <= 4; ++page) {
        const QByteArray reply = ask(device, QString(Command::BmsInfoPage));
        if (pageNumbers)
            pageNumbers->append(wordBE(reply, 3));
        block += reply.mid(5, page < 4 ? 128 : 36);
    }
    return block;
}

// One history block: request, poll, five pages (bytes 5..132, the fifth 5..92); tail gets
// what page 5 carries after its 88 useful bytes.
inline QByteArray readHistoryBlock(BmuDevice& device, int selector, QByteArray* tail = nullptr) {
    ask(device, historyBlockRequest(quint16(selector)));
    if (!isReady(device, Command::HistoryReadyPoll))
        return {};
    QByteArray block;
    for (int page = 1; page <= 5; ++page) {
        const QByteArray reply = ask(device, QString(Command::HistoryPage));
        block += reply.mid(5, page < 5 ? 128 : 88);
        if (page == 5 && tail)
            *tail = reply.mid(93, 40);
    }
    return block;
}
