// Records, for every operation the window starts and every link fault of the simulator,
// the request frames the simulated BMU receives: their order, their bytes and the gap
// before each. The logs are kept as golden files that the session's own tests compare with.
//
//   GOLDEN_OUT=<folder> golden_record

#include "firmware/tablefile.h"
#include "link/crc.h"
#include "sim/demodata.h"
#include "tests/faults/faultrig.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

QByteArray imageOf(int size) {
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 131 + 17 + i / 251) & 0xFF);
    return image;
}

void writeData(const QString& name, const QByteArray& content) {
    QFile file(QDir(QStringLiteral("Data")).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(name));
    file.write(content);
}

} // namespace

class GoldenRecord : public QObject {
    Q_OBJECT

private slots:
    void record_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<LinkFault>("fault");
        QTest::addColumn<QString>("faultName");
        const QStringList operations{"refresh", "bmsinfo-qpa5", "setup-write", "history-bmu-45",
                                     "history-bms2-20", "firmware-bmu", "table"};
        // The fault rows of the window's fault tests, under file-friendly names.
        const QVector<QPair<QString, LinkFault>> faults{
            {"sound", {[](BmuSimulator&) {}, false}},
            {"split3", {[](BmuSimulator& s) { s.setSplitReplies(3, 30); }, false}},
            {"bytewise", {[](BmuSimulator& s) { s.setSplitReplies(300, 0); }, false}},
            {"delay300", {[](BmuSimulator& s) { s.setReplyDelay(300); }, false}},
            {"delay2000", {[](BmuSimulator& s) { s.setReplyDelay(2000); }, true}},
            {"drop3", {[](BmuSimulator& s) { s.setDropEveryNth(3); }, true}},
            {"corrupt2", {[](BmuSimulator& s) { s.setCorruptEveryNth(2); }, true}},
            {"close3", {[](BmuSimulator& s) { s.setCloseAfterFrames(3); }, true}},
        };
        for (const QString& op : operations)
            for (const auto& fault : faults)
                QTest::newRow(qPrintable(op + "/" + fault.first))
                    << op << fault.second << fault.first;
    }

    void record() {
        QFETCH(QString, operation);
        QFETCH(LinkFault, fault);
        QFETCH(QString, faultName);
        const QString out = qEnvironmentVariable("GOLDEN_OUT");
        QVERIFY(!out.isEmpty());

        QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QDir().mkpath(QStringLiteral("Data"));

        const SystemPreset preset = operation == "bmsinfo-qpa5" ? SystemPreset::Qpa5
                                                                : SystemPreset::HighVoltage;
        FaultRig rig(preset);
        rig.simulator.setReadinessDelay(200);
        const SystemProfile& p = rig.simulator.device().profile();
        if (operation == "firmware-bmu")
            writeData(QStringLiteral("BMU-%1-%2.%3-%4-%5.bin")
                          .arg(p.familyCode)
                          .arg(p.newBmu.main)
                          .arg(p.newBmu.sub)
                          .arg(p.bmuRunning == SectionA ? "B" : "A",
                               crcText(modbusCrc16(imageOf(300)))),
                      imageOf(300));
        if (operation == "table")
            writeData(QStringLiteral("%1-TAB-%2-%3.bin")
                          .arg(p.tableFilePrefix())
                          .arg(p.batteryTypeCode)
                          .arg(p.newTable.text()),
                      encodeTableFile(demoTableBytes(p)));
        QVERIFY(rig.connectLink());

        // Every operation but the refresh itself starts on a refreshed window.
        if (operation != "refresh") {
            rig.button("Btn_Refresh")->click();
            QVERIFY(rig.waitUntilSettled(3500));
        }
        fault.apply(rig.simulator);

        QElapsedTimer clock;
        QStringList lines;
        qint64 last = 0;
        QObject::connect(&rig.simulator, &BmuSimulator::requestReceived,
                         [&](const QByteArray& frame) {
                             const qint64 now = clock.elapsed();
                             lines << QStringLiteral("%1 %2").arg(now - last).arg(
                                          QString::fromLatin1(frame.toHex()));
                             last = now;
                         });
        clock.start();
        if (operation == "refresh") {
            rig.button("Btn_Refresh")->click();
        } else if (operation == "bmsinfo-qpa5") {
            rig.button("Btn_BMSInfo_Read")->click();
        } else if (operation == "setup-write") {
            rig.button("BtnSetup")->click();
        } else if (operation.startsWith("history")) {
            const bool bms = operation.contains("bms2");
            rig.widget<QComboBox>("comboBox_ReadHistoryInfo")->setCurrentIndex(bms ? 2 : 0);
            rig.widget<QLineEdit>("lineEdit_His_Data_Qty")->setText(bms ? "20" : "45");
            rig.button("Btn_HistoryInfo")->click();
        } else if (operation == "firmware-bmu") {
            auto* combo = rig.widget<QComboBox>("comboBox");
            combo->setCurrentIndex(1);
            combo->setCurrentIndex(0);
            rig.button("BtnSendFW")->click();
        } else if (operation == "table") {
            rig.button("Btn_PT_Update")->click();
        }
        QVERIFY(rig.waitUntilSettled(operation.startsWith("history") ? 5500 : 3500, 180000));
        rig.closeMessageBoxes();

        QFile file(QDir(out).filePath(operation + "." + faultName + ".log"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join('\n').toLatin1() + '\n');
        QDir::setCurrent(previous);
    }
};

QTEST_MAIN(GoldenRecord)
#include "golden_record.moc"
