// The command line run in-process against the simulated BMU at scaled timing: what each
// command prints against what the simulator holds, what it sends, and how it ends. Then
// the program itself, as a shell runs it: its exit codes and streams, the version, help,
// the language of the locale, a demo run at the system's own pacing and a real Ctrl+C.

#include "cli/cli.h"
#include "cli/console.h"
#include "cli/exitcode.h"
#include "cli/reportformat.h"
#include "files/spreadsheetreader.h"
#include "firmware/tablefile.h"
#include "history/historyrecord.h"
#include "link/bytes.h"
#include "link/crc.h"
#include "tests/files/filefixture.h"
#include "tests/firmware/ftpserverprocess.h"
#include "tests/session/sessionrig.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>

namespace {

constexpr double Scale = 0.1;

struct CliRun {
    int code;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

CliRun runCommand(const QStringList& arguments) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = runCli(QStringList{"voltaro-cli"} + arguments, outStream, errStream, false,
                            CliEnvironment{Scale});
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

// The JSON report of a command that is to succeed: empty, with its messages shown, when it
// does not.
QJsonObject reportOf(const QStringList& arguments) {
    const CliRun run = runCommand(arguments + QStringList{"--format", "json"});
    if (run.code != ExitDone)
        qWarning("exit code %d: %s", run.code, qPrintable(run.err));
    return run.code == ExitDone ? run.json() : QJsonObject();
}

// Bytes that are neither a spreadsheet, a text table nor the image a file name promises.
const QByteArray noKind = QByteArray::fromHex("00ff10fe000102fffe");

// The data file of the demo folder whose name starts so.
QString dataFile(const QString& start) {
    const QStringList names = QDir("Data").entryList({start + "*"}, QDir::Files);
    return names.isEmpty() ? QString() : QDir("Data").filePath(names.first());
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(work.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(work.path());
        rig = std::make_unique<SessionRig>(SystemPreset::HighVoltage, Scale);
    }

    void cleanup() {
        rig.reset();
        QDir::setCurrent(previousFolder);
        QDir(work.path()).removeRecursively();
        QDir().mkpath(work.path());
    }

    void statusMatchesTheSimulator_data() {
        QTest::addColumn<SystemPreset>("preset");
        QTest::addColumn<bool>("silentAtFirst"); // the BMU leaves the first refresh unanswered
        QTest::newRow("hv") << SystemPreset::HighVoltage << false;
        QTest::newRow("lv, the first refresh unanswered") << SystemPreset::LowVoltage << true;
    }

    // Every value as the simulator holds it; --retries 1 repeats a refresh that failed (the
    // BMU answers from the request after its two status reads); -v traces every frame on the
    // error stream.
    void statusMatchesTheSimulator() {
        QFETCH(SystemPreset, preset);
        QFETCH(bool, silentAtFirst);
        rig = std::make_unique<SessionRig>(preset, Scale);
        rig->simulator.setDropEveryNth(silentAtFirst ? 1 : 0);
        connect(&rig->simulator, &BmuSimulator::requestReceived, this, [this] {
            if (rig->simulator.requestCount() == 3)
                rig->simulator.setDropEveryNth(0);
        });
        const SystemProfile& p = rig->profile();
        QSignalSpy replies(&rig->simulator, &BmuSimulator::replySent);
        const CliRun run =
            runCommand(bmu() + QStringList{"-v", "--retries", "1", "status", "--format", "json"});
        QCOMPARE(run.code, int(ExitDone));
        const QJsonObject s = run.json();
        auto reg = [&](quint16 address) { return rig->simulator.device().peekRegister(address); };
        QCOMPARE(s["serial_number"].toString(), QString::fromLatin1(p.serial));
        QCOMPARE(s["battery_type"].toString(), p.batteryTypeName);
        QCOMPARE(s["bms_count"].toInt(), p.bmsCount);
        QCOMPARE(s.contains("modules_per_tower"), p.highVoltage);
        if (p.highVoltage)
            QCOMPARE(s["modules_per_tower"].toInt(), p.modulesPerBms);
        QCOMPARE(s["soc_percent"].toInt(), int(reg(BmuRegister::Soc)));
        QCOMPARE(s["current_a"].toDouble(), signed16(reg(BmuRegister::Current)) / 10.0);
        QCOMPARE(s["battery_voltage_v"].toDouble(), reg(BmuRegister::BatteryVoltage) / 100.0);
        QCOMPARE(s["max_cell_voltage_v"].toDouble(), reg(BmuRegister::MaxCellVoltage) / 100.0);
        QCOMPARE(s["min_cell_temperature_c"].toInt(), signed16(reg(BmuRegister::MinTemperature)));
        const bool runsA = p.bmuRunning == SectionA;
        QCOMPARE(s["bmu_firmware"].toString(),
                 QStringLiteral("V%1-%2").arg((runsA ? p.bmuA : p.bmuB).text(), runsA ? "A" : "B"));
        QCOMPARE(s["setup_module_count"].toInt(),
                 p.highVoltage ? p.moduleCountByte & 0x0F : p.moduleCountByte);
        QCOMPARE(s["warnings"].toArray().first()["level"].toString(), QString("normal"));
        const QString time = QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} ");
        const auto lines = QRegularExpression::MultilineOption;
        QCOMPARE(run.err.count(QRegularExpression(time + "> 01 (03|10) ", lines)),
                 rig->simulator.requestCount());
        QCOMPARE(run.err.count(QRegularExpression(time + "< 01 ", lines)), replies.count());
    }

    void bmsCellsMatchTheSimulator_data() {
        QTest::addColumn<SystemPreset>("preset");
        QTest::addColumn<int>("bms");
        QTest::newRow("hv tower 2, read after the refresh") << SystemPreset::HighVoltage << 2;
        QTest::newRow("lv module 1") << SystemPreset::LowVoltage << 1;
        QTest::newRow("qpa5, two passes of the refresh") << SystemPreset::Qpa5 << 1;
    }

    void bmsCellsMatchTheSimulator() {
        QFETCH(SystemPreset, preset);
        QFETCH(int, bms);
        rig = std::make_unique<SessionRig>(preset, Scale);
        const SystemProfile& p = rig->profile();
        const BatteryState& battery = rig->simulator.device().battery();
        const QJsonObject info = reportOf(bmu() + QStringList{"bms", QString::number(bms)});
        QCOMPARE(info["serial_number"].toString(), QString::fromLatin1(p.bmsSerial(bms)));
        const QJsonArray cells = info["cells"].toArray();
        QCOMPARE(cells.size(), p.cellsPerBms());
        for (int i = 0; i < cells.size(); ++i) {
            QCOMPARE(cells[i]["cell"].toInt(), i + 1);
            QCOMPARE(cells[i]["module"].toInt(), p.highVoltage ? i / p.cellsPerModule + 1 : 1);
            QCOMPARE(cells[i]["voltage_mv"].toInt(), battery.cellMillivolts(bms, i));
        }
        const QJsonArray sensors = info["temperatures"].toArray();
        QCOMPARE(sensors.size(), p.temperaturesPerBms());
        for (int i = 0; i < sensors.size(); ++i)
            QCOMPARE(sensors[i]["temperature_c"].toInt(),
                     qBound(0, battery.temperature(bms, i), 255));
    }

    void setupIsWrittenAndReadBack() {
        const SystemProfile& p = rig->profile();
        const QJsonObject now = reportOf(
            bmu() + QStringList{"setup", "--modules", "3", "--grid", "off", "--phase", "single"});
        // The settings not given stay as they were; a high-voltage count keeps its tower digit.
        const char count = char(p.highVoltage ? p.bmsCount << 4 | 3 : 3);
        const QByteArray written = QByteArray(1, char(p.inverterCode)) + count +
                                   char(p.batteryTypeCode) + QByteArray(3, '\0');
        QCOMPARE(rig->simulator.setupWrites(), QVector<QByteArray>{written});
        QCOMPARE(now["module_count"].toInt(), 3);
        QCOMPARE(now["grid"].toString(), QString("OFF GRID"));
        QCOMPARE(now["phase"].toString(), QString("Single"));
        QCOMPARE(now["battery_type"].toString(), p.batteryTypeName);
    }

    void historyRecordsAsTheBmuHoldsThem_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("detailKey");
        QTest::addColumn<bool>("fast");
        QTest::newRow("bmu, 25 of two blocks") << "bmu" << 25 << "details" << false;
        QTest::newRow("bms2, one block, fast reads") << "bms2" << 20 << "warning_1" << true;
    }

    void historyRecordsAsTheBmuHoldsThem() {
        QFETCH(QString, unit);
        QFETCH(int, records);
        QFETCH(QString, detailKey);
        QFETCH(bool, fast);
        const int selector = unit == "bmu" ? 0 : unit.mid(3).toInt();
        const QVector<QByteArray> log = rig->simulator.device().historyLog(selector).all();
        const QJsonArray rows = reportOf(bmu() + (fast ? QStringList{"--fast"} : QStringList()) +
                                         QStringList{"history", "--unit", unit, "--records",
                                                     QString::number(records)})["records"]
                                    .toArray();
        QCOMPARE(rows.size(), records);
        for (int i = 0; i < records; ++i) {
            const QJsonObject row = rows[i].toObject();
            QCOMPARE(row["code"].toInt(), int(byteAt(log[i], 0)));
            QCOMPARE(row["date_time"].toString(), recordTimeStamp(log[i], 0));
            QCOMPARE(row["log_data"].toString(), recordLogDataText(log[i], 0));
            QVERIFY(row.contains(detailKey));
        }
    }

    // Events records carry level-2, level-3 and fault words, little-endian, at data 2..7: the
    // events of the first three records, the fourth one's left out.
    void eventsOfTheRecordsAskedFor() {
        const auto record = [](quint8 code, const char* hex) {
            return HistoryRecord::make(code, QDateTime(QDate(2024, 5, 1), QTime(10, 15)),
                                       QByteArray::fromHex(hex));
        };
        rig->simulator.device().setHistoryRecords(1, {record(2, "00000100000000"),
                                                      record(2, "00000000000004"), record(5, ""),
                                                      record(2, "00000100000000")});
        QStringList seen;
        for (const QJsonValue row :
             reportOf(bmu() + QStringList{"events", "--unit", "bms1", "--records", "3"})["events"]
                 .toArray())
            seen << row["fault_level"].toString();
        QCOMPARE(seen, QStringList({"Warning Level2", "Alarm"}));
    }

    void transferArrivesByteIdentical_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("bmu image from Data") << QStringList{"flash", "bmu"} << "BMU-"
                                             << "Update Successful!!!";
        QTest::newRow("bms image given") << QStringList{"flash", "bms", "@"} << "BMS-"
                                         << "Data has been loaded to BMU successfully!!";
        QTest::newRow("parameter table") << QStringList{"table"} << "QPB-TAB"
                                         << "update Successful!!!";
    }

    void transferArrivesByteIdentical() {
        QFETCH(QStringList, command);
        QFETCH(QString, file);
        QFETCH(QString, verdict);
        QVERIFY(demoFolder());
        const QString path = dataFile(file);
        command.replaceInStrings("@", path);
        QCOMPARE(reportOf(bmu() + command)["verdict"].toArray().first().toString(), verdict);
        const QByteArray sent = readBytes(path);
        if (file == "BMU-")
            QCOMPARE(rig->simulator.bmuFirmwareImage(), sent);
        else if (file == "BMS-")
            QCOMPARE(rig->simulator.bmsFirmwareImage(), sent);
        else
            QCOMPARE(rig->simulator.tableBytes(), decodeTableFile(sent).tableData);
    }

    void exitCodes_data() {
        QTest::addColumn<QStringList>("arguments");
        // "silent": the BMU answers nothing; else a file written with bytes of no known kind.
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");

        // Config.ini names a closed port; --bmu, where given, wins.
        const QStringList link{"--bmu", "@"};
        QTest::newRow("link down, from Config.ini")
            << QStringList{"status"} << "" << 3 << "Cannot reach the BMU at 127.0.0.1:1.";
        QTest::newRow("BMU silent")
            << link + QStringList{"status"} << "silent" << 1 << "No valid reply from the BMU";
        QTest::newRow("module count refused")
            << link + QStringList{"setup", "--modules", "256"} << "" << 2
            << "whole number from 0 to 255. Nothing was written.";
        QTest::newRow("modules per tower above 15")
            << link + QStringList{"setup", "--modules", "16"} << "" << 2
            << "the modules per tower are a number from 0 to 15";
        QTest::newRow("BMS beyond the towers")
            << link + QStringList{"bms", "3"} << "" << 2 << "The system lists 2 BMS";
        QTest::newRow("inverter of the other family")
            << link + QStringList{"setup", "--inverter", "victron lv"} << "" << 2
            << "\"Victron LV\" is not an inverter of this system";
        const QString damaged = "Data/BMU-P3-3.13-B-0000.bin";
        QTest::newRow("damaged image") << link + QStringList{"flash", "bmu", damaged} << damaged
                                       << 4 << "is incomplete (its CRC does not match its name)";
        const QString running = "Data/BMU-P3-3.12-B-" + crcText(modbusCrc16(noKind)) + ".bin";
        QTest::newRow("same version refused") << link + QStringList{"flash", "bmu", running}
                                              << running << 4 << "runs this version already";
        QTest::newRow("missing file")
            << QStringList{"crc", "missing.bin"} << "" << 4 << "missing.bin does not exist.";
        QTest::newRow("a folder") << QStringList{"translate", ".", "--unit", "bmu"} << "" << 4
                                  << ". is a folder, not a file.";
        QTest::newRow("another format")
            << QStringList{"translate", "Data/image.bin", "--unit", "bms"} << "Data/image.bin" << 4
            << "Data/image.bin: The file is neither a spreadsheet nor a text table.";
        QTest::newRow("unknown unit")
            << QStringList{"history", "--unit", "bmx"} << "" << 2 << "Unknown unit \"bmx\"";
        for (const char* records : {"0", "-5", "abc", "2.5"})
            QTest::newRow(qPrintable(QStringLiteral("records %1").arg(records)))
                << QStringList{"history", QStringLiteral("--records=%1").arg(records)} << "" << 2
                << QStringLiteral("--records must be a whole number above 0, not \"%1\".")
                       .arg(records);
        QTest::newRow("unknown format") << QStringList{"crc", "x", "--format", "xml"} << "" << 2
                                        << "--format must be table, json or csv.";
    }

    void exitCodes() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, prepare);
        QFETCH(int, code);
        QFETCH(QString, message);
        QVERIFY(demoFolder());
        QVERIFY(writeBytes("Config.ini", "[Link]\nHost=127.0.0.1\nPort=1\n"));
        if (prepare == "silent")
            rig->simulator.setDropEveryNth(1);
        else if (!prepare.isEmpty())
            QVERIFY(writeBytes(prepare, noKind));
        arguments.replaceInStrings("@",
                                   QStringLiteral("127.0.0.1:%1").arg(rig->simulator.serverPort()));
        const QStringList before = QDir("Data").entryList(QDir::Files);

        const CliRun run = runCommand(arguments + QStringList{"--out", "result.json"});
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists("result.json"));
        QCOMPARE(QDir("Data").entryList(QDir::Files), before);
        if (code == ExitUsage || code == ExitFileRefused)
            QCOMPARE(rig->simulator.setupWrites().size() + rig->simulator.bmuFirmwareImage().size(),
                     0);
    }

    // Ctrl+C after the second packet (a history read is stopped by a real SIGINT below).
    void interruptStopsAnUpdate() {
        QVERIFY(demoFolder());
        int packets = 0;
        const auto press = connect(
            &rig->simulator, &BmuSimulator::requestReceived, this, [&](const QByteArray& frame) {
                if (frame.startsWith(QByteArray::fromHex("011005f70043")) && ++packets == 2)
                    std::raise(SIGINT);
            });
        const CliRun run = runCommand(bmu() + QStringList{"flash", "bmu"});
        disconnect(press);
        QCOMPARE(run.code, int(ExitInterrupted));
        QVERIFY2(run.err.contains("The update did not end: Stopped with Ctrl+C. Nothing is known "
                                  "to be updated."),
                 qPrintable(run.err));
        QTRY_COMPARE(rig->simulator.openConnections(), 0); // the link is closed
        QVERIFY(rig->simulator.bmuFirmwareImage().size() < readBytes(dataFile("BMU-")).size());
    }

    // The report on the output as CSV, and written by the extension of --out (JSON is the
    // form of every other test); read back with the tool's own spreadsheet reader.
    void crcInEveryFormat_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("file"); // where the report is read back from
        QTest::newRow("--format csv") << QStringList{"--format", "csv"} << "output.csv";
        for (const char* file : {"crc.csv", "crc.xlsx", "crc.txt"})
            QTest::newRow(file) << QStringList{"--out", file} << file;
    }

    void crcInEveryFormat() {
        QFETCH(QStringList, options);
        QFETCH(QString, file);
        // A name with a comma and a quote, which CSV must quote.
        const QString image = "image,\"1\".bin";
        QVERIFY(writeBytes(image, QByteArray("firmware bytes")));
        const CliRun run = runCommand(QStringList{"crc", image} + options);
        QCOMPARE(run.code, int(ExitDone));
        if (options.contains("--out"))
            QVERIFY(run.out.isEmpty());
        else
            QVERIFY(writeBytes(file, run.out.toUtf8()));
        const SheetReadResult sheet = readFirstWorksheet(file);
        QVERIFY2(sheet.ok(), qPrintable(sheet.error));
        QCOMPARE(sheet.rows.value(1).mid(0, 2),
                 (QStringList{file.endsWith(".csv") ? "file" : "File", image}));
        QCOMPARE(sheet.rows.value(3).value(1), crcText(modbusCrc16("firmware bytes")));
    }

    void translateSavedLogs_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("columns");
        QTest::newRow("bmu lv dates") << fixture("history-bmu-lv-dates.xlsx")
                                      << QStringList{"--unit", "bmu", "--family", "lv"} << 4;
        QTest::newRow("bms xls") << fixture("history-bms.xls") << QStringList{"--unit", "bms"}
                                 << 18;
    }

    void translateSavedLogs() {
        QFETCH(QString, file);
        QFETCH(QStringList, options);
        QFETCH(int, columns);
        const SheetRows saved = readFirstWorksheet(file).rows;
        const QJsonArray rows =
            reportOf(QStringList{"translate", file} + options)["records"].toArray();
        QCOMPARE(rows.size(), saved.size() - 1);
        for (int i = 0; i < rows.size(); ++i) {
            const QJsonObject row = rows[i].toObject();
            QCOMPARE(row.size(), columns);
            QCOMPARE(row["description"].toString(), saved[i + 1][2]);
            QCOMPARE(row["date_time"].toString().left(10), saved[i + 1][0].left(10));
        }
    }

    void packageWritesATableFile() {
        const QJsonObject report =
            reportOf({"package", fixture("param-table-qpa.xlsx"), "--type", "QPA"});
        QCOMPARE(QDir("Data").entryList(QDir::Files), QStringList{"QPA-TAB-2-3.7.bin"});
        const TableBlock block = decodeTableFile(readBytes("Data/QPA-TAB-2-3.7.bin"));
        QVERIFY(tableCrcMatches(block));
        QCOMPARE(block.tableData.size(), 1068);
        QCOMPARE(
            report["file"].toString(),
            QDir::toNativeSeparators(QDir::current().absoluteFilePath("Data/QPA-TAB-2-3.7.bin")));
    }

    void downloadFetchesTheMissingFiles() {
        QTemporaryDir serverRoot;
        QVERIFY(demoFolder(serverRoot.path()));
        FtpServerProcess server;
        server.start(serverRoot.path());
        QVERIFY(server.port() != 0);
        const QStringList offered =
            QDir(serverRoot.filePath("Data")).entryList({"*.bin"}, QDir::Files);
        const QJsonObject report = reportOf(
            {"download", "--server", QStringLiteral("ftp://127.0.0.1:%1").arg(server.port())});
        QCOMPARE(report["files_downloaded"].toVariant().toStringList(), offered);
        for (const QString& name : offered)
            QCOMPARE(readBytes("Data/" + name), readBytes(serverRoot.filePath("Data/" + name)));

        // The run closes its sessions to the server (Qt's FTP client does so on its own time).
        QTRY_COMPARE(server.sessionsClosed(), server.sessionsOpened());
        // With the server gone the run fails as unreachable.
        server.stop();
        const CliRun down = runCommand(
            {"download", "--server", QStringLiteral("ftp://127.0.0.1:%1").arg(server.port())});
        QCOMPARE(down.code, int(ExitUnreachable));
        QVERIFY(down.err.contains("Download failure, please check the internet connection."));
    }

    // The time left shown beside the progress bar: none before the first step is done,
    // then the pace so far, rounded up to whole seconds.
    void timeLeft_data() {
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<qint64>("done");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QString>("left");
        QTest::newRow("nothing done yet") << qint64(5000) << qint64(0) << qint64(10) << "";
        QTest::newRow("a quarter in 10 s") << qint64(10000) << qint64(1) << qint64(4) << "0:30";
        QTest::newRow("minutes, seconds rounded up")
            << qint64(60500) << qint64(1) << qint64(2) << "1:01";
        QTest::newRow("all done") << qint64(9000) << qint64(7) << qint64(7) << "0:00";
    }

    void timeLeft() {
        QFETCH(qint64, elapsedMs);
        QFETCH(qint64, done);
        QFETCH(qint64, total);
        QTEST(timeLeftText(elapsedMs, done, total), "left");
    }

    // A Chinese character takes two columns on a terminal: values and columns line up by
    // those columns, not by the number of characters.
    void tableAlignsChineseText() {
        Report report;
        report.add("serial_number", QStringLiteral("序列号"), textValue("P02"));
        report.add("soc_percent", QStringLiteral("SOC (%)"), integerValue(60));
        ReportTable& table = report.addTable(QStringLiteral("warnings"), QString(),
                                             {{"level", QStringLiteral("等级")}, {"text", "Text"}});
        table.rows << QVector<ReportValue>{textValue(QStringLiteral("告警")), textValue("a")}
                   << QVector<ReportValue>{textValue("alarm"), textValue(QStringLiteral("过压"))};
        QCOMPARE(reportAsTable(report), QStringLiteral("序列号   P02\n"
                                                       "SOC (%)  60\n"
                                                       "\n"
                                                       "等级   Text\n"
                                                       "告警   a\n"
                                                       "alarm  过压\n"));
    }

    // The program itself: exit code and streams (the output empty on failure), help and
    // messages in the language of the locale (its user settings, in the working folder,
    // choose none), a demo run at the system's own pacing as a table and as JSON, whose keys
    // stay as they are.
    void programRuns_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out"); // expected in the output
        QTest::addColumn<QString>("err"); // expected in the error stream
        const QStringList demo{"--demo", "--system", "lv", "status", "--format"};
        QTest::newRow("version") << QStringList{"--version"} << "C" << 0
                                 << QStringLiteral("voltaro-cli " VOLTARO_VERSION "\n") << "";
        QTest::newRow("help of a command") << QStringList{"flash", "--help"} << "C" << 0
                                           << "Usage: voltaro-cli [options] flash bmu|bms [FILE]"
                                           << "";
        QTest::newRow("unknown option") << QStringList{"status", "--colour"} << "C" << 2 << ""
                                        << "Unknown option 'colour'.";
        QTest::newRow("demo table in Chinese")
            << demo + QStringList{"table"} << "zh_CN.UTF-8" << 0 << "\nSOC 荷电状态 (%)  "
            << "";
        QTest::newRow("demo JSON in Chinese")
            << demo + QStringList{"json"} << "zh_CN.UTF-8" << 0 << "\"soc_percent\": "
            << "";
    }

    void programRuns() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), work.path());
        environment.insert(QStringLiteral("LC_ALL"), locale);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VOLTARO_CLI), arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), code);
        const QString output = QString::fromUtf8(program.readAllStandardOutput());
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(output.contains(out), qPrintable(output));
        QVERIFY2(errors.contains(err), qPrintable(errors));
        QVERIFY(code == 0 || output.isEmpty());
    }

    void programStopsAHistoryReadOnSigint() {
        QProcess program;
        program.start(QStringLiteral(VOLTARO_CLI), {"--demo", "history", "--records", "100"});
        QVERIFY(program.waitForStarted());
        // The read has begun once its first progress line is out.
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT(
            (err += program.readAllStandardError()).contains("history read: 0/5"), 30000);
        ::kill(pid_t(program.processId()), SIGINT);
        QVERIFY(program.waitForFinished(10000));
        err += program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 130);
        QVERIFY2(err.contains("Stopped with Ctrl+C."), err.constData());
    }

private:
    QStringList bmu() const {
        return {"--bmu", QStringLiteral("127.0.0.1:%1").arg(rig->simulator.serverPort())};
    }

    // The demo folder in the working folder, its Data folder in `dataRoot` if given.
    bool demoFolder(const QString& dataRoot = QString()) {
        QString error;
        return prepareDemoFolder(work.path(), SystemPreset::HighVoltage, dataRoot, &error);
    }

    QTemporaryDir work;
    QString previousFolder;
    std::unique_ptr<SessionRig> rig;
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
