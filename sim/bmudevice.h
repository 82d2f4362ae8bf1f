#pragma once

#include "sim/batterystate.h"
#include "sim/bmsinfoblock.h"
#include "sim/historylog.h"
#include "sim/pagedblock.h"
#include "sim/registermodel.h"
#include "sim/requestparser.h"
#include "sim/systemprofile.h"
#include "sim/transfer.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QVector>

// Register addresses of the BMU's fetch, page and transfer blocks.
namespace BmuBlock {
constexpr quint16 ExtendedWord = 0x0100; // 3 registers: "MZQWK" and a zero byte
constexpr quint16 TableHeader = 0x0400;  // parameter table: header and result
constexpr quint16 TablePackets = 0x0407;
constexpr quint16 BmsSelector = 0x0550; // BMS number
constexpr quint16 BmsCommand = 0x0551;  // written 0x8100, reads 0x8801 when ready
constexpr quint16 BmsPages = 0x0558;
constexpr quint16 HistorySelector = 0x05A0; // 0 BMU, n BMS n
constexpr quint16 HistoryCommand = 0x05A1;
constexpr quint16 HistoryPages = 0x05A8;
constexpr quint16 BmuHeader = 0x05F0; // BMU firmware: header and result
constexpr quint16 BmuPackets = 0x05F7;
constexpr quint16 BmsHeader = 0x0640; // BMS firmware: header and result
constexpr quint16 BmsPacketsStart = 0x0647;
constexpr quint16 FetchCommand = 0x8100;
constexpr quint16 Ready = 0x8801;
constexpr int ResultRegisters = 9;
constexpr int MaxPacketRegisters = 67; // packet number, length, 128 bytes
} // namespace BmuBlock

enum class TransferTarget { BmuFirmware, BmsFirmware, ParameterTable };

// The BMU as a Modbus slave, without the socket: one request in, one reply out.
//
// Slave 1 answers function 0x03 (read holding registers) and 0x10 (write multiple
// registers). Another function gets exception 01, a register outside the map (or a
// read-only register in a write) exception 02, a malformed count exception 03. A
// request for another slave address gets no reply at all, as on a serial bus where
// that slave would answer; the broadcast address 0 is not acted on either.
class BmuDevice {
public:
    BmuDevice(SystemPreset preset, quint32 seed, const QDateTime& now);

    // The reply to one request; empty when the device stays silent.
    QByteArray handle(const ModbusRequest& request);

    // Moves the measured values on.
    void advance(double seconds);
    // Regenerates the cell spread, the walk of the values and the logs from a new seed;
    // logs end at now. Register overrides, replaced logs and received data stay.
    void reseed(quint32 seed, const QDateTime& now);

    // Time between a fetch command and the ready value, ms.
    void setReadinessDelay(int milliseconds) { readinessDelay = milliseconds; }
    // After this pause between history block requests the next one starts again at the
    // newest record, ms.
    void setHistoryRestartPause(int milliseconds) { historyRestartPause = milliseconds; }
    // A new client: history reads start again at the newest record.
    void restartHistory();

    // Overrides: reads of the register return the value, whatever the device computes;
    // a write from the link changes it. Unmapped addresses become mapped.
    void setRegister(quint16 address, quint16 value) { overrides[address] = value; }
    void clearRegister(quint16 address) { overrides.remove(address); }
    // Bytes written over the information block of BMS n (1-based) at the given offset.
    void setBmsBytes(int bms, int offset, const QByteArray& bytes);
    // Replaces a log: selector 0 the BMU, n BMS n. Records newest first.
    void setHistoryRecords(int selector, const QVector<QByteArray>& records);

    const SystemProfile& profile() const { return profileData; }
    const RegisterModel& registers() const { return model; }
    const BatteryState& battery() const { return state; }
    const BmsFirmware& bmsFirmware() const { return bmsFw; }
    const HistoryLog& historyLog(int selector) const;
    // The register value as a read returns it (0 when unmapped); no side effects.
    quint16 peekRegister(quint16 address) const;

    // What arrived from the link.
    const QVector<QByteArray>& setupWrites() const { return setupData; } // 6 bytes each
    QByteArray receivedImage(TransferTarget target) const;
    int packetsReceived(TransferTarget target) const;

private:
    QByteArray read(const ModbusRequest& request);
    QByteArray write(const ModbusRequest& request);
    bool readRegister(quint16 address, quint16* value) const;
    static bool isPacketStart(quint16 address);
    bool isWritable(quint16 address, int count) const;
    void writeRegisters(quint16 address, const QVector<quint16>& values, const QByteArray& data);
    void fetchBmsInfo();
    void fetchHistoryBlock();
    void applyCompletedTransfer(TransferTarget target);
    TransferReceiver* receiverAt(quint16 address);
    const TransferReceiver* receiverAt(quint16 address) const;
    HistoryLog* logFor(int selector);
    bool isReady(qint64 since) const;

    SystemProfile profileData;
    RegisterModel model;
    BatteryState state;
    BmsFirmware bmsFw;
    QElapsedTimer clock;
    int readinessDelay = 200;
    int historyRestartPause = 60000;

    QHash<quint16, quint16> overrides;
    QMap<int, QMap<int, QByteArray>> bmsPatches; // BMS -> offset -> bytes
    QMap<int, QVector<QByteArray>> replacedLogs;

    QVector<quint16> extendedWord = QVector<quint16>(3, 0);
    bool extendedPending = false;

    quint16 bmsSelector = 0;
    quint16 bmsCommand = 0;
    qint64 bmsFetchedAt = -1;
    bool bmsKnown = false;
    PagedBlock bmsPages;

    quint16 historySelector = 0;
    quint16 historyCommand = 0;
    qint64 historyFetchedAt = -1;
    int lastHistorySelector = -1;
    bool historyKnown = false;
    PagedBlock historyPages;
    QVector<HistoryLog> logs; // 0 BMU, n BMS n

    TransferReceiver bmuTransfer, bmsTransfer, tableTransfer;
    QVector<QByteArray> setupData;
};
