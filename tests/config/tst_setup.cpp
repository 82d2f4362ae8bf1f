#include "config/setup.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "monitor/batterysystem.h"

#include <QtTest>

Q_DECLARE_METATYPE(BatteryFamily)

// Setup lists by family, decoding a setup read and composing the setup write.
class TestSetup : public QObject {
    Q_OBJECT

private slots:
    void listsBySerial_data() {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QStringList>("firsts"); // battery type, inverter, last inverter, caption
        QTest::addColumn<int>("preselected");
        const QStringList hv{"QPC", "Fronius HV", "SMA STP 5.0-10.0 SE HV", "Modules in Serial"};
        const QStringList lv{"ZRC", "Goodwe LV/Viessmann LV", "Solis LV", "Modules in Parallels"};
        QTest::newRow("P03") << "P030T0" << hv << 1;
        QTest::newRow("P02") << "P021" << lv << 0;
        QTest::newRow("P010 is neither") << "P0105" << QStringList{} << 0;
        QTest::newRow("no serial yet") << "" << QStringList{} << 0;
    }

    void listsBySerial() {
        QFETCH(QString, serial);
        QFETCH(QStringList, firsts);
        const auto lists = setupListsForSerial(serial);
        QCOMPARE(lists.has_value(), !firsts.isEmpty());
        if (!lists)
            return;
        QCOMPARE((QStringList{lists->batteryTypes.first(), lists->inverterNames.first(),
                              lists->inverterNames.last(), lists->countCaption}),
                 firsts);
        QTEST(lists->preselectedBatteryType, "preselected");
    }

    void decodeRead_data() {
        QTest::addColumn<BatteryFamily>("family");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("decoded"); // position|name|count|type|grid|phase, empty: refused
        const auto row = [](const char* name, BatteryFamily family, const QByteArray& frame,
                            const char* decoded) {
            QTest::newRow(name) << family << frame << QString(decoded);
        };
        const auto hex = [](const char* h) { return QByteArray::fromHex(h); };
        const auto hv = BatteryFamily::HV, lv = BatteryFamily::LV;
        row("HV Sungrow, 2 towers of 5", hv, hex("010306092501010100FFFF"), "4|Sungrow HV|5|1|1|1");
        row("HV module digit a", hv, hex("0103060D3A02000000FFFF"), "6|Ingeteam HV|a|2|0|0");
        row("HV system, LV inverter code 2", hv, hex("010306020501000000FFFF"),
            "0|Goodwe LV/Viessmann LV|5|1|0|0");
        row("LV count decimal", lv, hex("010306110C00020100FFFF"), "9|Solis LV|12|0|2|1");
        row("code 19 accepted", hv, hex("010306130100000000FFFF"),
            "9|SMA STP 5.0-10.0 SE HV|1|0|0|0");
        row("code 20 refused", hv, hex("010306140501010100FFFF"), "");
        row("status reply is not a setup reply", hv, hex("010332") + QByteArray(52, '\1'), "");
        row("short frame", hv, hex("0103060925"), "");
    }

    void decodeRead() {
        QFETCH(BatteryFamily, family);
        QFETCH(QByteArray, frame);
        QFETCH(QString, decoded);
        const auto s = decodeSetupReply(frame, family);
        QCOMPARE(s.has_value(), !decoded.isEmpty());
        if (s) {
            QCOMPARE(QStringList({QString::number(s->inverterPosition), s->inverterName,
                                  s->moduleCount, QString::number(s->batteryTypeIndex),
                                  QString::number(s->gridIndex), QString::number(s->phaseIndex)})
                         .join('|'),
                     decoded);
        }
    }

    void compose_data() {
        QTest::addColumn<QString>("inverter");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QList<int>>("indexes"); // battery type, grid, phase
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("frameHead"); // of the write request
        const auto row = [](const char* name, const char* inverter, const char* count,
                            QList<int> indexes, SetupBytes::Outcome outcome, const char* head) {
            QTest::newRow(name) << QString(inverter) << QString(count) << indexes << int(outcome)
                                << QString(head);
        };
        const QList<int> ones{1, 1, 1};
        const auto ok = SetupBytes::Ok, bad = SetupBytes::BadModuleCount;
        row("Sungrow HV, 5", "Sungrow HV", "5", ones, ok, "01 10 00 10 00 03 06 09 05 01 01 01 00");
        row("empty count writes 00", "Fronius HV", "", {0, 2, 0}, ok,
            "01 10 00 10 00 03 06 00 00 00 02 00 00");
        row("LV inverter, 12", "Solis LV", "12", {2, 0, 1}, ok,
            "01 10 00 10 00 03 06 11 0C 02 00 01 00");
        row("255 is the largest", "Victron LV", "255", ones, ok,
            "01 10 00 10 00 03 06 07 FF 01 01 01 00");
        row("blanks around the count", "Victron LV", " 3 ", ones, ok,
            "01 10 00 10 00 03 06 07 03 01 01 01 00");
        row("256 refused", "Victron LV", "256", ones, bad, "");
        row("HV digit a refused", "Kaco HV", "a", ones, bad, "");
        row("empty inverter sends nothing", "", "5", ones, SetupBytes::NoInverter, "");
        row("placeholder inverter sends nothing", "Inverter type", "5", ones,
            SetupBytes::NoInverter, "");
        row("no battery type chosen", "Kaco HV", "5", {-1, 1, 1}, SetupBytes::NoSelection, "");
    }

    void compose() {
        QFETCH(QString, inverter);
        QFETCH(QString, count);
        QFETCH(QList<int>, indexes);
        QFETCH(int, outcome);
        QFETCH(QString, frameHead);
        const SetupBytes result =
            composeSetupBytes(inverter, count, indexes[0], indexes[1], indexes[2]);
        QCOMPARE(int(result.outcome), outcome);
        // Refusals the user can mend say why; a missing inverter sends nothing silently.
        QCOMPARE(setupRefusalMessage(result.outcome).isEmpty(),
                 outcome == SetupBytes::Ok || outcome == SetupBytes::NoInverter);
        if (result.outcome != SetupBytes::Ok) {
            QVERIFY(result.bytes.isEmpty());
            return;
        }
        const QString frame = setupWriteRequest(result.bytes);
        QVERIFY2(frame.startsWith(frameHead), qPrintable(frame));
    }
};

QTEST_GUILESS_MAIN(TestSetup)
#include "tst_setup.moc"
