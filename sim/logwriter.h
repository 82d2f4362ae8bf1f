#pragma once

#include "sim/historylog.h"
#include "sim/systemprofile.h"

#include <QByteArray>
#include <QDateTime>
#include <QRandomGenerator>
#include <QVector>

// Building blocks of the generated logs: the data bytes of one record, the measurements
// of a moment of the simulated past, and the writer that stamps records in time order.

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
    // A record at the clock time; records after the newest moment are left out.
    void add(quint8 code, const QByteArray& data);
    int pick(int lowest, int highest) { return random.bounded(lowest, highest + 1); }

    // Measurements for the moment on the clock, following the day of the system.
    Snapshot snapshot(int cellsInSeries);

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
