#include "simtestutil.h"

#include "app/passwordcodec.h"
#include "firmware/downloadindex.h"
#include "firmware/firmwarefile.h"
#include "firmware/tablefile.h"
#include "history/batteryfamily.h"
#include "history/bmsdetail.h"
#include "history/bmsevents.h"
#include "history/bmuevents.h"
#include "history/hvbmudetail.h"
#include "history/lvbmudetail.h"
#include "sim/demodata.h"
#include "sim/historylog.h"
#include "sim/scenario.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

// The simulated BMU without its socket: what a Modbus master sees of it beyond the
// operations the tool runs (framing, exceptions, transfer verdicts, readiness), and what
// it makes up (seeded logs, scenarios, the demo folder), read back with the tool's own
// decoders.

namespace {

// Packet k (1-based) of a BMU firmware image: 128 bytes, the last one what is left
// (maybe none).
QByteArray packetFrame(const QByteArray& image, int number) {
    const QByteArray bytes = image.mid((number - 1) * 128, 128);
    return writeFrame(0x05F7, words({quint16(number), 0, quint16(bytes.size())}) + bytes);
}

QByteArray randomBytes(int size, quint32 seed) {
    QByteArray bytes;
    QRandomGenerator random{seed};
    while (bytes.size() < size)
        bytes.append(char(random.bounded(256)));
    return bytes;
}

bool isReady(BmuDevice& device, const char* poll) {
    return wordBE(ask(device, QString(poll)), 3) == Command::ReadyValue;
}

// Fetch, poll and the four pages of a BMS information block (bytes 5..132, the last
// 5..40); empty when the BMU never reports ready.
QByteArray readBmsBlock(BmuDevice& device, int bms) {
    ask(device, bmsInfoRequest(quint16(bms)));
    if (!isReady(device, Command::BmsInfoReadyPoll))
        return {};
    QByteArray block;
    for (int page = 1; page <= 4; ++page)
        block += ask(device, QString(Command::BmsInfoPage)).mid(5, page < 4 ? 128 : 36);
    return block;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void addPresetRows() {
    QTest::addColumn<SystemPreset>("preset");
    QTest::newRow("hv") << SystemPreset::HighVoltage;
    QTest::newRow("lv") << SystemPreset::LowVoltage;
    QTest::newRow("qpa5") << SystemPreset::Qpa5;
}

} // namespace

class TestBmuDevice : public QObject {
    Q_OBJECT

private slots:
    // Every cut of the stream into two segments gives the frame, after bytes that are no
    // request; two frames in one segment come out as two.
    void parserFindsFramesInAnyCut_data() {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<QByteArray>("frame");
        const QByteArray poll = hexToBytes(Command::BmsInfoReadyPoll);
        QTest::newRow("status read") << QByteArray() << hexToBytes(Command::StatusFirst);
        QTest::newRow("odd last packet")
            << QByteArray() << writeFrame(0x0647, words({9, 0, 43}) + QByteArray(43, 'y'));
        QTest::newRow("unknown function")
            << QByteArray() << frameWithCrc(QByteArray::fromHex("012B0E0100"));
        QTest::newRow("after stray bytes") << QByteArray::fromHex("FF00A5") << poll;
        QTest::newRow("after a read with a bad CRC")
            << QByteArray::fromHex("0103000000660000") << poll;
        QTest::newRow("after a cut-off write") << QByteArray::fromHex("0110001000030609") << poll;
        QTest::newRow("after an unknown function without end")
            << QByteArray::fromHex("0177123456") << poll;
    }

    void parserFindsFramesInAnyCut() {
        QFETCH(QByteArray, prefix);
        QFETCH(QByteArray, frame);
        const QByteArray stream = prefix + frame;
        for (int cut = 0; cut <= stream.size(); ++cut) {
            RequestParser parser;
            QVector<ModbusRequest> requests = parser.feed(stream.left(cut));
            requests += parser.feed(stream.mid(cut));
            QVERIFY2(!requests.isEmpty(), qPrintable(QString::number(cut)));
            QCOMPARE(requests.last().frame, frame);
            if (prefix.isEmpty())
                QCOMPARE(requests.size(), 1);
            QCOMPARE(parser.pendingSize(), 0);
        }
        QCOMPARE(RequestParser().feed(frame + frame).size(), 2);
    }

    // code 0: no reply at all, as another slave on a serial bus would answer.
    void exceptionsAndSilence_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("code");
        const QByteArray setup = QByteArray::fromHex("10001000030600010000000000");
        QTest::newRow("read for slave 2") << frameWithCrc(QByteArray::fromHex("020300100003")) << 0;
        QTest::newRow("broadcast setup write") << frameWithCrc('\x00' + setup) << 0;
        QTest::newRow("read input registers")
            << frameWithCrc(QByteArray::fromHex("010400000001")) << 1;
        QTest::newRow("read of an unmapped register") << readFrame(0x0200, 1) << 2;
        QTest::newRow("read running past the status block") << readFrame(0x0060, 8) << 2;
        QTest::newRow("write over the end of the setup") << writeFrame(0x0012, words({1, 2})) << 2;
        QTest::newRow("firmware header of four registers")
            << writeFrame(0x05F0, words({1, 2, 0x8100, 4})) << 2;
        QTest::newRow("read of no register") << readFrame(0x0000, 0) << 3;
        QTest::newRow("read of 126 registers") << readFrame(0x0000, 126) << 3;
        QTest::newRow("byte count of two registers for three")
            << frameWithCrc(QByteArray::fromHex("0110001000030409050101")) << 3;
    }

    void exceptionsAndSilence() {
        QFETCH(QByteArray, request);
        QFETCH(int, code);
        BmuDevice device = testDevice();
        const quint16 setup = device.peekRegister(0x0010);
        const QByteArray reply = ask(device, request);
        if (code == 0) {
            QVERIFY(reply.isEmpty());
        } else {
            QCOMPARE(reply.size(), 5);
            QVERIFY(crcIsValid(reply));
            QCOMPARE(byteAt(reply, 1), quint8(byteAt(request, 1) | 0x80));
            QCOMPARE(int(byteAt(reply, 2)), code);
        }
        QCOMPARE(device.peekRegister(0x0010), setup);
        QVERIFY(device.setupWrites().isEmpty());
    }

    // The verdict the BMU gives after a firmware transfer: only the announced image, every
    // packet in order, is taken; a packet sent again after a lost echo is taken once.
    void transferVerdicts_data() {
        QTest::addColumn<int>("announced"); // image size in the header; -1: no header
        // Packets of a 301-byte image in send order; a negative number sends that packet
        // with other bytes.
        QTest::addColumn<QVector<int>>("packets");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("odd last packet") << 301 << QVector<int>{1, 2, 3} << true;
        QTest::newRow("repeats taken once") << 301 << QVector<int>{1, 2, 2, 3, 3} << true;
        QTest::newRow("a packet skipped") << 301 << QVector<int>{1, 3} << false;
        QTest::newRow("packets swapped") << 301 << QVector<int>{1, 3, 2} << false;
        QTest::newRow("header announces more") << 302 << QVector<int>{1, 2, 3} << false;
        QTest::newRow("no header") << -1 << QVector<int>{1, 2, 3} << false;
        QTest::newRow("other bytes under a taken number")
            << 301 << QVector<int>{1, -1, 2, 3} << false;
    }

    void transferVerdicts() {
        QFETCH(int, announced);
        QFETCH(QVector<int>, packets);
        QFETCH(bool, accepted);
        BmuDevice device = testDevice();
        const QByteArray image = randomBytes(301, 1), other = randomBytes(301, 2);
        QVector<QByteArray> frames;
        if (announced >= 0) // version, section, start command, size low word first
            frames << writeFrame(0x05F0, words({0x030E, 1, 0x8100, quint16(announced), 0}));
        for (int k : packets)
            frames << packetFrame(k < 0 ? other : image, qAbs(k));
        for (const QByteArray& frame : frames) // each echoes address and count
            QCOMPARE(ask(device, frame), frameWithCrc(frame.left(6)));
        const QByteArray result = ask(device, QString(Command::BmuUpdateResult));
        QCOMPARE(wordBE(result, 7) == 0, accepted); // the third of nine registers
        if (accepted)
            QCOMPARE(device.receivedImage(TransferTarget::BmuFirmware), image);
    }

    void scenarioOverridesWhatTheDeviceComputes() {
        const QByteArray record =
            QByteArray::fromHex("0218051110142a01170040") + QByteArray(19, '\0');
        BmuDevice device = testDevice();
        QString error;
        QVERIFY2(applyScenario(R"({"registers": {"0x050D": "0x8001", "1284": 65526, "0x0300": 7},
                                  "bms": [{"number": 1, "offset": 58, "hex": "80 01"}],
                                  "history": {"0": [")" +
                                   record.toHex(' ') + R"("]}})",
                               device, &error),
                 qPrintable(error));
        device.advance(1200); // the values move on, the overrides stay
        QCOMPARE(ask(device, QString(Command::StatusSecond)).mid(3 + 2 * 4, 2), words({0xFFF6}));
        QCOMPARE(device.peekRegister(0x050D), quint16(0x8001));
        QCOMPARE(wordBE(readBmsBlock(device, 1), 58), quint16(0x8001));
        QCOMPARE(device.historyLog(0).all(), QVector<QByteArray>{record});
        device.reseed(9, logEnd); // a new seed keeps the replaced log
        QCOMPARE(device.historyLog(0).all(), QVector<QByteArray>{record});
        // An overridden unmapped register is read and written from the link until cleared.
        QCOMPARE(ask(device, readFrame(0x0300, 1)).mid(3, 2), words({7}));
        QCOMPARE(ask(device, writeFrame(0x0300, words({0x4321}))).size(), 8);
        QCOMPARE(device.peekRegister(0x0300), quint16(0x4321));
        device.clearRegister(0x0300);
        QCOMPARE(byteAt(ask(device, readFrame(0x0300, 1)), 1), quint8(0x83));
    }

    void scenarioRejectsWhatItCannotApply_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("{registers: 1");
        QTest::newRow("an array") << QByteArray("[1, 2]");
        QTest::newRow("address too large") << QByteArray(R"({"registers": {"0x10000": 1}})");
        QTest::newRow("address not a number") << QByteArray(R"({"registers": {"soc": 1}})");
        QTest::newRow("value too large") << QByteArray(R"({"registers": {"0x0500": 70000}})");
        QTest::newRow("no such BMS")
            << QByteArray(R"({"bms": [{"number": 3, "offset": 0, "hex": "00"}]})");
        QTest::newRow("bytes past the block")
            << QByteArray(R"({"bms": [{"number": 1, "offset": 419, "hex": "0000"}]})");
        QTest::newRow("odd hex") << QByteArray(
            R"({"bms": [{"number": 1, "offset": 0, "hex": "123"}]})");
        QTest::newRow("short record") << QByteArray(R"({"history": {"0": ["0218"]}})");
        QTest::newRow("no such log") << QByteArray(R"({"history": {"5": []}})");
    }

    void scenarioRejectsWhatItCannotApply() {
        QFETCH(QByteArray, json);
        BmuDevice device = testDevice();
        // A valid part before the bad one must not be applied either.
        if (json.startsWith("{\"") && !json.contains("registers"))
            json.insert(1, R"("registers": {"0x0500": 7}, )");
        QString error;
        QVERIFY(!applyScenario(json, device, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(device.peekRegister(0x0500) != 7);
        QVERIFY(device.historyLog(0).size() > 20);
    }

    // Every generated record reads as the tool reads it: a known code, a time stamp within
    // the last 20 days, newest first, and cell voltages in the unit's byte order; the BMS
    // logs give the Events table every level.
    void generatedLogsReadAsTheToolReadsThem_data() { addPresetRows(); }

    void generatedLogsReadAsTheToolReadsThem() {
        QFETCH(SystemPreset, preset);
        const BmuDevice device = testDevice(preset);
        const SystemProfile& p = device.profile();
        const QString family = QLatin1String(p.highVoltage ? LumenoHv : LumenoLv);
        const QRegularExpression bmuCell(QStringLiteral("Cell_(?:HV|Max\\._V):(\\d+)mV"));
        QSet<QString> eventLevels;
        for (int unit = 0; unit <= p.bmsCount; ++unit) {
            const QVector<QByteArray>& records = device.historyLog(unit).all();
            QVERIFY(records.size() > 40);
            QDateTime previous = logEnd;
            int cellValues = 0;
            for (int first = 0; first < records.size(); first += HistoryRecord::PerBlock) {
                const QVector<QByteArray> part = records.mid(first, HistoryRecord::PerBlock);
                QByteArray block;
                for (const QByteArray& record : part)
                    block += record;
                const BmsBlockRows bms = unit > 0 ? decodeBmsBlock(block) : BmsBlockRows{};
                const TextRows rows =
                    unit == 0 ? decodeBmuBlock(block, QString(p.serial)) : bms.history;
                for (int r = 0; r < part.size(); ++r) {
                    const QString row = rows[r].join(QLatin1Char('|'));
                    const QDateTime when =
                        QDateTime::fromString(rows[r][0], QStringLiteral("yyyy-MM-dd HH:mm:ss"));
                    QVERIFY2(when.isValid() && when <= previous && when >= logEnd.addDays(-20),
                             qPrintable(row));
                    QVERIFY2(!rows[r][2].contains(QLatin1String("efined")), qPrintable(row));
                    previous = when;
                    const int code = byteAt(part[r], 0);
                    const QByteArray data = part[r].mid(7);
                    QString cell; // the highest cell voltage, mV, where the record has one
                    if (unit == 0)
                        cell = bmuCell
                                   .match(p.highVoltage ? hvBmuDetail(code, data)
                                                        : lvBmuDetail(code, data))
                                   .captured(1);
                    else if (code == 3 || code == 4) // timing record, start charging
                        cell = bmsDetailTexts(code, data, family).value(10);
                    if (!cell.isEmpty()) {
                        QVERIFY2(cell.toInt() >= 3000 && cell.toInt() <= 3700, qPrintable(row));
                        ++cellValues;
                    }
                }
                for (const QStringList& event : bms.events)
                    eventLevels << event.value(1);
            }
            QVERIFY(cellValues > 0);
        }
        const QSet<QString> levels{"Warning Level2", "Warning Level3", "Alarm"};
        QCOMPARE(eventLevels, levels);
    }

    // The tool logs in with the demo passwords and takes every update file as newer than
    // what the simulated system runs, and whole.
    void demoFolderHoldsWhatTheToolTakes_data() { addPresetRows(); }

    void demoFolderHoldsWhatTheToolTakes() {
        QFETCH(SystemPreset, preset);
        const SystemProfile p = systemProfile(preset);
        QTemporaryDir dir;
        QString error;
        QVERIFY2(prepareDemoFolder(dir.path(), preset, QString(), &error), qPrintable(error));

        QSettings config(dir.filePath("Config.ini"), QSettings::IniFormat);
        config.beginGroup("B");
        for (const DemoPassword& entry : demoPasswords())
            QCOMPARE(decodeStoredPassword(config.value(entry.key).toString()),
                     QString::fromLatin1(entry.password));

        const QDir data(dir.filePath("Data"));
        const QStringList files = data.entryList({"*.bin"}, QDir::Files);
        QCOMPARE(selectMissingFiles(parseDownloadIndex(readFile(data.filePath("log.txt"))), files),
                 QStringList());
        for (const bool bms : {false, true}) {
            const FirmwareVersion running = bms ? p.bmsA : p.bmuA; // section A runs
            const auto image = selectFirmwareFile(files, bms ? "BMS" : "BMU", p.familyCode,
                                                  QStringLiteral("V%1-A").arg(running.text()));
            QVERIFY(image);
            QCOMPARE(QStringLiteral("%1.%2").arg(image->main).arg(image->sub),
                     (bms ? p.newBms : p.newBmu).text());
            QCOMPARE(checkFirmwareImage(readFile(data.filePath(image->fileName)), image->crcText),
                     ImageCheck::Good);
        }
        const TableScan table = scanTableFileNames(files, p.batteryTypeName, "V" + p.table.text());
        QCOMPARE(table.shownVersion, "V" + p.newTable.text());
        QVERIFY(tableCrcMatches(decodeTableFile(readFile(data.filePath(table.selectedFile)))));
    }
};

QTEST_GUILESS_MAIN(TestBmuDevice)
#include "tst_bmudevice.moc"
