#include "simtestutil.h"

#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "monitor/bmsinfodecoder.h"
#include "monitor/overviewdecoder.h"
#include "monitor/statusblock.h"
#include "sim/bmsinfoblock.h"

#include <QtTest>

// The status block, the BMS information pages and the history pages as the tool gathers
// them, read back through the tool's own decoders: the two must agree on every offset, or
// the demo shows nonsense.

namespace {

QByteArray expectedBlock(const HistoryLog& log, int firstRecord) {
    QByteArray block;
    for (int i = firstRecord; i < firstRecord + 20; ++i)
        block += i < log.size() ? log.all()[i] : HistoryRecord::erased();
    return block;
}

} // namespace

class TestPagedReads : public QObject {
    Q_OBJECT

private slots:
    void statusBlockShowsThePreset_data() {
        QTest::addColumn<SystemPreset>("preset");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("bmsCount");
        QTest::addColumn<QString>("modules");
        QTest::addColumn<QString>("inverter");
        QTest::addColumn<QString>("bmuVersion");
        QTest::addColumn<int>("cellsInSeries");
        QTest::newRow("hv") << SystemPreset::HighVoltage << "QPB"
                            << "2"
                            << "5"
                            << "Sungrow HV"
                            << "V3.12-A" << 80;
        QTest::newRow("lv") << SystemPreset::LowVoltage << "ZRC"
                            << "3"
                            << ""
                            << "SMA LV"
                            << "V2.12-A" << 16;
        QTest::newRow("qpa5") << SystemPreset::Qpa5 << "QPA"
                              << "1"
                              << "5"
                              << "Fronius HV"
                              << "V3.12-A" << 160;
    }

    void statusBlockShowsThePreset() {
        QFETCH(SystemPreset, preset);
        QFETCH(QString, type);
        QFETCH(QString, bmsCount);
        QFETCH(QString, modules);
        QFETCH(QString, inverter);
        QFETCH(QString, bmuVersion);
        QFETCH(int, cellsInSeries);
        BmuDevice device = testDevice(preset);
        const SystemProfile& p = device.profile();
        const QByteArray second = ask(device, QString(Command::StatusSecond));
        StatusBlock block;
        QCOMPARE(block.take(ask(device, QString(Command::StatusFirst))), StatusReply::First);
        QCOMPARE(block.take(second), StatusReply::Second);
        const OverviewTexts texts = decodeOverview(block.bytes());
        QCOMPARE(texts.serial, QString::fromLatin1(p.serial));
        QCOMPARE(texts.batteryType, type);
        QCOMPARE(texts.bmsCount, bmsCount);
        QCOMPARE(texts.modulesPerTower, modules);
        QCOMPARE(texts.bmsListSize(), p.bmsCount);
        QCOMPARE(texts.inverterName, inverter);
        QCOMPARE(texts.bmuVersion, bmuVersion);
        QCOMPARE(texts.bmsVersion, QStringLiteral("V%1-A").arg(p.bmsA.text()));
        QCOMPARE(texts.tableVersion, QStringLiteral("V%1").arg(p.table.text()));
        QCOMPARE(texts.soc, qRound(device.battery().soc()));
        QCOMPARE(texts.batteryWarnings, quint16(0));

        // Values a real battery could show: cells 10 mV, temperatures °C.
        const int maxCell = wordBE(second, 5), minCell = wordBE(second, 7);
        QVERIFY(minCell >= 300 && minCell <= maxCell && maxCell <= 370);
        const int battery = wordBE(second, 13); // 10 mV
        QVERIFY(qAbs(battery - cellsInSeries * (maxCell + minCell) / 2) <= cellsInSeries * 2);
        const int maxTemp = signed16(wordBE(second, 15)), minTemp = signed16(wordBE(second, 17));
        QVERIFY(minTemp >= 10 && minTemp <= maxTemp && maxTemp <= 45);
    }

    void bmsPagesFormTheInformationBlock_data() { addPresetRows(); }

    void bmsPagesFormTheInformationBlock() {
        QFETCH(SystemPreset, preset);
        BmuDevice device = testDevice(preset);
        const SystemProfile& p = device.profile();
        for (int bms = 1; bms <= p.bmsCount; ++bms) {
            QVector<int> pageNumbers;
            const QByteArray block = readBmsBlock(device, bms, &pageNumbers);
            QCOMPARE(block.size(), BmsBlock::Size);
            QCOMPARE(pageNumbers, (QVector<int>{1, 2, 3, 4}));
            QCOMPARE(block, bmsInfoBlock(p, device.battery(), device.bmsFirmware(), bms, 0));

            const BmsInfoTexts texts = decodeBmsInfo(block);
            QCOMPARE(texts.serial, QString::fromLatin1(p.bmsSerial(bms)));
            QCOMPARE(texts.firmware, QStringLiteral("V%1-A").arg(p.bmsA.text()));
            QCOMPARE(texts.values.size(), BmsInfo::ValueCount);
            QCOMPARE(texts.values[BmsInfo::FirstCellValue],
                     QString::number(device.battery().cellMillivolts(bms, 0)));
            QCOMPARE(texts.warningLevels[2], QStringLiteral("0000000000000000"));

            const int cells = qMin(p.cellsPerBms(), 128);
            for (int cell = 0; cell < 128; ++cell) {
                const int mv = wordBE(block, BmsBlock::Cells + 2 * cell);
                QVERIFY2(cell < cells ? mv >= 3000 && mv <= 3700 : mv == 0,
                         qPrintable(QString::number(cell)));
            }
            const int maxNumber = byteAt(block, BmsBlock::MaxCellNumber);
            QCOMPARE(wordBE(block, BmsBlock::Cells + 2 * (maxNumber - 1)),
                     wordBE(block, BmsBlock::MaxCell));
            QVERIFY(wordBE(block, BmsBlock::MaxCell) >= wordBE(block, BmsBlock::MinCell));
            QVERIFY(byteAt(block, BmsBlock::Temperatures + p.temperaturesPerBms() - 1) > 0);
            QCOMPARE(int(byteAt(block, BmsBlock::Temperatures + p.temperaturesPerBms())), 0);
            const int decivolts = wordBE(block, BmsBlock::TotalVoltage);
            QVERIFY(qAbs(decivolts - device.battery().bmsMillivolts(bms) / 100) <= 1);
        }
    }

    void extendedReadServesTheCellsBeyond128() {
        BmuDevice device = testDevice(SystemPreset::Qpa5);
        const QByteArray first = readBmsBlock(device, 1);
        QCOMPARE(wordBE(first, BmsBlock::Cells + 2 * 127),
                 quint16(device.battery().cellMillivolts(1, 127)));

        // The echo the tool waits for before the second pass.
        QCOMPARE(ask(device, extendedReadRequest()), hexToBytes("01 10 01 00 00 03 81 F4"));
        const QByteArray second = readBmsBlock(device, 1);
        for (int place = 0; place < 128; ++place) {
            const int expected = place < 32 ? device.battery().cellMillivolts(1, 128 + place) : 0;
            QCOMPARE(int(wordBE(second, BmsBlock::Cells + 2 * place)), expected);
        }
        QCOMPARE(readBmsBlock(device, 1), first); // the word serves one fetch only
    }

    void unknownUnitIsNeverReady() {
        BmuDevice device = testDevice(); // two towers only
        QVERIFY(readBmsBlock(device, 3).isEmpty());
        QCOMPARE(wordBE(ask(device, QString(Command::BmsInfoReadyPoll)), 3), quint16(0x8100));
        QVERIFY(readHistoryBlock(device, 3).isEmpty());
        QCOMPARE(wordBE(ask(device, QString(Command::HistoryReadyPoll)), 3), quint16(0x8100));
    }

    void readinessWaitsForTheDelay() {
        BmuDevice device = testDevice();
        device.setReadinessDelay(150);
        QElapsedTimer timer;
        timer.start();
        ask(device, bmsInfoRequest(1));
        QCOMPARE(wordBE(ask(device, QString(Command::BmsInfoReadyPoll)), 3), quint16(0x8100));
        QTRY_VERIFY_WITH_TIMEOUT(isReady(device, Command::BmsInfoReadyPoll), 2000);
        QVERIFY(timer.elapsed() >= 150);
    }

    void historyWalksSuccessiveBlocks_data() { addPresetRows(); }

    void historyWalksSuccessiveBlocks() {
        QFETCH(SystemPreset, preset);
        BmuDevice device = testDevice(preset);
        QStringList bmsEventLevels;
        for (int selector = 0; selector <= device.profile().bmsCount; ++selector) {
            const HistoryLog& log = device.historyLog(selector);
            QVERIFY(log.size() > 40);
            const int blocks = log.size() / 20 + 2; // through the end into erased records
            for (int b = 0; b < blocks; ++b) {
                QByteArray tail;
                const QByteArray block = readHistoryBlock(device, selector, &tail);
                QCOMPARE(block, expectedBlock(log, 20 * b));
                QCOMPARE(tail, QByteArray(40, '\0')); // page 5 carries 88 useful bytes only

                const BmsBlockRows bms = selector > 0 ? decodeBmsBlock(block) : BmsBlockRows{};
                const TextRows rows = selector == 0
                                          ? decodeBmuBlock(block, QString(device.profile().serial))
                                          : bms.history;
                QCOMPARE(rows.size(), 20);
                for (int r = 0; r < qMin(20, log.size() - 20 * b); ++r) {
                    const QString description = rows[r].value(2);
                    QVERIFY2(description != QLatin1String("No Defined") &&
                                 description != QLatin1String("Not defined"),
                             qPrintable(rows[r].join(QLatin1Char('|'))));
                    QVERIFY(rows[r].value(0).startsWith(QLatin1String("2024-")));
                }
                for (const QStringList& row : bms.events)
                    bmsEventLevels << row.value(1);
            }
            QCOMPARE(readHistoryBlock(device, selector),
                     QByteArray(600, char(0xFF))); // past the end
        }
        QVERIFY(bmsEventLevels.contains(QLatin1String("Warning Level2")));
        QVERIFY(bmsEventLevels.contains(QLatin1String("Alarm")));
    }

    void historyStartsAgainForAnotherUnit() {
        BmuDevice device = testDevice();
        const HistoryLog& bmu = device.historyLog(0);
        QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 0));
        QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 20));
        QCOMPARE(readHistoryBlock(device, 1), expectedBlock(device.historyLog(1), 0));
        QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 0));
        QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 20));
        device.restartHistory(); // a new client
        QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 0));
        device.setHistoryRestartPause(50); // a long pause between requests starts again too
        QTest::qWait(80);
        QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 0));
    }
};

QTEST_GUILESS_MAIN(TestPagedReads)
#include "tst_pagedreads.moc"
