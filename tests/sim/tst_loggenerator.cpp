#include "simtestutil.h"

#include "sim/historylog.h"
#include "sim/loggenerator.h"

#include <QSet>
#include <QtTest>

namespace {

const QDateTime logEnd(QDate(2024, 5, 17), QTime(16, 42, 10));

QVector<QByteArray> logOf(SystemPreset preset, int selector) {
    const SystemProfile profile = systemProfile(preset);
    return selector == 0 ? generateBmuLog(profile, 5, logEnd)
                         : generateBmsLog(profile, selector, 5, logEnd);
}

QSet<int> codeRange(int first, int last) {
    QSet<int> codes;
    for (int c = first; c <= last; ++c)
        codes.insert(c);
    return codes;
}

QDateTime timeOf(const QByteArray& record) {
    return QDateTime(QDate(2000 + byteAt(record, 1), byteAt(record, 2), byteAt(record, 3)),
                     QTime(byteAt(record, 4), byteAt(record, 5), byteAt(record, 6)));
}

QByteArray dataOf(const QByteArray& record) {
    return record.mid(7);
}

} // namespace

class TestLogGenerator : public QObject {
    Q_OBJECT

private slots:
    void everyEventCodeAppears_data();
    void everyEventCodeAppears();
    void recordsRunNewestFirst_data();
    void recordsRunNewestFirst();
    void bmsEventRecordsCarryWarningAndFaultWords();
    void bmuEventRecordsAppearAndDisappear();
    void wordsFollowTheUnitsByteOrder_data();
    void wordsFollowTheUnitsByteOrder();
    void updatesAddRecords();
};

void TestLogGenerator::everyEventCodeAppears_data() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::addColumn<int>("selector");
    QTest::addColumn<QSet<int>>("codes");
    const QSet<int> bmuCommon =
        QSet<int>{0, 1, 2, 4, 5, 6, 7, 120} + codeRange(101, 106) + codeRange(111, 118);
    const QSet<int> bms = codeRange(0, 21) + codeRange(101, 111);
    QTest::newRow("HV BMU") << SystemPreset::HighVoltage << 0
                            << (bmuCommon + QSet<int>{32, 33, 36, 38, 39});
    QTest::newRow("LV BMU") << SystemPreset::LowVoltage << 0 << bmuCommon;
    QTest::newRow("QPA BMU") << SystemPreset::Qpa5 << 0
                             << (bmuCommon + QSet<int>{32, 33, 36, 38, 39});
    QTest::newRow("HV BMS1") << SystemPreset::HighVoltage << 1 << bms;
    QTest::newRow("LV BMS3") << SystemPreset::LowVoltage << 3 << bms;
}

void TestLogGenerator::everyEventCodeAppears() {
    QFETCH(SystemPreset, preset);
    QFETCH(int, selector);
    QFETCH(QSet<int>, codes);
    QSet<int> seen;
    for (const QByteArray& record : logOf(preset, selector)) {
        QCOMPARE(record.size(), HistoryRecord::Size);
        seen.insert(byteAt(record, 0));
    }
    QCOMPARE(seen - codes, QSet<int>()); // nothing the unit does not write
    QCOMPARE(codes - seen, QSet<int>()); // everything it does
}

void TestLogGenerator::recordsRunNewestFirst_data() {
    everyEventCodeAppears_data();
}

void TestLogGenerator::recordsRunNewestFirst() {
    QFETCH(SystemPreset, preset);
    QFETCH(int, selector);
    const QVector<QByteArray> log = logOf(preset, selector);
    QVERIFY(log.size() >= 100);
    QDateTime previous = logEnd;
    for (const QByteArray& record : log) {
        const QDateTime when = timeOf(record);
        QVERIFY2(when.isValid(), record.toHex(' ').constData());
        QVERIFY2(when <= previous, qPrintable(when.toString(Qt::ISODate)));
        previous = when;
    }
    QVERIFY(previous >= logEnd.addDays(-20));
}

void TestLogGenerator::bmsEventRecordsCarryWarningAndFaultWords() {
    // Record bytes 9..14: level-2 warning, level-3 warning and fault word, low byte first.
    bool level2 = false, level3 = false, fault = false, cleared = false;
    for (int bms = 1; bms <= 2; ++bms) {
        for (const QByteArray& record : logOf(SystemPreset::HighVoltage, bms)) {
            if (byteAt(record, 0) != 2)
                continue;
            level2 |= wordLE(record, 9) != 0;
            level3 |= wordLE(record, 11) != 0;
            fault |= wordLE(record, 13) != 0;
            cleared |= wordLE(record, 9) == 0 && wordLE(record, 11) == 0 && wordLE(record, 13) == 0;
        }
    }
    QVERIFY(level2);
    QVERIFY(level3);
    QVERIFY(fault);
    QVERIFY(cleared);
}

void TestLogGenerator::bmuEventRecordsAppearAndDisappear() {
    int appear = 0, disappear = 0;
    for (const QByteArray& record : logOf(SystemPreset::HighVoltage, 0)) {
        if (byteAt(record, 0) != 2)
            continue;
        const QByteArray d = dataOf(record);
        QVERIFY(byteAt(d, 1) <= 24); // a known fault code
        if (byteAt(d, 0) != 0) {
            ++appear;
        } else {
            ++disappear;
            QCOMPARE(wordBE(d, 2), quint16(0));
        }
    }
    QVERIFY(appear > 0);
    QVERIFY(disappear > 0);
}

void TestLogGenerator::wordsFollowTheUnitsByteOrder_data() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::addColumn<int>("selector");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("cellOffset"); // data offset of the highest cell voltage
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("HV BMU timing log") << SystemPreset::HighVoltage << 0 << 118 << 8 << true;
    QTest::newRow("HV BMU event") << SystemPreset::HighVoltage << 0 << 2 << 4 << true;
    QTest::newRow("LV BMU timing log") << SystemPreset::LowVoltage << 0 << 118 << 9 << false;
    QTest::newRow("BMS timing record") << SystemPreset::HighVoltage << 1 << 3 << 17 << false;
    QTest::newRow("BMS start charging") << SystemPreset::LowVoltage << 2 << 4 << 17 << false;
}

void TestLogGenerator::wordsFollowTheUnitsByteOrder() {
    QFETCH(SystemPreset, preset);
    QFETCH(int, selector);
    QFETCH(int, code);
    QFETCH(int, cellOffset);
    QFETCH(bool, bigEndian);
    int checked = 0;
    for (const QByteArray& record : logOf(preset, selector)) {
        if (byteAt(record, 0) != code)
            continue;
        const QByteArray d = dataOf(record);
        const int mv = bigEndian ? wordBE(d, cellOffset) : wordLE(d, cellOffset);
        QVERIFY2(mv >= 3000 && mv <= 3700, qPrintable(QString::number(mv)));
        ++checked;
    }
    QVERIFY(checked > 0);
}

void TestLogGenerator::updatesAddRecords() {
    const SystemProfile hv = systemProfile(SystemPreset::HighVoltage);
    const QVector<QByteArray> bmu =
        bmuUpdateRecords(hv, UpdateKind::ParameterTable, SectionA, {3, 7}, logEnd);
    QCOMPARE(bmu.size(), 2);
    QCOMPARE(int(byteAt(bmu[0], 0)), 120); // newest first
    QCOMPARE(int(byteAt(bmu[1], 0)), 105);
    QCOMPARE(int(byteAt(bmu[1], 8)), 3); // d[1], d[2]: the table version
    QCOMPARE(int(byteAt(bmu[1], 9)), 7);
    const QVector<QByteArray> bms = bmsUpdateRecords(hv, SectionB, {3, 5}, {3, 7}, logEnd);
    QCOMPARE(bms.size(), 3);
    // High-voltage BMS: d[0] target section, d[1..2] before, d[3..4] after (sub, main).
    QCOMPARE(dataOf(bms.last()).left(5), QByteArray::fromHex("0105030703"));
}

QTEST_GUILESS_MAIN(TestLogGenerator)
#include "tst_loggenerator.moc"
