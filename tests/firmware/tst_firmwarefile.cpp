#include "firmware/firmwarefile.h"
#include "firmware/sendcheck.h"

#include <QtTest>

Q_DECLARE_METATYPE(ImageCheck)

class TestFirmwareFile : public QObject {
    Q_OBJECT

private slots:
    void parseNames_data();
    void parseNames();
    void familyCodes_data();
    void familyCodes();
    void selection_data();
    void selection();
    void runningVersion_data();
    void runningVersion();
    void hints_data();
    void hints();
    void imageChecks_data();
    void imageChecks();
    void sendChecks_data();
    void sendChecks();
};

void TestFirmwareFile::parseNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("main");
    QTest::addColumn<int>("sub");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("crc");
    QTest::newRow("typical") << "BMU-P3-3.12-B-3FA2.bin" << true << "BMU"
                             << "P3" << 3 << 12 << "B"
                             << "3FA2";
    QTest::newRow("upper-case suffix") << "BMS-P2-1.5-A-00FF.BIN" << true << "BMS"
                                       << "P2" << 1 << 5 << "A"
                                       << "00FF";
    QTest::newRow("four fields") << "BMU-P3-3.12-3FA2.bin" << false << ""
                                 << "" << 0 << 0 << ""
                                 << "";
    QTest::newRow("six fields") << "BMU-P3-3.12-B-x-3FA2.bin" << false << ""
                                << "" << 0 << 0 << ""
                                << "";
    QTest::newRow("version without sub") << "BMU-P3-3-B-3FA2.bin" << false << ""
                                         << "" << 0 << 0 << ""
                                         << "";
    QTest::newRow("version not decimal") << "BMU-P3-3.x-B-3FA2.bin" << false << ""
                                         << "" << 0 << 0 << ""
                                         << "";
    QTest::newRow("other suffix") << "BMU-P3-3.12-B-3FA2.hex" << false << ""
                                  << "" << 0 << 0 << ""
                                  << "";
    QTest::newRow("short CRC field") << "BMU-P3-3.12-B-3F.bin" << true << "BMU"
                                     << "P3" << 3 << 12 << "B"
                                     << "3F.b";
}

void TestFirmwareFile::parseNames() {
    QFETCH(QString, name);
    QFETCH(bool, valid);
    const std::optional<FirmwareFileName> parsed = parseFirmwareFileName(name);
    QCOMPARE(parsed.has_value(), valid);
    if (!valid)
        return;
    QTEST(parsed->type, "type");
    QTEST(parsed->family, "family");
    QTEST(parsed->main, "main");
    QTEST(parsed->sub, "sub");
    QTEST(parsed->section, "section");
    QTEST(parsed->crcText, "crc");
    QCOMPARE(parsed->fileName, name);
}

void TestFirmwareFile::familyCodes_data() {
    QTest::addColumn<QString>("batteryType");
    QTest::addColumn<QString>("code");
    QTest::newRow("QPA") << "QPA"
                         << "P3";
    QTest::newRow("QPB") << "QPB"
                         << "P3";
    QTest::newRow("QPC") << "QPC"
                         << "P3";
    QTest::newRow("ZRA/ZRA Mini") << "ZRA/ZRA Mini"
                                  << "P2";
    QTest::newRow("ZRC") << "ZRC"
                         << "P2";
    QTest::newRow("ZRD") << "ZRD"
                         << "P2";
    QTest::newRow("not refreshed") << ""
                                   << "";
    QTest::newRow("lower case") << "qpa"
                                << "";
}

void TestFirmwareFile::familyCodes() {
    QFETCH(QString, batteryType);
    QFETCH(QString, code);
    QCOMPARE(familyCode(batteryType), code);
    QCOMPARE(isHighVoltageType(batteryType), code == "P3");
    QCOMPARE(isLowVoltageType(batteryType), code == "P2");
}

void TestFirmwareFile::selection_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("expected");
    const QStringList mixed{"BMU-P3-3.9-B-1111.bin",  "BMU-P3-3.12-B-2222.bin",
                            "BMU-P3-4.0-A-3333.bin",  "BMS-P3-9.9-B-4444.bin",
                            "BMU-P2-9.9-B-5555.bin",  "log.txt",
                            "BMU-P3-3.12-B-0000.txt", "BMU-P3-0.0-B-6666.bin"};
    QTest::newRow("highest version of the other section") << mixed << "BMU"
                                                          << "P3"
                                                          << "V3.1-A"
                                                          << "BMU-P3-3.12-B-2222.bin";
    QTest::newRow("running B takes section A") << mixed << "BMU"
                                               << "P3"
                                               << "V3.1-B"
                                               << "BMU-P3-4.0-A-3333.bin";
    QTest::newRow("BMS by type") << mixed << "BMS"
                                 << "P3"
                                 << "V1.0-A"
                                 << "BMS-P3-9.9-B-4444.bin";
    QTest::newRow("family decides") << mixed << "BMU"
                                    << "P2"
                                    << "V1.0-A"
                                    << "BMU-P2-9.9-B-5555.bin";
    QTest::newRow("no family, nothing") << mixed << "BMU"
                                        << ""
                                        << "V1.0-A"
                                        << "";
    QTest::newRow("version 0.0 never taken") << QStringList{"BMU-P3-0.0-B-6666.bin"} << "BMU"
                                             << "P3"
                                             << "V1.0-A"
                                             << "";
    QTest::newRow("equal versions: first in name order, case ignored")
        << QStringList{"BMU-P3-2.1-B-BBBB.bin", "BMU-P3-2.1-B-cccc.bin", "BMU-P3-2.1-B-aaaa.bin"}
        << "BMU"
        << "P3"
        << "V1.0-A"
        << "BMU-P3-2.1-B-aaaa.bin";
    QTest::newRow("versions compare as numbers")
        << QStringList{"BMU-P3-2.10-B-1111.bin", "BMU-P3-2.9-B-2222.bin"} << "BMU"
        << "P3"
        << "V1.0-A"
        << "BMU-P3-2.10-B-1111.bin";
    QTest::newRow("not refreshed: every section counts")
        << QStringList{"BMU-P3-2.1-A-1111.bin"} << "BMU"
        << "P3"
        << ""
        << "BMU-P3-2.1-A-1111.bin";
    QTest::newRow("empty folder") << QStringList{} << "BMU"
                                  << "P3"
                                  << "V1.0-A"
                                  << "";
}

void TestFirmwareFile::selection() {
    QFETCH(QStringList, files);
    QFETCH(QString, type);
    QFETCH(QString, family);
    QFETCH(QString, running);
    QFETCH(QString, expected);
    const std::optional<FirmwareFileName> best = selectFirmwareFile(files, type, family, running);
    QCOMPARE(best ? best->fileName : QString(), expected);
}

void TestFirmwareFile::runningVersion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("sub");
    QTest::newRow("section A") << "V1.5-A"
                               << "1"
                               << "5";
    QTest::newRow("two-digit parts") << "V12.34-B"
                                     << "12"
                                     << "34";
    QTest::newRow("no BMS answer") << "V0.0-A"
                                   << "0"
                                   << "0";
    QTest::newRow("empty label") << ""
                                 << ""
                                 << "";
}

void TestFirmwareFile::runningVersion() {
    QFETCH(QString, text);
    const RunningVersion version = parseRunningVersion(text);
    QTEST(version.main, "main");
    QTEST(version.sub, "sub");
}

void TestFirmwareFile::hints_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("running");
    QTest::addColumn<int>("bestMain");
    QTest::addColumn<int>("bestSub");
    QTest::addColumn<QString>("hint");
    const int bmu = int(FirmwareTarget::Bmu);
    const int bms = int(FirmwareTarget::Bms);
    QTest::newRow("BMU newer main")
        << bmu << "V1.5-A" << 2 << 0 << "There is new version for BMU Firmware,please update it. ";
    QTest::newRow("BMU newer sub")
        << bmu << "V1.5-A" << 1 << 6 << "There is new version for BMU Firmware,please update it. ";
    QTest::newRow("BMU running sub newer")
        << bmu << "V1.5-A" << 1 << 4
        << "Please download the new BMU Firmware from server,then update it! ";
    QTest::newRow("BMU running main newer")
        << bmu << "V2.0-A" << 1 << 9 << "Please download the new BMU Firmware,then update it! ";
    QTest::newRow("BMU equal") << bmu << "V1.5-A" << 1 << 5 << "";
    QTest::newRow("BMS newer") << bms << "V1.5-B" << 1 << 6
                               << "There is new version of BMS Firmware,please update it. ";
    QTest::newRow("BMS running sub newer")
        << bms << "V1.5-B" << 1 << 4
        << "Please download the new BMS Firmware from server,then update it! ";
    QTest::newRow("BMS no file") << bms << "V1.5-B" << 0 << 0
                                 << "Please download the new BMS Firmware,then update it! ";
    QTest::newRow("BMS 0.0 silent") << bms << "V0.0-A" << 3 << 0 << "";
    QTest::newRow("BMU 0.0 still hints")
        << bmu << "V0.0-A" << 3 << 0 << "There is new version for BMU Firmware,please update it. ";
}

void TestFirmwareFile::hints() {
    QFETCH(int, target);
    QFETCH(QString, running);
    QFETCH(int, bestMain);
    QFETCH(int, bestSub);
    QFETCH(QString, hint);
    QCOMPARE(firmwareHint(FirmwareTarget(target), parseRunningVersion(running), bestMain, bestSub),
             hint);
}

// Only an image with bytes whose CRC is the one in its name may be armed: a 0-byte file
// named "-FFFF" matches its CRC too and once sent a header of size 0.
void TestFirmwareFile::imageChecks_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<ImageCheck>("check");
    QTest::newRow("empty file named FFFF") << QByteArray() << "FFFF" << ImageCheck::Empty;
    QTest::newRow("empty file named otherwise") << QByteArray() << "3FA2" << ImageCheck::Empty;
    QTest::newRow("low byte first")
        << QByteArray::fromHex("010300000066") << "C5E0" << ImageCheck::Good;
    QTest::newRow("high byte first is wrong")
        << QByteArray::fromHex("010300000066") << "E0C5" << ImageCheck::CrcMismatch;
    QTest::newRow("lower-case text is wrong")
        << QByteArray("123456789") << "374b" << ImageCheck::CrcMismatch;
    QTest::newRow("one byte changed")
        << QByteArray("123456780") << "374B" << ImageCheck::CrcMismatch;
}

void TestFirmwareFile::imageChecks() {
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTEST(checkFirmwareImage(content, expected), "check");
}

void TestFirmwareFile::sendChecks_data() {
    QTest::addColumn<QString>("newMain");
    QTest::addColumn<QString>("newSub");
    QTest::addColumn<QString>("runMain");
    QTest::addColumn<QString>("runSub");
    QTest::addColumn<QString>("batteryType");
    QTest::addColumn<int>("check");
    QTest::newRow("nothing loaded") << ""
                                    << ""
                                    << "3"
                                    << "1"
                                    << "QPA" << int(SendCheck::NoImage);
    QTest::newRow("no running version") << "3"
                                        << "2"
                                        << "0"
                                        << "0"
                                        << "QPA" << int(SendCheck::NoRunningVersion);
    QTest::newRow("LV image on HV, main 1") << "1"
                                            << "9"
                                            << "3"
                                            << "1"
                                            << "QPB" << int(SendCheck::NotForHighVoltage);
    QTest::newRow("LV image on HV, main 2") << "2"
                                            << "0"
                                            << "3"
                                            << "1"
                                            << "QPC" << int(SendCheck::NotForHighVoltage);
    QTest::newRow("HV image on LV") << "3"
                                    << "0"
                                    << "2"
                                    << "1"
                                    << "ZRA/ZRA Mini" << int(SendCheck::NotForLowVoltage);
    QTest::newRow("newer main") << "3"
                                << "0"
                                << "2"
                                << "9"
                                << "" << int(SendCheck::NewerMain);
    QTest::newRow("older main goes on") << "2"
                                        << "0"
                                        << "3"
                                        << "1"
                                        << "ZRD" << int(SendCheck::OlderMain);
    QTest::newRow("newer sub, numbers not texts") << "3"
                                                  << "10"
                                                  << "3"
                                                  << "9"
                                                  << "QPA" << int(SendCheck::NewerSub);
    QTest::newRow("same version") << "3"
                                  << "9"
                                  << "3"
                                  << "9"
                                  << "QPA" << int(SendCheck::SameVersion);
    QTest::newRow("older sub") << "3"
                               << "8"
                               << "3"
                               << "9"
                               << "QPA" << int(SendCheck::OlderSub);
}

void TestFirmwareFile::sendChecks() {
    QFETCH(QString, newMain);
    QFETCH(QString, newSub);
    QFETCH(QString, runMain);
    QFETCH(QString, runSub);
    QFETCH(QString, batteryType);
    QFETCH(int, check);
    const SendCheck result = checkFirmwareSend(newMain, newSub, runMain, runSub, batteryType);
    QCOMPARE(int(result), check);
    const bool allowed = check == int(SendCheck::NewerMain) || check == int(SendCheck::OlderMain) ||
                         check == int(SendCheck::NewerSub);
    QCOMPARE(sendAllowed(result), allowed);
}

QTEST_GUILESS_MAIN(TestFirmwareFile)
#include "tst_firmwarefile.moc"
