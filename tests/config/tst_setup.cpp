#include "config/setup.h"

#include <QtTest>

Q_DECLARE_METATYPE(SetupBytes)

// Setup lists by family, decoding a setup read and composing the setup write.
class TestSetup : public QObject {
    Q_OBJECT

private slots:
    // The first battery type, the first and last inverter, the count caption and the type
    // preselected; nothing for a serial of neither family.
    void listsBySerial_data() {
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QStringList>("expected");
        const auto lists = [](const char* serial) {
            const auto l = setupListsForSerial(serial);
            return !l ? QStringList()
                      : QStringList{l->batteryTypes.first(), l->inverterNames.first(),
                                    l->inverterNames.last(), l->countCaption,
                                    QString::number(l->preselectedBatteryType)};
        };
        QTest::newRow("P03") << lists("P030T0")
                             << QStringList{"QPC", "Fronius HV", "SMA STP 5.0-10.0 SE HV",
                                            "Modules in Serial", "1"};
        QTest::newRow("P02") << lists("P021")
                             << QStringList{"ZRC", "Goodwe LV/Viessmann LV", "Solis LV",
                                            "Modules in Parallels", "0"};
        QTest::newRow("P010 is neither") << lists("P0105") << QStringList();
        QTest::newRow("no serial yet") << lists("") << QStringList();
    }
    void listsBySerial() {
        QFETCH(QStringList, lists);
        QTEST(lists, "expected");
    }

    // Position|name|count|type|grid|phase of a setup reply; empty: refused.
    void decodeRead_data() {
        QTest::addColumn<QString>("decoded");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, BatteryFamily family, const QByteArray& frame,
                            const char* expected) {
            const auto s = decodeSetupReply(frame, family);
            const QString decoded = !s ? QString()
                                       : QStringList{QString::number(s->inverterPosition),
                                                     s->inverterName,
                                                     s->moduleCount,
                                                     QString::number(s->batteryTypeIndex),
                                                     QString::number(s->gridIndex),
                                                     QString::number(s->phaseIndex)}
                                             .join('|');
            QTest::newRow(name) << decoded << QString(expected);
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
        QFETCH(QString, decoded);
        QTEST(decoded, "expected");
    }

    // The six bytes written, or why nothing is: refusals the user can mend say why, a
    // missing inverter sends nothing silently.
    void compose_data() {
        QTest::addColumn<SetupBytes>("composed");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QByteArray>("bytes");
        const auto row = [](const char* name, const char* inverter, const char* count,
                            QList<int> indexes, SetupBytes::Outcome outcome, const char* bytes) {
            QTest::newRow(name) << composeSetupBytes(inverter, count, indexes[0], indexes[1],
                                                     indexes[2])
                                << int(outcome) << QByteArray::fromHex(bytes);
        };
        const QList<int> ones{1, 1, 1};
        const auto ok = SetupBytes::Ok, bad = SetupBytes::BadModuleCount;
        row("Sungrow HV, 5", "Sungrow HV", "5", ones, ok, "090501010100");
        row("empty count writes 00", "Fronius HV", "", {0, 2, 0}, ok, "000000020000");
        row("255 is the largest", "Victron LV", "255", ones, ok, "07ff01010100");
        row("blanks around the count", "Victron LV", " 3 ", ones, ok, "070301010100");
        row("HV digit a refused", "Kaco HV", "a", ones, bad, "");
        row("empty inverter sends nothing", "", "5", ones, SetupBytes::NoInverter, "");
        row("placeholder inverter sends nothing", "Inverter type", "5", ones,
            SetupBytes::NoInverter, "");
        row("no battery type chosen", "Kaco HV", "5", {-1, 1, 1}, SetupBytes::NoSelection, "");
    }
    void compose() {
        QFETCH(SetupBytes, composed);
        QTEST(int(composed.outcome), "outcome");
        QTEST(composed.bytes, "bytes");
        QCOMPARE(setupRefusalMessage(composed.outcome).isEmpty(),
                 composed.outcome == SetupBytes::Ok || composed.outcome == SetupBytes::NoInverter);
    }

    // Every inverter a setup read names is written back with its own code: a name listed
    // twice would send the wrong one.
    void inverterRoundTrip() {
        for (char code = 0; code <= 19; ++code) {
            const auto read = decodeSetupReply(QByteArray::fromHex("010306") + code +
                                                   QByteArray::fromHex("0501010100FFFF"),
                                               BatteryFamily::HV);
            const QString name = read.value_or(SetupSelection{}).inverterName;
            QCOMPARE(composeSetupBytes(name, "5", 1, 1, 1).bytes.left(1), QByteArray(1, code));
        }
    }
};

QTEST_GUILESS_MAIN(TestSetup)
#include "tst_setup.moc"
