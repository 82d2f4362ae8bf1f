// Link faults during a history read of two blocks: whatever is lost, the table shows whole
// blocks as the BMU holds them (no record shifted or torn), and a read that stops says so.

#include "faultrig.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

const QString bmuTable = QStringLiteral("tableWidget_HistoryInfo_BMU");
constexpr int RecordsPerBlock = 20;
constexpr int HistoryQuietMs = 5500; // a read gives up 5 s after the last reply

void readTwoBlocks(FaultRig& rig) {
    rig.widget<QLineEdit>("lineEdit_His_Data_Qty")->setText(QStringLiteral("40"));
    rig.widget<QComboBox>("comboBox_ReadHistoryInfo")->setCurrentIndex(0);
    rig.button("Btn_HistoryInfo")->click();
}

} // namespace

class TestHistoryFaultMatrix : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void historyRead_data() { addLinkFaultRows(); }
    void historyRead();

private:
    QTemporaryDir folder;
    QString previousFolder;
    QVector<QStringList> clean; // the rows of the two blocks read without faults
};

void TestHistoryFaultMatrix::initTestCase() {
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    FaultRig rig;
    QVERIFY(rig.connectLink());
    readTwoBlocks(rig);
    QVERIFY(rig.waitUntilSettled(HistoryQuietMs));
    clean = rig.rows(bmuTable);
    QCOMPARE(clean.size(), 2 * RecordsPerBlock);
    QVERIFY(clean.first() != clean.at(RecordsPerBlock)); // two different blocks
}

void TestHistoryFaultMatrix::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
}

void TestHistoryFaultMatrix::historyRead() {
    QFETCH(LinkFault, fault);
    FaultRig rig;
    QVERIFY(rig.connectLink());
    fault.apply(rig.simulator);
    readTwoBlocks(rig);
    QVERIFY2(rig.waitUntilSettled(HistoryQuietMs), "the buttons never came back");
    const QStringList messages = rig.closeMessageBoxes();

    const QVector<QStringList> shown = rig.rows(bmuTable);
    QCOMPARE(shown.size() % RecordsPerBlock, 0);
    for (int at = 0; at < shown.size(); at += RecordsPerBlock) {
        // A block read again after the link came back starts at the newest records.
        const QVector<QStringList> block = shown.mid(at, RecordsPerBlock);
        QVERIFY2(block == clean.mid(0, RecordsPerBlock) ||
                     block == clean.mid(RecordsPerBlock, RecordsPerBlock),
                 qPrintable(QStringLiteral("block at row %1 is not one the BMU holds").arg(at)));
    }
    if (!fault.replyLost) {
        QCOMPARE(shown, clean);
        QVERIFY(messages.isEmpty());
    } else if (shown.size() < clean.size()) {
        // A read that stopped early tells the user.
        QVERIFY2(messages.join(QLatin1Char('\n')).contains(QLatin1String("No response")),
                 qPrintable(messages.join(QLatin1Char('\n'))));
    }
}

QTEST_MAIN(TestHistoryFaultMatrix)
#include "tst_historyfaultmatrix.moc"
