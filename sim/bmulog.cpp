#include "sim/loggenerator.h"

#include "sim/historylog.h"
#include "sim/logwriter.h"

#include <functional>

namespace {

// High-voltage system states.
enum HvState {
    Standby = 0,
    Inactive = 1,
    Active = 3,
    Fault = 4,
    Updating = 5,
    Precharge = 7,
    BattCheck = 8,
    AssignAddr = 9,
    LoadParam = 10,
    Init = 11
};

class BmuRecords {
public:
    explicit BmuRecords(LogWriter& log)
        : log(log)
        , p(log.profile)
        , hv(p.highVoltage) {}

    RecordData data() const { return RecordData(hv); }

    // The measurement record: timing log (118), and on LV systems also events (2),
    // BMS disconnection (112) and address registration failures (116).
    void snapshotRecord(quint8 code, int state, int w1 = 0, int w2 = 0, int w3 = 0) {
        const Snapshot s = log.snapshot(p.cellsPerBms());
        RecordData d = data();
        if (hv) {
            d.byte(0, state).byte(1, s.envMin).byte(2, s.envMax).byte(3, s.soc).byte(4, s.soh);
            d.byte(5, s.tempMax).word(6, s.decivolts()).word(8, s.cellMax).word(10, s.cellMin);
            d.word(12, s.tempMax).word(14, s.tempMin).word(16, w1).word(18, w2).word(20, w3);
        } else {
            d.byte(0, state).byte(1, s.envMin).byte(2, s.envMax).byte(3, s.soc).byte(4, s.soh);
            d.word(5, qRound(s.current * 10)).word(7, s.decivolts()).word(9, s.cellMax);
            d.word(11, s.cellMin).byte(13, s.tempMax).byte(14, s.tempMin);
            d.word(15, w1).word(17, w2).word(19, w3).word(21, s.decivolts() - 2);
        }
        log.add(code, d.bytes);
    }

    void timing() { snapshotRecord(118, hv ? Active : 4 /* BMU_POLICY */); }

    // Code 2: a warning or fault appears (and later disappears).
    void event(bool appear, int faultCode, int warningWord) {
        if (!hv) {
            snapshotRecord(2, 4 /* BMU_POLICY */, appear ? warningWord : 0);
            return;
        }
        const Snapshot s = log.snapshot(p.cellsPerBms());
        RecordData d = data();
        d.byte(0, appear ? 1 : 0).byte(1, faultCode).word(2, appear ? warningWord : 0);
        d.word(4, s.cellMax).word(6, s.cellMin).byte(8, s.tempMax).byte(9, s.tempMin);
        d.word(10, s.decivolts()).byte(12, s.soc).byte(13, s.soh);
        log.add(2, d.bytes);
    }

    // Codes 4..7: the BMU notes the measurements when the direction changes.
    void direction(quint8 code) {
        const Snapshot s = log.snapshot(p.cellsPerBms());
        RecordData d = data();
        d.byte(0, s.soc).word(1, s.decivolts()).word(3, qRound(s.current * 10));
        log.add(code, d.bytes);
    }

    void stateChange(int from, int to) { log.add(32, data().byte(0, to).byte(1, from).bytes); }

    void powerOn() {
        const FirmwareVersion v = p.bmuRunning == SectionB ? p.bmuB : p.bmuA;
        if (hv)
            log.add(0,
                    data().byte(0, 1).byte(1, p.bmuRunning).byte(2, v.main).byte(3, v.sub).bytes);
        else
            log.add(0, data().byte(0, v.main).byte(1, v.sub).bytes);
        if (hv) {
            const int chain[] = {Init, LoadParam, AssignAddr, BattCheck, Precharge, Active};
            int from = Standby;
            for (int to : chain) {
                log.later(1, 4);
                stateChange(from, to);
                from = to;
            }
        }
    }

    void powerOff(int reason) { log.add(1, data().byte(0, reason).bytes); }

    void functionalSafety(int day) {
        const Snapshot s = log.snapshot(p.cellsPerBms());
        RecordData d = data();
        d.dword(0, quint32(day * 86400 + 72000)).byte(4, p.cellsPerBms());
        d.byte(5, p.temperaturesPerBms()).word(6, s.cellMax).word(8, s.cellMin);
        d.byte(10, s.tempMax).byte(11, s.tempMin).word(12, qRound(s.current * 10) & 0xFFFF);
        d.word(14, s.decivolts() - 3).word(16, s.decivolts()).byte(18, 1 + day % p.bmsCount);
        d.byte(19, p.batteryTypeCode).byte(20, p.modulesPerBms).word(21, 0);
        log.add(36, d.bytes);
    }

    void sop() {
        const Snapshot s = log.snapshot(p.cellsPerBms());
        const int cells = p.cellsPerBms();
        RecordData d = data();
        d.word(0, qRound(p.maxCurrent * 10)).word(2, qRound(p.maxCurrent * 10));
        d.word(4, cells * 36).word(6, cells * 28).byte(8, Active).byte(9, s.tempMax);
        d.byte(10, p.inverterCode).byte(11, p.bmsCount);
        log.add(38, d.bytes);
    }

    // The occasional events, one group per day.
    QVector<std::function<void()>> rareGroups() {
        const FirmwareVersion bms = p.bmsA;
        const FirmwareVersion table = p.table;
        constexpr quint8 unit = 'U';
        constexpr quint8 bmsUnit = 'S';
        QVector<std::function<void()>> groups;
        groups << [this] {
            powerOff(1);
            log.later(600, 3600);
            powerOn();
        };
        groups << [this] {
            powerOff(hv ? 4 : 3);
            log.later(60, 300);
            log.add(113, {});
            log.later(5, 20);
            powerOn();
        };
        groups << [this] {
            log.add(114, {});
            log.later(3, 10);
            powerOn();
        };
        groups << [this] {
            log.add(115, {});
            log.later(1, 3);
            event(true, 18, 0);
            if (hv)
                stateChange(Precharge, Fault);
            log.later(30, 90);
            event(false, 18, 0);
        };
        groups << [this] {
            if (hv)
                log.add(116, data().byte(0, 4).bytes);
            else
                snapshotRecord(116, 2);
        };
        groups << [this] {
            if (hv)
                log.add(112, {});
            else
                snapshotRecord(112, 4);
            log.later(20, 120);
            event(true, 21, 0);
            log.later(60, 300);
            event(false, 21, 0);
        };
        groups << [this] { log.add(117, {}); };
        groups << [this] { log.add(111, data().byte(0, 1).bytes); };
        groups << [this] { log.add(106, {}); };
        groups << [this, bms] {
            // The BMU hands a BMS image to the towers.
            if (hv) {
                log.add(33, data().byte(0, SectionB).byte(1, bms.main).byte(2, bms.sub - 1).bytes);
                log.later(5, 20);
                log.add(101, data().byte(0, SectionB).byte(1, bms.main).byte(2, bms.sub).bytes);
            } else {
                log.add(101, data()
                                 .byte(0, bmsUnit)
                                 .byte(1, SectionB)
                                 .byte(2, bms.main)
                                 .byte(3, bms.sub)
                                 .bytes);
            }
            log.later(600, 900);
            log.add(102, data().byte(0, bmsUnit).bytes);
        };
        groups << [this, bms] {
            if (hv)
                log.add(101, data().byte(0, SectionA).byte(1, bms.main).byte(2, bms.sub).bytes);
            else
                log.add(101, data()
                                 .byte(0, unit)
                                 .byte(1, SectionA)
                                 .byte(2, bms.main)
                                 .byte(3, bms.sub)
                                 .bytes);
            log.later(300, 600);
            log.add(103, data().byte(0, hv ? 0 : unit).byte(1, SectionA).bytes);
            if (hv)
                event(true, 20, 0);
        };
        groups << [this] {
            const FirmwareVersion bmu = p.bmuRunning == SectionB ? p.bmuB : p.bmuA;
            log.add(104, data().byte(0, p.bmuRunning).byte(1, bmu.main).byte(2, bmu.sub).bytes);
        };
        groups << [this, table] {
            if (hv)
                log.add(105, data().byte(0, 0).byte(1, table.main).byte(2, table.sub).bytes);
            else
                log.add(
                    105,
                    data().byte(0, unit).byte(1, table.main).byte(2, table.sub).byte(3, 1).bytes);
            log.later(60, 120);
            log.add(120, data().byte(0, unit).byte(1, table.main).byte(2, table.sub).bytes);
        };
        if (hv) {
            groups << [this] { log.add(39, data().byte(0, 2).bytes); };
        }
        return groups;
    }

    LogWriter& log;
    const SystemProfile& p;
    bool hv;
};

// High-voltage BMU fault codes with the warning word they come with.
struct BmuEvent {
    int faultCode, warningWord;
};
constexpr BmuEvent bmuEvents[] = {
    {23, 0x4000}, // BMS warning, cells imbalance
    {8, 0x0100},  // cell charging temperature too high
    {14, 0x4000}, // battery imbalance
    {11, 0x0800}, // charging over current
    {24, 0x1000}, // air switch abnormal, main circuit
};

constexpr int BmuDays = 18;

} // namespace

QVector<QByteArray> generateBmuLog(const SystemProfile& profile, quint32 seed,
                                   const QDateTime& newest) {
    LogWriter log(profile, seed, newest, BmuDays);
    BmuRecords bmu(log);
    const auto rare = bmu.rareGroups();
    // Records are written in time order, each day from midnight on.
    for (int day = 0; day < BmuDays; ++day) {
        if (day > 0) {
            log.at(day, 0, 5);
            bmu.timing();
        }
        log.at(day, 3, 0);
        if (day == 0)
            bmu.powerOn(); // commissioning
        else if (day - 1 < rare.size())
            rare[day - 1]();
        log.at(day, 6, 5);
        bmu.timing();
        log.at(day, 8, 10);
        bmu.direction(4);
        log.at(day, 12, 5);
        bmu.timing();
        if (profile.highVoltage) {
            log.at(day, 12, 30);
            bmu.sop();
        }
        log.at(day, 13, 5);
        bmu.direction(5);
        if (day % 3 == 1) {
            const BmuEvent& e = bmuEvents[(day / 3) % 5];
            log.at(day, 15, 20);
            bmu.event(true, e.faultCode, e.warningWord);
            log.later(300, 1200);
            bmu.event(false, e.faultCode, e.warningWord);
        }
        log.at(day, 17, 10);
        bmu.direction(6);
        log.at(day, 18, 5);
        bmu.timing();
        if (profile.highVoltage) {
            log.at(day, 20, 0);
            bmu.functionalSafety(day);
        }
        log.at(day, 23, 5);
        bmu.direction(7);
    }
    return log.newestFirst();
}

QVector<QByteArray> bmuUpdateRecords(const SystemProfile& profile, UpdateKind kind, Section section,
                                     FirmwareVersion version, const QDateTime& when) {
    const bool hv = profile.highVoltage;
    auto data = [hv] { return RecordData(hv); };
    QVector<QByteArray> records; // oldest first, reversed at the end
    switch (kind) {
    case UpdateKind::BmuFirmware:
        records << HistoryRecord::make(102, when, data().byte(0, 'U').bytes);
        records << HistoryRecord::make(
            104, when.addSecs(2),
            data().byte(0, section).byte(1, version.main).byte(2, version.sub).bytes);
        break;
    case UpdateKind::BmsFirmware:
        if (hv)
            records << HistoryRecord::make(
                101, when,
                data().byte(0, section).byte(1, version.main).byte(2, version.sub).bytes);
        else
            records << HistoryRecord::make(101, when,
                                           data()
                                               .byte(0, 'S')
                                               .byte(1, section)
                                               .byte(2, version.main)
                                               .byte(3, version.sub)
                                               .bytes);
        records << HistoryRecord::make(102, when.addSecs(1), data().byte(0, 'S').bytes);
        break;
    case UpdateKind::ParameterTable:
        if (hv)
            records << HistoryRecord::make(
                105, when, data().byte(0, 0).byte(1, version.main).byte(2, version.sub).bytes);
        else
            records << HistoryRecord::make(
                105, when,
                data().byte(0, 'U').byte(1, version.main).byte(2, version.sub).byte(3, 1).bytes);
        records << HistoryRecord::make(
            120, when.addSecs(1),
            data().byte(0, 'U').byte(1, version.main).byte(2, version.sub).bytes);
        break;
    }
    return QVector<QByteArray>(records.rbegin(), records.rend());
}
