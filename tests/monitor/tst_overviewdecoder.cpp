#include "monitor/bmuwarnings.h"
#include "monitor/overviewdecoder.h"
#include "monitor/statusblock.h"
#include "replies.h"

using Lines = QVector<WarningLine>;
Q_DECLARE_METATYPE(Lines)

// The status block assembled from the two status replies, decoded into the Overview texts,
// the inverter names and the warning lines of the status pane.
class TestOverviewDecoder : public QObject {
    Q_OBJECT

    // First reply: registers 0x0000..0x0065, each byte numbered so that misplaced bytes
    // show; second reply: registers 0x0500..0x0518.
    static QByteArray numberedReply(int size, int first) {
        QByteArray regs(size, '\0');
        for (int i = 0; i < size; ++i)
            regs[i] = char(first + i);
        return readReply(regs);
    }
    static QByteArray firstReply() { return numberedReply(204, 0); }
    static QByteArray secondReply() { return numberedReply(50, 0x80); }

    // The decoded texts by name; a row names the one it checks.
    static QString field(const OverviewTexts& t, const QString& name) {
        const QString towers =
            t.bmsCount + '|' + t.modulesPerTower + '|' + QString::number(t.bmsListSize());
        const QString temps = t.maxCellTemp + '|' + t.minCellTemp + '|' + t.extraTemp;
        const QString current = t.current + '|' + t.chargeState;
        const QStringList texts{t.serial, t.bmuVersion,  t.bmsVersion,   t.inverterName,
                                towers,   t.batteryType, t.grid,         t.phase,
                                current,  temps,         t.tableVersion, t.power};
        const QStringList names = QStringLiteral("serial bmu bms inverter towers type grid phase "
                                                 "current temps table power")
                                      .split(' ');
        return texts.value(names.indexOf(name), QStringLiteral("<no field>"));
    }

private slots:
    void classifiesByLength_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("kind");
        QByteArray wrongCount = secondReply();
        wrongCount[2] = char(0x30);
        QTest::newRow("first reply, 209 bytes") << firstReply() << int(StatusReply::First);
        QTest::newRow("second reply, 55 bytes") << secondReply() << int(StatusReply::Second);
        QTest::newRow("setup reply") << readReply(QByteArray(6, '\1')) << int(StatusReply::Other);
        QTest::newRow("first reply cut short") << firstReply().left(208) << int(StatusReply::Other);
        QTest::newRow("55 bytes, another byte count") << wrongCount << int(StatusReply::Other);
    }
    void classifiesByLength() {
        QFETCH(QByteArray, frame);
        QFETCH(int, kind);
        QCOMPARE(int(StatusBlock::kindOf(frame)), kind);
    }

    void assemblesBlock_data() {
        // An empty entry stands for clear(), as a new refresh does.
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<bool>("complete");
        const QByteArray first = firstReply(), second = secondReply();
        QTest::newRow("first only") << QList<QByteArray>{first} << false;
        QTest::newRow("first twice") << QList<QByteArray>{first, first} << false;
        QTest::newRow("other frames ignored")
            << QList<QByteArray>{first, readReply(QByteArray(6, '\0'))} << false;
        QTest::newRow("clear forgets a first part")
            << QList<QByteArray>{first, {}, second} << false;
        QTest::newRow("in order") << QList<QByteArray>{first, second} << true;
        QTest::newRow("late first reply lands first") << QList<QByteArray>{second, first} << true;
    }
    void assemblesBlock() {
        QFETCH(QList<QByteArray>, replies);
        QFETCH(bool, complete);
        StatusBlock block;
        for (const QByteArray& reply : replies)
            reply.isEmpty() ? block.clear() : void(block.take(reply));
        QCOMPARE(block.isComplete(), complete);
        if (!complete)
            return;
        const QByteArray bytes = block.bytes();
        QCOMPARE(bytes.size(), StatusBlock::Size);
        QCOMPARE(bytes.left(4), QByteArray::fromHex("0103CC00")); // then register 0x0000 hi
        QCOMPARE(quint8(bytes[40]), quint8(37));                  // register 0x0012 lo
        QCOMPARE(quint8(bytes[41]), quint8(194));       // register 0x0061 hi: reply offset 197
        QCOMPARE(quint8(bytes[50]), quint8(203));       // register 0x0065 lo
        QCOMPARE(quint8(bytes[51]), quint8(0x80));      // register 0x0500 hi
        QCOMPARE(quint8(bytes[90]), quint8(0x80 + 39)); // register 0x0513 lo
    }

    void decodesField_data() {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const QString hv = QStringLiteral("P030T020Z2008150001");
        const QString lv = QStringLiteral("P021T010Z2008150001");
        const auto row = [](const char* name, const QString& serial, int offset, const char* hex,
                            const char* field, const QString& expected) {
            QTest::newRow(name) << serial << offset << QByteArray::fromHex(hex) << QString(field)
                                << expected;
        };
        row("serial of 19 characters", hv, 0, "", "serial", hv);
        row("serial cut at the first NUL", "P03AB", 8, "0041", "serial", "P03AB");
        row("BMU runs A", hv, 27, "0105030700", "bmu", "V1.5-A");
        row("BMU runs B", hv, 27, "01050307000001", "bmu", "V3.7-B");
        row("BMU area 2 counts as A", hv, 27, "01050307000002", "bmu", "V1.5-A");
        row("BMS runs A", hv, 31, "0C1F0000", "bms", "V12.31-A");
        row("inverter 19", hv, 35, "13", "inverter", "SMA STP 5.0-10.0 SE HV");
        row("inverter 20 unknown", hv, 35, "14", "inverter", "");
        row("BMS runs B", hv, 31, "0C1F0001", "bms", "V12.31-B");
        // Towers | modules per tower | BMS entries. HV: two hex digits; LV: a decimal byte.
        row("HV 0x25", hv, 36, "25", "towers", "2|5|2");
        row("HV module digit a", hv, 36, "3A", "towers", "3|a|3");
        row("HV tower digit a gives no BMS", hv, 36, "A3", "towers", "a|3|0");
        row("HV 0x05 no towers", hv, 36, "05", "towers", "0|5|0");
        row("E0P3 serial is HV", "E0P3X", 36, "25", "towers", "2|5|2");
        row("LV 0x0C decimal", lv, 36, "0C", "towers", "12||12");
        row("P011 serial is LV", "P0110", 36, "25", "towers", "37||37");
        row("E0P2 serial is LV", "E0P2", 36, "25", "towers", "37||37");
        row("lower-case p03 is LV", "p03X", 36, "25", "towers", "37||37");
        row("HV type 7", hv, 37, "07", "type", "QPA");
        row("LV type 2", lv, 37, "02", "type", "ZRA/ZRA Mini");
        row("grid 9", hv, 38, "09", "grid", "BACK UP");
        row("phase 2", hv, 39, "02", "phase", "Three");
        row("current zero", hv, 59, "0000", "current", "Current:0.0A|DisCharging");
        row("current 12.3 A out", hv, 59, "007B", "current", "Current:12.3A|DisCharging");
        row("current 0xFFF6 charging", hv, 59, "FFF6", "current", "Current:1.0A|Charging");
        row("current 0x8000", hv, 59, "8000", "current", "Current:3276.8A|Charging");
        row("current 0x7FFF", hv, 59, "7FFF", "current", "Current:3276.7A|DisCharging");
        row("temperatures below zero", hv, 63, "0019FFFB8000", "temps", "25℃|-5℃|-32768℃");
        row("table version", hv, 79, "020A", "table", "V2.10");
        // Current 0xFF9C (10.0 A charging) at 59, output 204.68 V at 83.
        row("power while charging is positive", hv, 59,
            "FF9C000000000000000000000000000000000000000000004FF4", "power", "Power:2046.80W");
    }
    void decodesField() {
        QFETCH(QString, serial);
        QFETCH(int, offset);
        QFETCH(QByteArray, value);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QByteArray block = zerosWith(StatusBlock::Size, 0, "\x01\x03\xCC" + serial.toLatin1());
        block.replace(offset, value.size(), value);
        QCOMPARE(this->field(decodeOverview(block), field), expected);
    }

    void shortBlockReadsAsZero() {
        // Offsets past the end of a truncated block read as zero; nothing reads outside it.
        const OverviewTexts t = decodeOverview(QByteArray::fromHex("0103CC50303330"));
        QCOMPARE(t.serial, QStringLiteral("P030"));
        QCOMPARE(t.current, QStringLiteral("Current:0.0A"));
        QCOMPARE(t.power, QStringLiteral("Power:0.00W"));
    }

    void inverterNamesAreUnique() {
        // A name written twice would make the setup write send the wrong code.
        QSet<QString> names;
        for (const auto& inverter : inverterTable()) {
            const QString name = QString::fromLatin1(inverter.name);
            QCOMPARE(name.endsWith("HV"), inverter.family == BatteryFamily::HV);
            names.insert(name);
        }
        QCOMPARE(names.size(), 20);
        QCOMPARE(invertersOf(BatteryFamily::HV).size(), 10);
    }

    void warningLines_data() {
        QTest::addColumn<BatteryFamily>("family");
        QTest::addColumn<int>("batteryWord");
        QTest::addColumn<int>("systemWord");
        QTest::addColumn<Lines>("expected");
        const auto blue = [](const char* t) { return WarningLine{t, "blue"}; };
        const auto red = [](const char* t) { return WarningLine{t, "red"}; };
        const auto hv = BatteryFamily::HV, lv = BatteryFamily::LV;
        QTest::newRow("both zero: Normal") << hv << 0 << 0 << Lines{{"Normal", "green"}};
        QTest::newRow("LV both zero: Normal") << lv << 0 << 0 << Lines{{"Normal", "green"}};
        QTest::newRow("system bit 7 has no text: empty pane") << hv << 0 << 0x0080 << Lines{};
        QTest::newRow("HV bit 10 red") << hv << 0 << 0x0400 << Lines{red("Air switch abnormal;")};
        QTest::newRow("LV bit 10 blue") << lv << 0 << 0x0400 << Lines{blue("Low SOC;")};
        QTest::newRow("LV bits 15 and 14 silent") << lv << 0 << 0xC000 << Lines{};
        QTest::newRow("HV bits 15 and 14")
            << hv << 0 << 0xC000
            << Lines{blue("Current warning;"), blue("Output voltage warning;")};
        QTest::newRow("LV bit 13 red") << lv << 0 << 0x2000 << Lines{red("PT is incorrect;")};
        QTest::newRow("HV bit 13 blue") << hv << 0 << 0x2000 << Lines{blue("Sensor failed;")};
        QTest::newRow("precharge red in both")
            << lv << 0 << 0x0004 << Lines{red("Precharge failed;")};
        QTest::newRow("battery word first, system word from bit 15 down")
            << hv << 0x8001 << 0x0301
            << Lines{blue("Warning:Battery Over Voltage;"), red("Alarm:Current Sensor Failed;"),
                     blue("BMS updating;"), blue("BMU updating;"),
                     blue("Address registration failed;")};
    }
    void warningLines() {
        QFETCH(BatteryFamily, family);
        QFETCH(int, batteryWord);
        QFETCH(int, systemWord);
        QFETCH(Lines, expected);
        QCOMPARE(bmuWarningLines(family, quint16(batteryWord), quint16(systemWord)), expected);
    }

    void everyBatteryBitHasAText() {
        // Sixteen distinct texts; alarms red, warnings blue.
        QSet<QString> distinct;
        for (const WarningLine& line : bmuWarningLines(BatteryFamily::LV, 0xFFFF, 0)) {
            const bool alarm = line.text.startsWith("Alarm:");
            QVERIFY(alarm || line.text.startsWith("Warning:"));
            QCOMPARE(line.colour, alarm ? QString("red") : QString("blue"));
            distinct.insert(line.text);
        }
        QCOMPARE(distinct.size(), 16);
        // All system bits but bit 7 speak for HV; LV has no text for bits 15 and 14 either.
        QCOMPARE(bmuWarningLines(BatteryFamily::HV, 0, 0xFFFF).size(), 15);
        QCOMPARE(bmuWarningLines(BatteryFamily::LV, 0, 0xFFFF).size(), 13);
    }
};

QTEST_APPLESS_MAIN(TestOverviewDecoder)
#include "tst_overviewdecoder.moc"
