#include "sim/loggenerator.h"

#include "sim/historylog.h"
#include "sim/logwriter.h"

#include <functional>

namespace {

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

constexpr int BmsDays = 18;

} // namespace

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
