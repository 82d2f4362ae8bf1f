#include "simtestutil.h"

#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "link/catalogue.h"
#include "monitor/bmsinfodecoder.h"
#include "monitor/overviewdecoder.h"
#include "monitor/statusblock.h"

#include <QtTest>

// The tool's own decoders read what the simulated BMU serves: the two must agree on
// every offset, or the demo shows nonsense.

namespace {

const QDateTime logEnd(QDate(2024, 5, 17), QTime(16, 42, 10));

QByteArray readBmsBlock(BmuDevice& device, int bms) {
    ask(device, bmsInfoRequest(quint16(bms)));
    QByteArray block;
    for (int page = 1; page <= 4; ++page)
        block += bmsPageSlice(ask(device, QString(Command::BmsInfoPage)), page);
    return block;
}

QByteArray readHistoryBlock(BmuDevice& device, int selector) {
    ask(device, historyBlockRequest(quint16(selector)));
    QByteArray block;
    for (int page = 1; page <= 5; ++page)
        block += ask(device, QString(Command::HistoryPage)).mid(5, page < 5 ? 128 : 88);
    return block;
}

} // namespace

class TestSimDecodes : public QObject {
    Q_OBJECT

private slots:
    void overviewShowsThePreset_data();
    void overviewShowsThePreset();
    void bmsTabShowsEveryBms_data();
    void bmsTabShowsEveryBms();
    void historyRowsAreAllDefined_data();
    void historyRowsAreAllDefined();
    void bmsEventRecordsFillTheEventsTab();
};

void TestSimDecodes::overviewShowsThePreset_data() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("bmsCount");
    QTest::addColumn<QString>("modules");
    QTest::addColumn<QString>("inverter");
    QTest::addColumn<QString>("bmuVersion");
    QTest::newRow("hv") << SystemPreset::HighVoltage << "QPB"
                        << "2"
                        << "5"
                        << "Sungrow HV"
                        << "V3.12-A";
    QTest::newRow("lv") << SystemPreset::LowVoltage << "ZRC"
                        << "3"
                        << ""
                        << "SMA LV"
                        << "V2.12-A";
    QTest::newRow("qpa5") << SystemPreset::Qpa5 << "QPA"
                          << "1"
                          << "5"
                          << "Fronius HV"
                          << "V3.12-A";
}

void TestSimDecodes::overviewShowsThePreset() {
    QFETCH(SystemPreset, preset);
    QFETCH(QString, type);
    QFETCH(QString, bmsCount);
    QFETCH(QString, modules);
    QFETCH(QString, inverter);
    QFETCH(QString, bmuVersion);
    BmuDevice device(preset, 1, logEnd);
    StatusBlock block;
    QCOMPARE(block.take(ask(device, QString(Command::StatusFirst))), StatusReply::First);
    QCOMPARE(block.take(ask(device, QString(Command::StatusSecond))), StatusReply::Second);
    QVERIFY(block.isComplete());
    const OverviewTexts texts = decodeOverview(block.bytes());
    QCOMPARE(texts.serial, QString::fromLatin1(device.profile().serial));
    QCOMPARE(texts.batteryType, type);
    QCOMPARE(texts.bmsCount, bmsCount);
    QCOMPARE(texts.modulesPerTower, modules);
    QCOMPARE(texts.bmsListSize(), device.profile().bmsCount);
    QCOMPARE(texts.inverterName, inverter);
    QCOMPARE(texts.bmuVersion, bmuVersion);
    QCOMPARE(texts.tableVersion, QStringLiteral("V%1").arg(device.profile().table.text()));
    QCOMPARE(texts.soc, qRound(device.battery().soc()));
    QCOMPARE(texts.batteryWarnings, quint16(0));
}

void TestSimDecodes::bmsTabShowsEveryBms_data() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::newRow("hv") << SystemPreset::HighVoltage;
    QTest::newRow("lv") << SystemPreset::LowVoltage;
    QTest::newRow("qpa5") << SystemPreset::Qpa5;
}

void TestSimDecodes::bmsTabShowsEveryBms() {
    QFETCH(SystemPreset, preset);
    BmuDevice device(preset, 1, logEnd);
    device.setReadinessDelay(0);
    for (int bms = 1; bms <= device.profile().bmsCount; ++bms) {
        const BmsInfoTexts texts = decodeBmsInfo(readBmsBlock(device, bms));
        QCOMPARE(texts.serial, QString::fromLatin1(device.profile().bmsSerial(bms)));
        QCOMPARE(texts.firmware, QStringLiteral("V%1-A").arg(device.profile().bmsA.text()));
        QCOMPARE(texts.values.size(), BmsInfo::ValueCount);
        QCOMPARE(texts.values[BmsInfo::FirstCellValue],
                 QString::number(device.battery().cellMillivolts(bms, 0)));
        QVERIFY(texts.warningLevels[2] == QStringLiteral("0000000000000000"));
    }
}

void TestSimDecodes::historyRowsAreAllDefined_data() {
    bmsTabShowsEveryBms_data();
}

void TestSimDecodes::historyRowsAreAllDefined() {
    QFETCH(SystemPreset, preset);
    BmuDevice device(preset, 1, logEnd);
    device.setReadinessDelay(0);
    for (int selector = 0; selector <= device.profile().bmsCount; ++selector) {
        const int blocks = (device.historyLog(selector).size() + 19) / 20;
        for (int b = 0; b < blocks; ++b) {
            const QByteArray block = readHistoryBlock(device, selector);
            const TextRows rows = selector == 0
                                      ? decodeBmuBlock(block, QString(device.profile().serial))
                                      : decodeBmsBlock(block).history;
            QCOMPARE(rows.size(), 20);
            const int records = qMin(20, device.historyLog(selector).size() - 20 * b);
            for (int r = 0; r < records; ++r) {
                const QString description = rows[r].value(2);
                QVERIFY2(description != QLatin1String("No Defined") &&
                             description != QLatin1String("Not defined"),
                         qPrintable(rows[r].join(QLatin1Char('|'))));
                QVERIFY(rows[r].value(0).startsWith(QLatin1String("2024-")));
            }
        }
    }
}

void TestSimDecodes::bmsEventRecordsFillTheEventsTab() {
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    device.setReadinessDelay(0);
    QStringList levels;
    const int blocks = (device.historyLog(1).size() + 19) / 20;
    for (int b = 0; b < blocks; ++b) {
        for (const QStringList& row : decodeBmsBlock(readHistoryBlock(device, 1)).events)
            levels << row.value(1);
    }
    QVERIFY(levels.contains(QLatin1String("Warning Level2")));
    QVERIFY(levels.contains(QLatin1String("Alarm")));
}

QTEST_GUILESS_MAIN(TestSimDecodes)
#include "tst_simdecodes.moc"
