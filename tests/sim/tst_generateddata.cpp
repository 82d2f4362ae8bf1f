#include "simtestutil.h"

#include "app/passwordcodec.h"
#include "sim/demodata.h"
#include "sim/historylog.h"
#include "sim/loggenerator.h"

#include <QDir>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// What the simulator makes up: the logs of the BMU and its BMS, and the demo working folder
// with its configuration, firmware images and parameter table.

namespace {

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

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool newer(const QString& versionText, FirmwareVersion running) {
    const QStringList parts = versionText.split(QLatin1Char('.'));
    const int main = parts.value(0).toInt();
    const int sub = parts.value(1).toInt();
    return main > running.main || (main == running.main && sub > running.sub);
}

} // namespace

class TestGeneratedData : public QObject {
    Q_OBJECT

private slots:
    void logsHoldEveryCodeNewestFirst_data() {
        QTest::addColumn<SystemPreset>("preset");
        QTest::addColumn<int>("selector");
        QTest::addColumn<QSet<int>>("codes");
        const QSet<int> lvBmu =
            QSet<int>{0, 1, 2, 4, 5, 6, 7, 120} + codeRange(101, 106) + codeRange(111, 118);
        const QSet<int> hvBmu = lvBmu + QSet<int>{32, 33, 36, 38, 39};
        const QSet<int> bms = codeRange(0, 21) + codeRange(101, 111);
        QTest::newRow("HV BMU") << SystemPreset::HighVoltage << 0 << hvBmu;
        QTest::newRow("LV BMU") << SystemPreset::LowVoltage << 0 << lvBmu;
        QTest::newRow("QPA BMU") << SystemPreset::Qpa5 << 0 << hvBmu;
        QTest::newRow("HV BMS1") << SystemPreset::HighVoltage << 1 << bms;
        QTest::newRow("LV BMS3") << SystemPreset::LowVoltage << 3 << bms;
    }

    void logsHoldEveryCodeNewestFirst() {
        QFETCH(SystemPreset, preset);
        QFETCH(int, selector);
        QFETCH(QSet<int>, codes);
        const QVector<QByteArray> log = logOf(preset, selector);
        QVERIFY(log.size() >= 100);
        QSet<int> seen;
        QDateTime previous = logEnd;
        for (const QByteArray& record : log) {
            QCOMPARE(record.size(), HistoryRecord::Size);
            seen.insert(byteAt(record, 0));
            const QDateTime when = timeOf(record);
            QVERIFY2(when.isValid(), record.toHex(' ').constData());
            QVERIFY2(when <= previous, qPrintable(when.toString(Qt::ISODate)));
            previous = when;
        }
        QVERIFY(previous >= logEnd.addDays(-20));
        QCOMPARE(seen - codes, QSet<int>()); // nothing the unit does not write
        QCOMPARE(codes - seen, QSet<int>()); // everything it does
    }

    void bmsEventRecordsCarryWarningAndFaultWords() {
        // Record bytes 9..14: level-2 warning, level-3 warning and fault word, low byte first.
        bool level2 = false, level3 = false, fault = false, cleared = false;
        for (int bms = 1; bms <= 2; ++bms) {
            for (const QByteArray& record : logOf(SystemPreset::HighVoltage, bms)) {
                if (byteAt(record, 0) != 2)
                    continue;
                level2 |= wordLE(record, 9) != 0;
                level3 |= wordLE(record, 11) != 0;
                fault |= wordLE(record, 13) != 0;
                cleared |=
                    wordLE(record, 9) == 0 && wordLE(record, 11) == 0 && wordLE(record, 13) == 0;
            }
        }
        QVERIFY(level2 && level3 && fault && cleared);
    }

    void bmuEventRecordsAppearAndDisappear() {
        int appear = 0, disappear = 0;
        for (const QByteArray& record : logOf(SystemPreset::HighVoltage, 0)) {
            if (byteAt(record, 0) != 2)
                continue;
            const QByteArray d = record.mid(7);
            QVERIFY(byteAt(d, 1) <= 24); // a known fault code
            if (byteAt(d, 0) != 0) {
                ++appear;
            } else {
                ++disappear;
                QCOMPARE(wordBE(d, 2), quint16(0));
            }
        }
        QVERIFY(appear > 0 && disappear > 0);
    }

    void wordsFollowTheUnitsByteOrder_data() {
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

    void wordsFollowTheUnitsByteOrder() {
        QFETCH(SystemPreset, preset);
        QFETCH(int, selector);
        QFETCH(int, code);
        QFETCH(int, cellOffset);
        QFETCH(bool, bigEndian);
        int checked = 0;
        for (const QByteArray& record : logOf(preset, selector)) {
            if (byteAt(record, 0) != code)
                continue;
            const QByteArray d = record.mid(7);
            const int mv = bigEndian ? wordBE(d, cellOffset) : wordLE(d, cellOffset);
            QVERIFY2(mv >= 3000 && mv <= 3700, qPrintable(QString::number(mv)));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    void updatesAddRecords() {
        const SystemProfile hv = systemProfile(SystemPreset::HighVoltage);
        const QVector<QByteArray> bmu =
            bmuUpdateRecords(hv, UpdateKind::ParameterTable, SectionA, {3, 7}, logEnd);
        QCOMPARE(bmu.size(), 2);
        QCOMPARE(int(byteAt(bmu[0], 0)), 120); // newest first
        QCOMPARE(int(byteAt(bmu[1], 0)), 105);
        QCOMPARE(bmu[1].mid(8, 2), QByteArray::fromHex("0307")); // d[1], d[2]: the table version
        const QVector<QByteArray> bms = bmsUpdateRecords(hv, SectionB, {3, 5}, {3, 7}, logEnd);
        QCOMPARE(bms.size(), 3);
        // High-voltage BMS: d[0] target section, d[1..2] before, d[3..4] after (sub, main).
        QCOMPARE(bms.last().mid(7, 5), QByteArray::fromHex("0105030703"));
    }

    void preparesAWorkingFolder_data() { addPresetRows(); }

    void preparesAWorkingFolder() {
        QFETCH(SystemPreset, preset);
        const SystemProfile profile = systemProfile(preset);
        QTemporaryDir dir;
        QString error;
        QVERIFY2(prepareDemoFolder(dir.path(), preset, QString(), &error), qPrintable(error));

        // Every role's password, stored as the login reads it.
        QSettings config(dir.filePath("Config.ini"), QSettings::IniFormat);
        config.beginGroup("B");
        for (const DemoPassword& entry : demoPasswords())
            QCOMPARE(decodeStoredPassword(config.value(entry.key).toString()),
                     QString::fromLatin1(entry.password));

        const QDir data(dir.filePath("Data"));
        QStringList listed = QString::fromLatin1(readFile(data.filePath("log.txt")))
                                 .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QStringList present = data.entryList({"*.bin"}, QDir::Files);
        listed.sort();
        present.sort();
        QCOMPARE(listed.size(), 3);
        QCOMPARE(present, listed);

        for (const QString& name : listed) {
            const QByteArray content = readFile(data.filePath(name));
            const QStringList fields = QString(name).remove(QStringLiteral(".bin")).split('-');
            if (fields.value(1) == QLatin1String("TAB")) { // <type>-TAB-<code>-<main>.<sub>.bin
                QCOMPARE(fields.size(), 4);
                QCOMPARE(fields[0], profile.batteryTypeName.left(3));
                QCOMPARE(fields[2].toInt(), int(profile.batteryTypeCode));
                QVERIFY(newer(fields[3], profile.table));
                // Base64 of hex text (blanks skipped): the table bytes and their CRC.
                const QByteArray block = QByteArray::fromHex(QByteArray::fromBase64(content));
                QCOMPARE(block.size(), 1068 + 2);
                QCOMPARE(wordLE(block, 1068), modbusCrc16(block.left(1068)));
                QCOMPARE(QStringLiteral("%1.%2").arg(byteAt(block, 1057)).arg(byteAt(block, 1059)),
                         fields[3]);
                continue;
            }
            // Firmware: <type>-<family>-<main>.<sub>-<section>-<CRC>.bin
            QCOMPARE(fields.size(), 5);
            const bool bms = fields[0] == QLatin1String("BMS");
            QVERIFY(bms || fields[0] == QLatin1String("BMU"));
            QCOMPARE(fields[1], profile.familyCode);
            QVERIFY(newer(fields[2], bms ? profile.bmsA : profile.bmuA));
            QCOMPARE(fields[3], QStringLiteral("B")); // the section that is not running
            QCOMPARE(fields[4], crcText(modbusCrc16(content)));
            QCOMPARE(content, demoFirmwareImage(profile, bms));
        }
    }

    void dataFolderCanGoToAnUpdateServer() {
        QTemporaryDir dir;
        QString error;
        const QString work = dir.filePath("work"), server = dir.filePath("server");
        QVERIFY2(prepareDemoFolder(work, SystemPreset::LowVoltage, server, &error),
                 qPrintable(error));
        QVERIFY(QFile::exists(work + "/Config.ini") && !QFile::exists(work + "/Data"));
        QVERIFY(QFile::exists(server + "/Data/log.txt") && !QFile::exists(server + "/Config.ini"));
        QVERIFY(!prepareDemoFolder(dir.filePath("work/Config.ini/x"), SystemPreset::LowVoltage,
                                   QString(), &error));
    }
};

QTEST_GUILESS_MAIN(TestGeneratedData)
#include "tst_generateddata.moc"
