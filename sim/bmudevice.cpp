#include "sim/bmudevice.h"

#include "link/bytes.h"
#include "link/crc.h"
#include "sim/loggenerator.h"

#include <algorithm>
#include <iterator>
#include <utility>

using namespace BmuBlock;

namespace {

constexpr quint8 SlaveAddress = 0x01;
constexpr quint8 ReadHolding = 0x03;
constexpr quint8 WriteMultiple = 0x10;
constexpr int MaxReadCount = 125;
constexpr int MaxWriteCount = 123;

enum ExceptionCode : quint8 { IllegalFunction = 1, IllegalAddress = 2, IllegalValue = 3 };

QByteArray withCrc(QByteArray frame) {
    const quint16 crc = modbusCrc16(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

QByteArray exceptionReply(quint8 function, ExceptionCode code) {
    QByteArray frame;
    frame.append(char(SlaveAddress));
    frame.append(char(function | 0x80));
    frame.append(char(code));
    return withCrc(frame);
}

bool within(quint16 address, quint16 first, int count) {
    return address >= first && address < first + count;
}

// "MZQWK" and a zero byte, as three registers.
const QVector<quint16> extendedReadWord{0x4D5A, 0x5157, 0x4B00};

struct TransferArea {
    quint16 header;
    quint16 packets;
    TransferTarget target;
};
constexpr TransferArea transferAreas[] = {
    {BmuHeader, BmuPackets, TransferTarget::BmuFirmware},
    {BmsHeader, BmsPacketsStart, TransferTarget::BmsFirmware},
    {TableHeader, TablePackets, TransferTarget::ParameterTable},
};

} // namespace

BmuDevice::BmuDevice(SystemPreset preset, quint32 seed, const QDateTime& now)
    : profileData(systemProfile(preset))
    , model(profileData)
    , state(profileData, seed) {
    bmsFw = {profileData.bmsA, profileData.bmsB, profileData.bmsRunning};
    clock.start();
    reseed(seed, now);
}

void BmuDevice::reseed(quint32 seed, const QDateTime& now) {
    state = BatteryState(profileData, seed);
    model.showMeasurements(state);
    logs.clear();
    logs.append(HistoryLog(generateBmuLog(profileData, seed, now)));
    for (int bms = 1; bms <= profileData.bmsCount; ++bms)
        logs.append(HistoryLog(generateBmsLog(profileData, bms, seed, now)));
    for (auto it = replacedLogs.cbegin(); it != replacedLogs.cend(); ++it)
        logs[it.key()] = HistoryLog(it.value());
}

void BmuDevice::advance(double seconds) {
    state.advance(seconds);
    model.showMeasurements(state);
}

void BmuDevice::restartHistory() {
    lastHistorySelector = -1;
}

void BmuDevice::setBmsBytes(int bms, int offset, const QByteArray& bytes) {
    bmsPatches[bms][offset] = bytes;
}

void BmuDevice::setHistoryRecords(int selector, const QVector<QByteArray>& records) {
    if (selector < 0 || selector >= logs.size())
        return;
    replacedLogs[selector] = records;
    logs[selector] = HistoryLog(records);
}

const HistoryLog& BmuDevice::historyLog(int selector) const {
    static const HistoryLog none;
    return selector >= 0 && selector < logs.size() ? logs[selector] : none;
}

HistoryLog* BmuDevice::logFor(int selector) {
    return selector >= 0 && selector < logs.size() ? &logs[selector] : nullptr;
}

quint16 BmuDevice::peekRegister(quint16 address) const {
    quint16 value = 0;
    readRegister(address, &value);
    return value;
}

QByteArray BmuDevice::handle(const ModbusRequest& request) {
    if (request.slave != SlaveAddress)
        return {};
    switch (request.function) {
    case ReadHolding:
        return read(request);
    case WriteMultiple:
        return write(request);
    default:
        return exceptionReply(request.function, IllegalFunction);
    }
}

bool BmuDevice::isReady(qint64 since) const {
    return since >= 0 && clock.elapsed() - since >= readinessDelay;
}

bool BmuDevice::readRegister(quint16 address, quint16* value) const {
    if (overrides.contains(address)) {
        *value = overrides.value(address);
        return true;
    }
    if (RegisterModel::contains(address)) {
        *value = model.value(address);
        return true;
    }
    if (within(address, ExtendedWord, 3)) {
        *value = extendedWord[address - ExtendedWord];
        return true;
    }
    if (address == BmsSelector || address == HistorySelector) {
        *value = address == BmsSelector ? bmsSelector : historySelector;
        return true;
    }
    if (address == BmsCommand) {
        const bool ready = bmsCommand == FetchCommand && bmsKnown && isReady(bmsFetchedAt);
        *value = ready ? Ready : bmsCommand;
        return true;
    }
    if (address == HistoryCommand) {
        const bool ready =
            historyCommand == FetchCommand && historyKnown && isReady(historyFetchedAt);
        *value = ready ? Ready : historyCommand;
        return true;
    }
    if (within(address, BmsPages, PagedBlock::Registers)) {
        *value = bmsPages.word(address - BmsPages);
        return true;
    }
    if (within(address, HistoryPages, PagedBlock::Registers)) {
        *value = historyPages.word(address - HistoryPages);
        return true;
    }
    for (const TransferArea& area : transferAreas) {
        if (within(address, area.header, ResultRegisters)) {
            *value = receiverAt(area.header)->resultRegisters()[address - area.header];
            return true;
        }
    }
    return false;
}

QByteArray BmuDevice::read(const ModbusRequest& request) {
    if (request.frame.size() != 8 || request.count < 1 || request.count > MaxReadCount)
        return exceptionReply(request.function, IllegalValue);
    quint16 value = 0;
    for (int i = 0; i < request.count; ++i) {
        if (request.address + i > 0xFFFF || !readRegister(quint16(request.address + i), &value))
            return exceptionReply(request.function, IllegalAddress);
    }
    // Side effects of a read, now that it is known to be answered.
    if (request.address == BmsPages)
        bmsPages.turn();
    if (request.address == HistoryPages)
        historyPages.turn();
    for (const TransferArea& area : transferAreas) {
        if (within(area.header + 2, request.address, request.count) &&
            receiverAt(area.header)->finish())
            applyCompletedTransfer(area.target);
    }

    QByteArray reply;
    reply.append(char(SlaveAddress));
    reply.append(char(ReadHolding));
    reply.append(char(request.count * 2));
    for (int i = 0; i < request.count; ++i) {
        readRegister(quint16(request.address + i), &value);
        reply.append(char(value >> 8));
        reply.append(char(value & 0xFF));
    }
    return withCrc(reply);
}

bool BmuDevice::isPacketStart(quint16 address) {
    return std::any_of(std::begin(transferAreas), std::end(transferAreas),
                       [address](const TransferArea& area) { return area.packets == address; });
}

bool BmuDevice::isWritable(quint16 address, int count) const {
    for (const TransferArea& area : transferAreas) {
        if (address == area.header)
            return count == TransferReceiver::HeaderRegisters;
        if (address == area.packets)
            return count >= 3 && count <= MaxPacketRegisters; // number and length at least
    }
    for (int i = 0; i < count; ++i) {
        const quint16 a = quint16(address + i);
        const bool writable = overrides.contains(a) || RegisterModel::isSetup(a) ||
                              within(a, ExtendedWord, 3) || a == BmsSelector || a == BmsCommand ||
                              a == HistorySelector || a == HistoryCommand;
        if (!writable)
            return false;
    }
    return true;
}

QByteArray BmuDevice::write(const ModbusRequest& request) {
    const int byteCount = request.data.size();
    // The last packet of an odd length carries one byte more than its registers.
    const bool countsAgree = byteCount == 2 * request.count ||
                             (isPacketStart(request.address) && byteCount == 2 * request.count + 1);
    if (request.count < 1 || request.count > MaxWriteCount || !countsAgree)
        return exceptionReply(request.function, IllegalValue);
    if (request.address + request.count - 1 > 0xFFFF || !isWritable(request.address, request.count))
        return exceptionReply(request.function, IllegalAddress);

    QVector<quint16> values;
    for (int i = 0; i < request.count; ++i)
        values.append(wordBE(request.data, 2 * i));
    writeRegisters(request.address, values, request.data);

    QByteArray echo = request.frame.left(6);
    return withCrc(echo);
}

void BmuDevice::writeRegisters(quint16 address, const QVector<quint16>& values,
                               const QByteArray& data) {
    for (const TransferArea& area : transferAreas) {
        if (address == area.header) {
            receiverAt(address)->header(values);
            return;
        }
        if (address == area.packets) {
            receiverAt(area.header)->packet(data);
            return;
        }
    }
    bool setup = false;
    bool bmsFetch = false;
    bool historyFetch = false;
    for (int i = 0; i < values.size(); ++i) {
        const quint16 a = quint16(address + i);
        const quint16 v = values[i];
        if (overrides.contains(a))
            overrides[a] = v;
        if (RegisterModel::isSetup(a)) {
            model.setValue(a, v);
            setup = true;
        } else if (within(a, ExtendedWord, 3)) {
            extendedWord[a - ExtendedWord] = v;
            extendedPending = extendedWord == extendedReadWord;
        } else if (a == BmsSelector) {
            bmsSelector = v;
        } else if (a == BmsCommand) {
            bmsCommand = v;
            bmsFetch = v == FetchCommand;
        } else if (a == HistorySelector) {
            historySelector = v;
        } else if (a == HistoryCommand) {
            historyCommand = v;
            historyFetch = v == FetchCommand;
        }
    }
    if (setup)
        setupData.append(data);
    if (bmsFetch)
        fetchBmsInfo();
    if (historyFetch)
        fetchHistoryBlock();
}

void BmuDevice::fetchBmsInfo() {
    bmsFetchedAt = clock.elapsed();
    bmsKnown = bmsSelector >= 1 && bmsSelector <= profileData.bmsCount;
    if (!bmsKnown)
        return; // no such BMS answers the BMU: the ready value never comes
    const int firstCell = extendedPending ? BmsBlock::CellsPerBlock : 0;
    extendedPending = false;
    QByteArray block = bmsInfoBlock(profileData, state, bmsFw, bmsSelector, firstCell);
    const QMap<int, QByteArray> patches = bmsPatches.value(bmsSelector);
    for (auto it = patches.cbegin(); it != patches.cend(); ++it) {
        const QByteArray bytes = it.value().left(qMax(0, BmsBlock::Size - it.key()));
        if (it.key() >= 0 && it.key() < BmsBlock::Size)
            block.replace(it.key(), bytes.size(), bytes);
    }
    bmsPages.load(block);
}

void BmuDevice::fetchHistoryBlock() {
    const qint64 now = clock.elapsed();
    const bool paused = historyFetchedAt >= 0 && now - historyFetchedAt > historyRestartPause;
    historyFetchedAt = now;
    HistoryLog* log = logFor(historySelector);
    historyKnown = log != nullptr;
    if (!log)
        return;
    if (historySelector != lastHistorySelector || paused)
        log->rewind();
    lastHistorySelector = historySelector;
    historyPages.load(log->nextBlock());
}

TransferReceiver* BmuDevice::receiverAt(quint16 header) {
    return const_cast<TransferReceiver*>(std::as_const(*this).receiverAt(header));
}

const TransferReceiver* BmuDevice::receiverAt(quint16 header) const {
    if (header == BmuHeader)
        return &bmuTransfer;
    if (header == BmsHeader)
        return &bmsTransfer;
    return &tableTransfer;
}

void BmuDevice::applyCompletedTransfer(TransferTarget target) {
    const QDateTime now = QDateTime::currentDateTime();
    auto prepend = [](HistoryLog& log, const QVector<QByteArray>& newestFirst) {
        for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it)
            log.prepend(*it);
    };
    switch (target) {
    case TransferTarget::BmuFirmware: {
        // The BMU writes the image into its other section and starts from there.
        const FirmwareVersion version = FirmwareVersion::fromWord(bmuTransfer.headerWord(0));
        const Section section = bmuTransfer.headerWord(1) ? SectionB : SectionA;
        model.setBmuVersion(section, version);
        model.setBmuRunning(section);
        prepend(logs[0],
                bmuUpdateRecords(profileData, UpdateKind::BmuFirmware, section, version, now));
        break;
    }
    case TransferTarget::BmsFirmware: {
        // The BMU passes the image on to every BMS, which then runs it.
        const FirmwareVersion version = FirmwareVersion::fromWord(bmsTransfer.headerWord(0));
        const Section section = bmsTransfer.headerWord(1) ? SectionB : SectionA;
        const FirmwareVersion before = bmsFw.runningVersion();
        (section == SectionB ? bmsFw.b : bmsFw.a) = version;
        bmsFw.running = section;
        model.setBmsFirmware(version, section);
        prepend(logs[0],
                bmuUpdateRecords(profileData, UpdateKind::BmsFirmware, section, version, now));
        for (int bms = 1; bms < logs.size(); ++bms)
            prepend(logs[bms], bmsUpdateRecords(profileData, section, before, version, now));
        break;
    }
    case TransferTarget::ParameterTable: {
        // Header: +0 battery type code, +1 the table's version.
        const quint16 version = tableTransfer.headerWord(1);
        model.setValue(BmuRegister::TableVersion, version);
        prepend(logs[0], bmuUpdateRecords(profileData, UpdateKind::ParameterTable, SectionA,
                                          FirmwareVersion::fromWord(version), now));
        break;
    }
    }
}

QByteArray BmuDevice::receivedImage(TransferTarget target) const {
    for (const TransferArea& area : transferAreas) {
        if (area.target == target)
            return receiverAt(area.header)->image();
    }
    return {};
}

int BmuDevice::packetsReceived(TransferTarget target) const {
    for (const TransferArea& area : transferAreas) {
        if (area.target == target)
            return receiverAt(area.header)->packetsTaken();
    }
    return 0;
}
