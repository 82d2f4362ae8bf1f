#include "sim/bmsinfoblock.h"

#include "sim/batterystate.h"

#include <QtMath>

namespace {

void putWord(QByteArray& block, int offset, int value) {
    block[offset] = char(value >> 8 & 0xFF);
    block[offset + 1] = char(value & 0xFF);
}

void putVersion(QByteArray& block, int offset, FirmwareVersion version) {
    block[offset] = char(version.sub);
    block[offset + 1] = char(version.main);
}

// 0-based index of the first cell (or sensor) holding the extreme value of the BMS.
template <typename Value> int extremeIndex(int count, Value value, bool highest) {
    int best = 0;
    for (int i = 1; i < count; ++i) {
        if (highest ? value(i) > value(best) : value(i) < value(best))
            best = i;
    }
    return best;
}

} // namespace

QByteArray bmsInfoBlock(const SystemProfile& profile, const BatteryState& state,
                        const BmsFirmware& firmware, int bms, int firstCell) {
    using namespace BmsBlock;
    QByteArray block(Size, '\0');
    const int cells = profile.cellsPerBms();
    const int sensors = profile.temperaturesPerBms();
    auto cellMv = [&](int i) { return state.cellMillivolts(bms, i); };
    auto sensorC = [&](int i) { return state.temperature(bms, i); };

    const int maxCell = extremeIndex(cells, cellMv, true);
    const int minCell = extremeIndex(cells, cellMv, false);
    putWord(block, MaxCell, cellMv(maxCell));
    putWord(block, MinCell, cellMv(minCell));
    block[MaxCellNumber] = char(maxCell + 1);
    block[MinCellNumber] = char(minCell + 1);
    const int maxSensor = extremeIndex(sensors, sensorC, true);
    const int minSensor = extremeIndex(sensors, sensorC, false);
    putWord(block, MaxTemperature, sensorC(maxSensor) & 0xFFFF);
    putWord(block, MinTemperature, sensorC(minSensor) & 0xFFFF);
    block[MaxSensorNumber] = char(maxSensor + 1);
    block[MinSensorNumber] = char(minSensor + 1);

    const int decivolts = qRound(state.bmsMillivolts(bms) / 100.0);
    putWord(block, TotalVoltage, decivolts);
    const double amps = state.bmsCurrent(bms);
    // Main relay and precharge relay closed, plus the charge or discharge switch.
    block[SwitchState] = char(amps < 0 ? 0x0B : 0x07);
    putWord(block, PackVoltage, qMax(0, decivolts - 3));
    putWord(block, Soc, qRound(state.bmsSoc(bms) * 10));
    putWord(block, Current, qRound(amps * 10) & 0xFFFF);

    putVersion(block, SectionAVersion, firmware.a);
    putVersion(block, SectionBVersion, firmware.b);
    block[RunningSection] = char(firmware.running);
    const QByteArray serial = profile.bmsSerial(bms).left(19);
    block.replace(Serial, serial.size(), serial);
    putVersion(block, TableAVersion, profile.bmsTableA);
    putVersion(block, TableBVersion, profile.bmsTableB);

    for (int place = 0; place < CellsPerBlock; ++place) {
        const int cell = firstCell + place;
        if (cell < cells)
            putWord(block, Cells + 2 * place, cellMv(cell));
    }
    for (int sensor = 0; sensor < qMin(sensors, TemperaturesPerBlock); ++sensor)
        block[Temperatures + sensor] = char(qBound(0, sensorC(sensor), 255));
    return block;
}
