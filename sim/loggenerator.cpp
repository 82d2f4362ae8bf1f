#include "sim/loggenerator.h"

#include "sim/historylog.h"

#include <QRandomGenerator>
#include <QtMath>
#include <functional>

namespace {

// The 23 data bytes of a record, with words in the byte order of the unit.
class RecordData {
public:
    explicit RecordData(bool bigEndian)
        : bytes(HistoryRecord::DataSize, '\0')
        , bigEndian(bigEndian) {}
    RecordData& byte(int i, int value) {
        bytes[i] = char(value & 0xFF);
        return *this;
    }
    RecordData& word(int i, int value) {
        byte(bigEndian ? i : i + 1, value >> 8);
        return byte(bigEndian ? i + 1 : i, value);
    }
    RecordData& dword(int i, quint32 value) // big-endian only (HV running time)
    {
        word(i, int(value >> 16));
        return word(i + 2, int(value & 0xFFFF));
    }
    QByteArray bytes;

private:
    bool bigEndian;
};

// Measurements at one moment of the simulated past.
struct Snapshot {
    int soc = 0;
    int soh = 0;
    double current = 0; // A, positive discharging
    int cellMax = 0;    // mV
    int cellMin = 0;
    int tempMax = 0; // °C
    int tempMin = 0;
    int envMin = 0;
    int envMax = 0;
    int cells = 0; // cells in series behind the measured voltage

    int decivolts() const { return (cellMax + cellMin) / 2 * cells / 100; }
};

// A day of the system's life: charged by the panels in the late morning, discharged
// into the house in the evening.
double socAtHour(double hour) {
    if (hour < 8)
        return 30 - hour * 1.2;
    if (hour < 13)
        return 20 + (hour - 8) * 15;
    if (hour < 17)
        return 95;
    if (hour < 23)
        return 95 - (hour - 17) * 10;
    return 35 - (hour - 23) * 5;
}

double currentAtHour(double hour, double maxCurrent) {
    if (hour >= 8 && hour < 13)
        return -0.8 * maxCurrent;
    if (hour >= 17 && hour < 23)
        return 0.6 * maxCurrent;
    return 0;
}

int cellMillivolts(double soc) {
    return qRound(soc < 10 ? 3000 + soc * 18 : 3180 + (soc - 10) * 1.9);
}

// Writes records in time order and hands them out newest first.
class LogWriter {
public:
    LogWriter(const SystemProfile& profile, quint32 seed, const QDateTime& newest, int days)
        : profile(profile)
        , random(seed)
        , newest(newest)
        , firstDay(newest.date().addDays(-days + 1)) {}

    // Sets the clock to the given time of day, plus up to a few minutes of jitter.
    void at(int day, int hour, int minute) {
        clock = QDateTime(firstDay.addDays(day), QTime(hour, minute), newest.timeSpec());
        clock = clock.addSecs(random.bounded(240));
    }
    void later(int minSeconds, int maxSeconds) {
        clock = clock.addSecs(minSeconds + random.bounded(maxSeconds - minSeconds + 1));
    }
    void add(quint8 code, const QByteArray& data) {
        if (clock <= newest)
            records.append(HistoryRecord::make(code, clock, data));
    }
    int pick(int lowest, int highest) { return random.bounded(lowest, highest + 1); }

    Snapshot snapshot(int cellsInSeries) {
        const double hour = clock.time().hour() + clock.time().minute() / 60.0;
        Snapshot s;
        s.soc = qBound(5, qRound(socAtHour(hour)) + pick(-2, 2), 100);
        s.soh = 98 - pick(0, 1);
        s.current = currentAtHour(hour, profile.maxCurrent) + pick(-10, 10) / 10.0;
        const int mid = cellMillivolts(s.soc) - qRound(s.current * 0.6);
        s.cellMax = mid + pick(3, 9);
        s.cellMin = mid - pick(3, 9);
        const int warm = s.current != 0.0 ? 5 : 1;
        s.envMin = 17 + pick(0, 3);
        s.envMax = s.envMin + pick(2, 6);
        s.tempMin = s.envMin + warm;
        s.tempMax = s.tempMin + pick(1, 4);
        s.cells = cellsInSeries;
        return s;
    }

    QVector<QByteArray> newestFirst() const {
        return QVector<QByteArray>(records.rbegin(), records.rend());
    }

    const SystemProfile& profile;
    QRandomGenerator random;
    QDateTime newest;
    QDate firstDay;
    QDateTime clock;
    QVector<QByteArray> records;
};

// ---- BMU records ----------------------------------------------------------------

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
        const quint8 unit = 'U';
        const quint8 bmsUnit = 'S';
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
        groups << [this, bms, unit, bmsUnit] {
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
        groups << [this, bms, unit] {
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
        groups << [this, table, unit] {
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

// ---- BMS records ----------------------------------------------------------------

class BmsRecords {
public:
    BmsRecords(LogWriter& log, int bms)
        : log(log)
        , p(log.profile)
        , bms(bms) {}

    // Every BMS writes little-endian words.
    static RecordData data() { return RecordData(false); }

    // The measurement layout shared by most BMS codes.
    RecordData snapshot(int w1 = 0, int w2 = 0, int w3 = 0, int fault = 0) {
        const Snapshot s = log.snapshot(p.cellsPerBms());
        RecordData d = data();
        d.word(0, w1).word(2, w2).word(4, w3).word(6, fault);
        // Relay and air switch closed, charge and discharge switches as the current flows.
        int switches = 0x18;
        switches |= s.current <= 0 ? 0x01 : 0;
        switches |= s.current >= 0 ? 0x02 : 0;
        d.byte(8, switches).byte(9, s.soc).byte(10, s.soh).word(11, s.decivolts());
        d.word(13, s.decivolts() - 2).word(15, qRound(s.current / p.bmsCount * 10));
        d.word(17, s.cellMax).word(19, s.cellMin).byte(21, s.tempMax).byte(22, s.tempMin);
        return d;
    }

    void add(quint8 code, const RecordData& d) { log.add(code, d.bytes); }

    void powerOn() {
        const FirmwareVersion v = p.bmsRunning == SectionB ? p.bmsB : p.bmsA;
        add(0, data().byte(2, p.bmsRunning).byte(4, v.sub).byte(5, v.main));
    }

    void powerOff() {
        const FirmwareVersion v = p.bmsRunning == SectionB ? p.bmsB : p.bmsA;
        // Reason by family: byte 0 for low-voltage units, byte 1 for high-voltage towers.
        add(1, data().byte(0, 0).byte(1, 2).byte(2, p.bmsRunning).byte(4, v.sub).byte(5, v.main));
    }

    void balancing(quint8 code) {
        const Snapshot s = log.snapshot(p.cellsPerBms());
        RecordData d = data();
        if (p.highVoltage)
            d.word(21, s.cellMin);
        else
            d.word(0, s.cellMax).word(2, s.cellMin);
        add(code, d);
    }

    void update(quint8 code, FirmwareVersion before, FirmwareVersion after, Section target) {
        RecordData d = data();
        if (p.highVoltage)
            d.byte(0, target)
                .byte(1, before.sub)
                .byte(2, before.main)
                .byte(3, after.sub)
                .byte(4, after.main);
        else
            d.byte(0, target == SectionA ? 0xAA : 0xBB).byte(2, after.sub).byte(3, after.main);
        add(code, d);
    }

    QVector<std::function<void()>> rareGroups() {
        const FirmwareVersion older = p.bmsB;
        const FirmwareVersion running = p.bmsA;
        QVector<std::function<void()>> groups;
        groups << [this] {
            powerOff();
            log.later(600, 3600);
            powerOn();
            log.later(2, 6);
            add(19, snapshot());
            log.later(1, 3);
            add(13, snapshot());
            log.later(1, 2);
            add(14, snapshot());
        };
        groups << [this] { add(8, snapshot().byte(10, 100)); };
        groups << [this] {
            add(16, snapshot());
            log.later(600, 1800);
            add(9, snapshot().byte(10, 100));
            log.later(600, 1800);
            add(10, snapshot().byte(10, 100));
        };
        groups << [this] {
            add(11, snapshot(0, 0, 0, 0x0004));
            log.later(10, 60);
            add(12, snapshot());
        };
        groups << [this] {
            add(13, snapshot());
            log.later(2, 5);
            add(15, snapshot(0, 0, 0, 0x0200));
        };
        groups << [this] {
            add(20, data().word(0, 0x0002).word(2, 0x0001).byte(9, 3).byte(10, 2));
            log.later(1, 2);
            add(21, snapshot(0, 0, 0, 0x1000)
                        .byte(15, 2)
                        .byte(17, 5)
                        .byte(18, 12)
                        .byte(19, 40)
                        .byte(20, 77)
                        .byte(21, 3));
        };
        groups << [this, older, running] {
            update(101, older, running, SectionA);
            log.later(600, 900);
            update(102, older, running, SectionA);
        };
        groups << [this, older, running] { update(103, older, running, SectionB); };
        groups << [this, older, running] { update(104, older, running, SectionA); };
        groups << [this] { add(105, data().byte(0, p.bmsTableA.main).byte(2, p.bmsTableA.sub)); };
        groups << [this] { add(106, data()); };
        groups << [this] {
            RecordData d = data().byte(0, 28).byte(1, 22);
            for (int i = 0; i < 4; ++i)
                d.word(2 + 2 * i, 50 * (i + 1));
            d.word(10, 60);
            add(107, d);
        };
        groups << [this] { add(108, data().byte(0, 52).byte(1, 51)); };
        groups << [this] { add(109, data().byte(0, 52).byte(1, 24)); };
        groups << [this] { add(110, data().byte(0, 64).byte(1, 98)); };
        groups << [this] { add(111, data()); };
        return groups;
    }

    LogWriter& log;
    const SystemProfile& p;
    int bms;
};

// Warning and fault words that come and go on a BMS, as (level 2, level 3, fault).
struct BmsEvent {
    int level2, level3, fault;
};
constexpr BmsEvent bmsEvents[] = {
    {0x0010, 0x0000, 0x0000}, // cells imbalance
    {0x0020, 0x0020, 0x0000}, // charging at a high cell temperature, both levels
    {0x0000, 0x0000, 0x0002}, // temperature sensor failure
    {0x1001, 0x0001, 0x8000}, // over voltage, short circuit, functional safety
    {0x0200, 0x0000, 0x0000}, // charging over current
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
constexpr int BmsDays = 18;

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

QVector<QByteArray> generateBmsLog(const SystemProfile& profile, int bms, quint32 seed,
                                   const QDateTime& newest) {
    LogWriter log(profile, seed + quint32(bms) * 7919, newest, BmsDays);
    BmsRecords unit(log, bms);
    const auto rare = unit.rareGroups();
    for (int day = 0; day < BmsDays; ++day) {
        if (day > 0) {
            log.at(day, 1, 0);
            unit.add(3, unit.snapshot());
        }
        log.at(day, 4, 0);
        if (day == 0)
            unit.powerOn();
        else if (day - 1 < rare.size())
            rare[day - 1]();
        log.at(day, 8, 10);
        unit.add(4, unit.snapshot());
        log.at(day, 9, 0);
        unit.add(3, unit.snapshot());
        log.at(day, 13, 5);
        unit.add(5, unit.snapshot());
        if (day % 2 == 0) {
            log.at(day, 14, 0);
            unit.balancing(17);
            log.later(1800, 3600);
            unit.balancing(18);
        }
        if (day % 3 == bms % 3) {
            const BmsEvent& e = bmsEvents[(day / 3 + bms) % 5];
            log.at(day, 15, 30);
            unit.add(2, unit.snapshot(0, e.level2, e.level3, e.fault));
            log.later(300, 1500);
            unit.add(2, unit.snapshot());
        }
        log.at(day, 17, 0);
        unit.add(3, unit.snapshot());
        log.at(day, 17, 10);
        unit.add(6, unit.snapshot());
        log.at(day, 23, 5);
        unit.add(7, unit.snapshot());
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

QVector<QByteArray> bmsUpdateRecords(const SystemProfile& profile, Section section,
                                     FirmwareVersion before, FirmwareVersion after,
                                     const QDateTime& when) {
    LogWriter log(profile, 0, when.addSecs(3600), 1);
    BmsRecords unit(log, 1);
    log.clock = when;
    unit.update(101, before, after, section);
    log.clock = when.addSecs(1);
    unit.update(102, before, after, section);
    log.clock = when.addSecs(2);
    unit.update(104, before, after, section);
    return log.newestFirst();
}
