#include "simtestutil.h"

#include "link/catalogue.h"
#include "sim/bmsinfoblock.h"
#include "sim/bmudevice.h"

#include <QtTest>

namespace {

const QDateTime logEnd(QDate(2024, 5, 17), QTime(16, 42, 10));

bool isReady(BmuDevice& device, const char* poll) {
    return wordBE(ask(device, QString(poll)), 3) == Command::ReadyValue;
}

// Fetch, poll and four page reads, gathered as the tool gathers them: bytes 5..132 of
// pages 1 to 3 and bytes 5..40 of page 4.
QByteArray readBmsBlock(BmuDevice& device, int bms, QVector<int>* pageNumbers = nullptr) {
    ask(device, bmsInfoRequest(quint16(bms)));
    if (!isReady(device, Command::BmsInfoReadyPoll))
        return {};
    QByteArray block;
    for (int page = 1; page <= 4; ++page) {
        const QByteArray reply = ask(device, QString(Command::BmsInfoPage));
        if (pageNumbers)
            pageNumbers->append(wordBE(reply, 3));
        block += page < 4 ? reply.mid(5, 128) : reply.mid(5, 36);
    }
    return block;
}

// One history block: request, poll, five pages (bytes 5..132, the fifth 5..92).
QByteArray readHistoryBlock(BmuDevice& device, int selector, QByteArray* lastPageTail = nullptr) {
    ask(device, historyBlockRequest(quint16(selector)));
    if (!isReady(device, Command::HistoryReadyPoll))
        return {};
    QByteArray block;
    for (int page = 1; page <= 5; ++page) {
        const QByteArray reply = ask(device, QString(Command::HistoryPage));
        block += page < 5 ? reply.mid(5, 128) : reply.mid(5, 88);
        if (page == 5 && lastPageTail)
            *lastPageTail = reply.mid(93, 40);
    }
    return block;
}

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
    void bmsPagesFormTheInformationBlock_data();
    void bmsPagesFormTheInformationBlock();
    void extendedReadServesTheCellsBeyond128();
    void unknownBmsIsNeverReady();
    void readinessWaitsForTheDelay();
    void historyWalksSuccessiveBlocks_data();
    void historyWalksSuccessiveBlocks();
    void historyStartsAgainForAnotherUnit();
};

void TestPagedReads::bmsPagesFormTheInformationBlock_data() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::addColumn<int>("bms");
    QTest::newRow("HV tower 1") << SystemPreset::HighVoltage << 1;
    QTest::newRow("HV tower 2") << SystemPreset::HighVoltage << 2;
    QTest::newRow("LV module 3") << SystemPreset::LowVoltage << 3;
    QTest::newRow("QPA tower") << SystemPreset::Qpa5 << 1;
}

void TestPagedReads::bmsPagesFormTheInformationBlock() {
    QFETCH(SystemPreset, preset);
    QFETCH(int, bms);
    BmuDevice device(preset, 1, logEnd);
    device.setReadinessDelay(0);
    QVector<int> pageNumbers;
    const QByteArray block = readBmsBlock(device, bms, &pageNumbers);
    QCOMPARE(block.size(), BmsBlock::Size);
    QCOMPARE(pageNumbers, (QVector<int>{1, 2, 3, 4}));
    QCOMPARE(block, bmsInfoBlock(device.profile(), device.battery(), device.bmsFirmware(), bms, 0));

    // The fields the tool decodes, at their offsets.
    const SystemProfile& p = device.profile();
    QCOMPARE(block.mid(BmsBlock::Serial, 19).left(p.bmsSerial(bms).size()), p.bmsSerial(bms));
    const int cells = qMin(p.cellsPerBms(), 128);
    for (int cell = 0; cell < 128; ++cell) {
        const int mv = wordBE(block, BmsBlock::Cells + 2 * cell);
        if (cell < cells)
            QVERIFY2(mv >= 3000 && mv <= 3700, qPrintable(QString::number(cell)));
        else
            QCOMPARE(mv, 0);
    }
    QVERIFY(wordBE(block, BmsBlock::MaxCell) >= wordBE(block, BmsBlock::MinCell));
    const int maxNumber = byteAt(block, BmsBlock::MaxCellNumber);
    QCOMPARE(wordBE(block, BmsBlock::Cells + 2 * (maxNumber - 1)),
             wordBE(block, BmsBlock::MaxCell));
    QCOMPARE(int(byteAt(block, BmsBlock::Temperatures + p.temperaturesPerBms() - 1)) > 0, true);
    QCOMPARE(int(byteAt(block, BmsBlock::Temperatures + p.temperaturesPerBms())), 0);
    // Versions put the sub number first.
    QCOMPARE(int(byteAt(block, BmsBlock::SectionAVersion + 1)), int(p.bmsA.main));
    QCOMPARE(int(byteAt(block, BmsBlock::SectionAVersion)), int(p.bmsA.sub));
    const int decivolts = wordBE(block, BmsBlock::TotalVoltage);
    QVERIFY(qAbs(decivolts - device.battery().bmsMillivolts(bms) / 100) <= 1);
}

void TestPagedReads::extendedReadServesTheCellsBeyond128() {
    BmuDevice device(SystemPreset::Qpa5, 1, logEnd);
    device.setReadinessDelay(0);
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
    // The word serves one fetch only.
    QCOMPARE(readBmsBlock(device, 1), first);
}

void TestPagedReads::unknownBmsIsNeverReady() {
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    device.setReadinessDelay(0);
    ask(device, bmsInfoRequest(3)); // two towers only
    QCOMPARE(wordBE(ask(device, QString(Command::BmsInfoReadyPoll)), 3), quint16(0x8100));
    ask(device, historyBlockRequest(3));
    QCOMPARE(wordBE(ask(device, QString(Command::HistoryReadyPoll)), 3), quint16(0x8100));
}

void TestPagedReads::readinessWaitsForTheDelay() {
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    device.setReadinessDelay(150);
    QElapsedTimer timer;
    timer.start();
    ask(device, bmsInfoRequest(1));
    QCOMPARE(wordBE(ask(device, QString(Command::BmsInfoReadyPoll)), 3), quint16(0x8100));
    QTRY_VERIFY_WITH_TIMEOUT(isReady(device, Command::BmsInfoReadyPoll), 2000);
    QVERIFY(timer.elapsed() >= 150);
}

void TestPagedReads::historyWalksSuccessiveBlocks_data() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::addColumn<int>("selector");
    QTest::newRow("HV BMU") << SystemPreset::HighVoltage << 0;
    QTest::newRow("HV BMS2") << SystemPreset::HighVoltage << 2;
    QTest::newRow("LV BMU") << SystemPreset::LowVoltage << 0;
    QTest::newRow("LV BMS3") << SystemPreset::LowVoltage << 3;
    QTest::newRow("QPA BMS1") << SystemPreset::Qpa5 << 1;
}

void TestPagedReads::historyWalksSuccessiveBlocks() {
    QFETCH(SystemPreset, preset);
    QFETCH(int, selector);
    BmuDevice device(preset, 1, logEnd);
    device.setReadinessDelay(0);
    const HistoryLog& log = device.historyLog(selector);
    QVERIFY(log.size() > 40);
    const int blocks = log.size() / 20 + 2; // through the end into erased records
    for (int b = 0; b < blocks; ++b) {
        QByteArray tail;
        const QByteArray block = readHistoryBlock(device, selector, &tail);
        QCOMPARE(block.size(), 600);
        QCOMPARE(block, expectedBlock(log, 20 * b));
        QCOMPARE(tail, QByteArray(40, '\0')); // page 5 carries 88 useful bytes only
    }
    // Past the end every record is erased.
    QCOMPARE(readHistoryBlock(device, selector), QByteArray(600, char(0xFF)));
}

void TestPagedReads::historyStartsAgainForAnotherUnit() {
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    device.setReadinessDelay(0);
    const HistoryLog& bmu = device.historyLog(0);
    QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 0));
    QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 20));
    QCOMPARE(readHistoryBlock(device, 1), expectedBlock(device.historyLog(1), 0));
    QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 0));
    QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 20));
    device.restartHistory(); // a new client
    QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 0));
    // A long pause between requests starts again too.
    device.setHistoryRestartPause(50);
    QTest::qWait(80);
    QCOMPARE(readHistoryBlock(device, 0), expectedBlock(bmu, 0));
}

QTEST_GUILESS_MAIN(TestPagedReads)
#include "tst_pagedreads.moc"
