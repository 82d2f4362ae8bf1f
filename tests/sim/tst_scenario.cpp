#include "simtestutil.h"

#include "link/catalogue.h"
#include "sim/scenario.h"

#include <QtTest>

namespace {

const QDateTime logEnd(QDate(2024, 5, 17), QTime(16, 42, 10));

// Fetch of BMS 1 and its four pages, gathered into the 420-byte block.
QByteArray bmsBlock(BmuDevice& device) {
    ask(device, bmsInfoRequest(1));
    QByteArray block;
    for (int page = 1; page <= 4; ++page)
        block += ask(device, QString(Command::BmsInfoPage)).mid(5, page < 4 ? 128 : 36);
    return block;
}

} // namespace

class TestScenario : public QObject {
    Q_OBJECT

private slots:
    void appliesEveryPart();
    void rejectsWhatItCannotApply_data();
    void rejectsWhatItCannotApply();
};

void TestScenario::appliesEveryPart() {
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    device.setReadinessDelay(0);
    const QByteArray record = QByteArray::fromHex("0218051110142a01170040") + QByteArray(19, '\0');
    const QByteArray json = R"({
        "registers": {"0x050D": "0x8001", "1284": 65526},
        "bms": [{"number": 1, "offset": 58, "hex": "80 01"}],
        "history": {"0": [")" +
                            record.toHex(' ') + R"("]}
    })";
    QString error;
    QVERIFY2(applyScenario(json, device, &error), qPrintable(error));
    QCOMPARE(device.peekRegister(0x050D), quint16(0x8001));
    QCOMPARE(device.peekRegister(0x0504), quint16(0xFFF6)); // -1.0 A: charging
    QCOMPARE(wordBE(bmsBlock(device), 58), quint16(0x8001));
    QCOMPARE(device.historyLog(0).all(), QVector<QByteArray>{record});
    // A new seed keeps the replaced log.
    device.reseed(9, logEnd);
    QCOMPARE(device.historyLog(0).all(), QVector<QByteArray>{record});
}

void TestScenario::rejectsWhatItCannotApply_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not JSON") << QByteArray("{registers: 1");
    QTest::newRow("an array") << QByteArray("[1, 2]");
    QTest::newRow("address too large") << QByteArray(R"({"registers": {"0x10000": 1}})");
    QTest::newRow("address not a number") << QByteArray(R"({"registers": {"soc": 1}})");
    QTest::newRow("value too large") << QByteArray(R"({"registers": {"0x0500": 70000}})");
    QTest::newRow("negative value") << QByteArray(R"({"registers": {"0x0500": -1}})");
    QTest::newRow("no such BMS") << QByteArray(
        R"({"bms": [{"number": 3, "offset": 0, "hex": "00"}]})");
    QTest::newRow("bytes past the block")
        << QByteArray(R"({"bms": [{"number": 1, "offset": 419, "hex": "0000"}]})");
    QTest::newRow("odd hex") << QByteArray(
        R"({"bms": [{"number": 1, "offset": 0, "hex": "123"}]})");
    QTest::newRow("short record") << QByteArray(R"({"history": {"0": ["0218"]}})");
    QTest::newRow("no such log") << QByteArray(R"({"history": {"5": []}})");
}

void TestScenario::rejectsWhatItCannotApply() {
    QFETCH(QByteArray, json);
    BmuDevice device(SystemPreset::HighVoltage, 1, logEnd);
    // A valid part before the bad one must not be applied either.
    QByteArray withValidPart = json;
    if (json.startsWith("{\"") && !json.contains("registers"))
        withValidPart.insert(1, R"("registers": {"0x0500": 7}, )");
    QString error;
    QVERIFY(!applyScenario(withValidPart, device, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(device.peekRegister(0x0500) != 7);
    QVERIFY(device.historyLog(0).size() > 20);
}

QTEST_GUILESS_MAIN(TestScenario)
#include "tst_scenario.moc"
