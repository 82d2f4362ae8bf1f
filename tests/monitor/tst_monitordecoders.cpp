// The status block assembled from the two status replies and decoded into the Overview
// texts and the warning lines; the BMS information block gathered from its pages and
// decoded into the information and cell tables and the cell chart's figures and geometry.

#include "link/crc.h"
#include "monitor/bmsinfodecoder.h"
#include "monitor/bmstables.h"
#include "monitor/bmuwarnings.h"
#include "monitor/cellchartdata.h"
#include "monitor/overviewdecoder.h"
#include "monitor/statusblock.h"

#include <QtTest>

using Lines = QVector<WarningLine>;
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(CellTableShape)

namespace {

// Reply frame of a 0x03 read carrying these register bytes, with its CRC (low byte first).
QByteArray readReply(const QByteArray& registerBytes) {
    QByteArray frame = QByteArray::fromHex("0103") + char(registerBytes.size()) + registerBytes;
    const quint16 crc = modbusCrc16(frame);
    return frame + char(crc & 0xFF) + char(crc >> 8);
}

// A read reply of `size` register bytes numbered from `first`, so that misplaced bytes show.
QByteArray numberedReply(int size, int first) {
    QByteArray regs(size, '\0');
    for (int i = 0; i < size; ++i)
        regs[i] = char(first + i);
    return readReply(regs);
}

// The values of a BMS block whose first `cells` cells read 3300 mV and the rest 0 mV, as a
// BMS serves a tower with fewer modules than its block holds; `marks` set single cells
// (1-based).
QStringList cellValues(int cells, const QVector<QPair<int, int>>& marks = {}) {
    QByteArray block(BmsInfo::BlockSize, '\0');
    auto put = [&](int cell, int mv) {
        block[96 + 2 * (cell - 1)] = char(mv >> 8);
        block[97 + 2 * (cell - 1)] = char(mv & 0xFF);
    };
    for (int cell = 1; cell <= cells; ++cell)
        put(cell, 3300);
    for (const auto& mark : marks)
        put(mark.first, mark.second);
    for (int sensor = 0; sensor < BmsInfo::TemperatureCount; ++sensor)
        block[354 + sensor] = char(20 + sensor % 7);
    return decodeBmsInfo(block).values;
}

// The Overview texts of a status block of zeros after the serial, with `hex` at `offset`.
OverviewTexts overviewWith(const QString& serial, int offset, const char* hex) {
    QByteArray block = ("\x01\x03\xCC" + serial.toLatin1()).leftJustified(StatusBlock::Size, '\0');
    const QByteArray value = QByteArray::fromHex(hex);
    return decodeOverview(block.replace(offset, value.size(), value));
}

// The texts of a BMS block of zeros with `hex` at `offset`.
BmsInfoTexts bmsWith(int offset, const char* hex) {
    const QByteArray value = QByteArray(offset, '\0') + QByteArray::fromHex(hex);
    return decodeBmsInfo(value.leftJustified(BmsInfo::BlockSize, '\0'));
}

} // namespace

class TestMonitorDecoders : public QObject {
    Q_OBJECT

private slots:
    // Replies of registers 0x0000..0x0065 and 0x0500..0x0518 make one block only as a
    // pair of the right sizes; an empty entry stands for clear(), as a new refresh does.
    void statusRepliesMakeOneBlock_data() {
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<bool>("complete");
        const QByteArray first = numberedReply(204, 0), second = numberedReply(50, 0x80);
        QByteArray wrongCount = second;
        wrongCount[2] = char(0x30);
        QTest::newRow("first reply twice") << QList<QByteArray>{first, first} << false;
        QTest::newRow("first reply cut short")
            << QList<QByteArray>{first.left(208), second} << false;
        QTest::newRow("55 bytes, another byte count")
            << QList<QByteArray>{first, wrongCount} << false;
        QTest::newRow("clear forgets a first part")
            << QList<QByteArray>{first, {}, second} << false;
        QTest::newRow("in order") << QList<QByteArray>{first, second} << true;
        QTest::newRow("late first reply lands first") << QList<QByteArray>{second, first} << true;
    }
    void statusRepliesMakeOneBlock() {
        QFETCH(QList<QByteArray>, replies);
        QFETCH(bool, complete);
        StatusBlock block;
        for (const QByteArray& reply : replies)
            reply.isEmpty() ? block.clear() : void(block.take(reply));
        QCOMPARE(block.isComplete(), complete);
        if (!complete)
            return;
        const QByteArray bytes = block.bytes();
        QCOMPARE(quint8(bytes[50]), quint8(203));  // register 0x0065 lo: the first reply's last
        QCOMPARE(quint8(bytes[51]), quint8(0x80)); // register 0x0500 hi: the second's first
    }

    // Decoded texts of a status block or a BMS block holding these bytes among zeros.
    void fields_data() {
        QTest::addColumn<QStringList>("decoded");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const QStringList& decoded,
                            const QStringList& expected) {
            QTest::newRow(name) << decoded << expected;
        };
        // Towers, modules per tower, BMS entries. HV: two hex digits; LV: a decimal byte.
        const auto towers = [](const QString& serial, const char* hex) {
            const OverviewTexts t = overviewWith(serial, 36, hex);
            return QStringList{t.bmsCount, t.modulesPerTower, QString::number(t.bmsListSize())};
        };
        const auto current = [](const char* hex) {
            const OverviewTexts t = overviewWith("P03", 59, hex);
            return QStringList{t.current, t.chargeState};
        };
        const auto firmware = [](const char* hex) {
            const BmsInfoTexts t = bmsWith(60, hex);
            return QStringList{t.sectionA, t.sectionB, t.runningSection, t.firmware};
        };
        const QString hv = QStringLiteral("P030T020Z2008150001");
        row("serial cut at the first NUL", {overviewWith("P03AB", 8, "0041").serial}, {"P03AB"});
        row("BMU runs B", {overviewWith(hv, 27, "01050307000001").bmuVersion}, {"V3.7-B"});
        row("BMU area 2 counts as A", {overviewWith(hv, 27, "01050307000002").bmuVersion},
            {"V1.5-A"});
        row("BMS runs B", {overviewWith(hv, 31, "0C1F0001").bmsVersion}, {"V12.31-B"});
        row("inverter 19", {overviewWith(hv, 35, "13").inverterName}, {"SMA STP 5.0-10.0 SE HV"});
        row("inverter 20 unknown", {overviewWith(hv, 35, "14").inverterName}, {""});
        row("HV tower digit above 9: shown as a number, no BMS", towers(hv, "A3"),
            {"10", "3", "0"});
        row("HV module digit above 9: no BMS", towers(hv, "2F"), {"2", "15", "0"});
        row("E0P3 serial is HV", towers("E0P3X", "25"), {"2", "5", "2"});
        row("LV count decimal", towers("P021T0", "0C"), {"12", "", "12"});
        row("lower-case p03 is LV", towers("p03X", "25"), {"37", "", "37"});
        row("current zero", current("0000"), {"Current:0.0A", "DisCharging"});
        row("current 0xFFF6 charging", current("FFF6"), {"Current:1.0A", "Charging"});
        row("current 0x8000", current("8000"), {"Current:3276.8A", "Charging"});
        const OverviewTexts cold = overviewWith(hv, 63, "0019FFFB8000");
        row("temperatures below zero", {cold.maxCellTemp, cold.minCellTemp, cold.extraTemp},
            {"25℃", "-5℃", "-32768℃"});
        row("table version", {overviewWith(hv, 79, "020A").tableVersion}, {"V2.10"});
        // Current 0xFF9C (10.0 A charging) at 59, output 204.68 V at 83.
        row("power while charging is positive",
            {overviewWith(hv, 59, "FF9C000000000000000000000000000000000000000000004FF4").power},
            {"Power:2046.80W"});
        row("BMS lowest temp below zero", {bmsWith(8, "FFF60009").cellTempMin}, {"-10℃ (No.9)"});
        // Switches at 45, SOC 100.0 % at 48, current 0xFFF6 at 52.
        const BmsInfoTexts bms = bmsWith(45, "A5000003E80000FFF6");
        row("BMS switches, SOC 100, current 0xFFF6",
            {bms.switchState, bms.soc, QString::number(bms.socGauge), bms.current},
            {"10100101", "100.0%", "100", "Charging:-1.0A"});
        const BmsInfoTexts levels = bmsWith(54, "00018000A5A5");
        row("BMS warning levels", QStringList(levels.warningLevels, levels.warningLevels + 3),
            {"0000000000000001", "1000000000000000", "1010010110100101"});
        row("BMS firmware runs B", firmware("0502070301"), {"V2.5-A", "V3.7-B", "B", "V3.7-B"});
        row("BMS firmware area 2 is A", firmware("0502070302"),
            {"V2.5-A", "V3.7-B", "A", "V2.5-A"});
        const BmsInfoTexts tables = bmsWith(90, "0A0103028001");
        row("BMS threshold tables and fault codes",
            {tables.tableA, tables.tableB, tables.faultCodes[0], tables.faultCodes[1]},
            {"V1.10", "V2.3", "10000000", "00000001"});
        row("BMS temperature 64 unsigned", {bmsWith(417, "FB").values.at(211)}, {"251"});
    }
    void fields() {
        QFETCH(QStringList, decoded);
        QTEST(decoded, "expected");
    }

    // Offsets past the end of a truncated block read as zero; nothing reads outside a
    // block of any length.
    void blocksOfAnyLength() {
        const OverviewTexts t = decodeOverview(QByteArray::fromHex("0103CC50303330"));
        QCOMPARE(t.serial, QStringLiteral("P030"));
        QCOMPARE(t.power, QStringLiteral("Power:0.00W"));
        QCOMPARE(decodeOverview(QByteArray()).serial, QString());
        decodeOverview(QByteArray(1000, char(0xFF)));
        QCOMPARE(decodeBmsInfo(QByteArray(10, '\1')).values.size(), BmsInfo::ValueCount);
        decodeBmsInfo(QByteArray(1000, char(0xFF)));
        for (int page = 0; page <= 5; ++page) // a short page gives nothing
            QCOMPARE(bmsPageSlice(QByteArray::fromHex("0103820000"), page), QByteArray());
        QCOMPARE(bmsPageSlice(readReply(QByteArray(130, '\1')), 5), QByteArray());
    }

    // The pane's lines: the battery word first, then the system word from bit 15 down;
    // colours and texts by family.
    void warningLines_data() {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<Lines>("expected");
        const auto blue = [](const char* t) { return WarningLine{t, "blue"}; };
        const auto red = [](const char* t) { return WarningLine{t, "red"}; };
        const auto hv = BatteryFamily::HV, lv = BatteryFamily::LV;
        QTest::newRow("system bit 7 has no text: empty pane")
            << bmuWarningLines(hv, 0, 0x0080) << Lines{};
        QTest::newRow("HV bit 10 red")
            << bmuWarningLines(hv, 0, 0x0400) << Lines{red("Air switch abnormal;")};
        QTest::newRow("LV bit 10 blue")
            << bmuWarningLines(lv, 0, 0x0400) << Lines{blue("Low SOC;")};
        QTest::newRow("order") << bmuWarningLines(hv, 0x8001, 0x0301)
                               << Lines{blue("Warning:Battery Over Voltage;"),
                                        red("Alarm:Current Sensor Failed;"), blue("BMS updating;"),
                                        blue("BMU updating;"),
                                        blue("Address registration failed;")};
    }
    void warningLines() {
        QFETCH(Lines, lines);
        QTEST(lines, "expected");
    }

    // Level-3 warnings: the pane's texts from bit 0 up, the grid's bits from the digits.
    void bmsWarnings() {
        QCOMPARE(bmsWarningTexts(0x8001),
                 (QStringList{"Battery Over Voltage;", "Current Sensor Failure;"}));
        QVERIFY(bmsWarningTexts(0).isEmpty());
        QCOMPARE(setWarningBits("1000000000000001"), (QVector<int>{0, 15}));
        QCOMPARE(setWarningBits("11"), (QVector<int>{14, 15})); // missing digits count as 0
        QVERIFY(setWarningBits("").isEmpty());
    }

    // The QPA table only for the type text exactly "QPA"; every value of either pass lands
    // right of a numbered cell of the layout, never on one. Which cell goes where: tst_cli's
    // bms command against the simulator.
    void cellTables() {
        QCOMPARE(cellTableShapeFor("QPA"), CellTableShape::Qpa);
        QCOMPARE(cellTableShapeFor("ZRD"), CellTableShape::Lv);
        for (const char* other : {"QPB", "qpa", "QPA "})
            QCOMPARE(cellTableShapeFor(other), CellTableShape::Other);
        for (const auto shape : {CellTableShape::Qpa, CellTableShape::Lv, CellTableShape::Other}) {
            QHash<QPair<int, int>, QString> texts;
            for (const TableCell& cell : cellTableLayout(shape))
                texts.insert({cell.row, cell.column}, cell.text);
            for (const bool secondPass : {false, true}) {
                for (const ValuePlacement& p : cellValuePlacements(shape, secondPass)) {
                    QVERIFY(!texts.contains({p.row, p.column}));
                    QVERIFY(texts.value({p.row, p.column - 1}).startsWith("No."));
                }
            }
        }
    }

    // The cells and sensors a tower has, the figures of its voltages and where their bars
    // go: a cell of a missing module is never drawn as 0 mV, the extremes' bars reach the max
    // and min lines, bars stay inside the plot and modules are set apart.
    void cellChart_data() {
        QTest::addColumn<CellTableShape>("shape");
        QTest::addColumn<int>("modules");
        QTest::addColumn<QStringList>("firstPass");
        QTest::addColumn<QStringList>("secondPass");
        QTest::addColumn<QString>("figures"); // cells groups highest lowest spread mean sensors
        const auto qpa = CellTableShape::Qpa, other = CellTableShape::Other;
        QTest::newRow("QPB tower of 3 modules: the 0 mV of modules 4..8 left out")
            << other << 3 << cellValues(48, {{7, 3320}, {40, 3290}}) << QStringList()
            << "48 3 7 40 30 3300.21 24";
        QTest::newRow("first of equal extremes named")
            << other << 2 << cellValues(32, {{5, 3310}, {9, 3310}, {3, 3290}, {30, 3290}})
            << QStringList() << "32 2 5 3 20 3300.00 16";
        QTest::newRow("five QPA modules, both passes: cells 129..160 from the second")
            << qpa << 5 << cellValues(128, {{100, 3330}}) << cellValues(32, {{22, 3280}})
            << "160 5 100 150 50 3300.06 60";
        QTest::newRow("five QPA modules, second pass not yet read")
            << qpa << 5 << cellValues(128, {{100, 3330}}) << QStringList()
            << "128 4 100 1 30 3300.23 60";
        QTest::newRow("LV module") << CellTableShape::Lv << 0 << cellValues(16, {{16, 3000}})
                                   << QStringList() << "16 1 1 16 300 3281.25 8";
    }
    void cellChart() {
        QFETCH(CellTableShape, shape);
        QFETCH(int, modules);
        QFETCH(QStringList, firstPass);
        QFETCH(QStringList, secondPass);
        const TowerCells tower = towerCells(shape, modules, firstPass, secondPass);
        const ChartSeries& v = tower.voltages;
        QTEST(QString::asprintf("%d %d %d %d %d %.2f %d", v.count, int(v.groups.size()),
                                v.highestNumber, v.lowestNumber, v.spread(), v.mean,
                                tower.temperatures.count),
              "figures");
        QVERIFY(v.min > 0);
        const QRectF plot(50, 40, 1000, 300);
        const ChartGeometry g = chartGeometry(v, plot);
        QCOMPARE(g.bars.size(), v.count);
        QCOMPARE(g.groupCentres.size(), v.groups.size());
        QVERIFY(g.maxY < g.meanY && g.meanY < g.minY); // screen y grows downwards
        QCOMPARE(g.bars[v.highestNumber - 1].top(), g.maxY);
        QCOMPARE(g.bars[v.lowestNumber - 1].top(), g.minY);
        for (const QRectF& bar : g.bars) {
            QVERIFY(bar.height() > 0 && bar.bottom() <= plot.bottom() + 1e-9);
            QVERIFY(bar.left() >= plot.left() && bar.right() <= plot.right() + 1e-9);
            QVERIFY(bar.top() >= g.maxY - 1e-9 && bar.top() <= g.minY + 1e-9);
        }
        // Groups number the cells on through the tower; a module boundary leaves a wider gap
        // than two neighbouring cells, with the edge line in it.
        int next = 1;
        for (int i = 0; i < v.groups.size(); ++i) {
            QCOMPARE(v.groups[i].firstNumber, next);
            next += v.groups[i].values.size();
            if (i + 1 == v.groups.size())
                break;
            const QRectF &last = g.bars[next - 2], &first = g.bars[next - 1];
            QVERIFY(first.left() - last.left() > 1.5 * (g.bars[1].left() - g.bars[0].left()));
            QVERIFY(g.groupEdges[i] > last.right() && g.groupEdges[i] < first.left());
        }
        QVERIFY(chartGeometry(ChartSeries(), plot).bars.isEmpty());
        QVERIFY(chartGeometry(v, QRectF()).bars.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMonitorDecoders)
#include "tst_monitordecoders.moc"
