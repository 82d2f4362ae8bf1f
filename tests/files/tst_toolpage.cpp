#include "windowfixture.h"

#include "files/tablepackage.h"
#include "firmware/tablefile.h"
#include "link/bytes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString fixtureDir = QStringLiteral(VOLTARO_FIXTURES_DIR);

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QStringList dataFiles() {
    return QDir(QDir::currentPath() + QStringLiteral("/Data")).entryList(QDir::Files);
}

} // namespace

class TestToolPage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void firmwareCrc();
    void firmwareFileThatCannotBeRead();
    void packageFixture_data();
    void packageFixture();
    void packagingRefusals_data();
    void packagingRefusals();

private:
    InTemporaryFolder folder;
};

void TestToolPage::init() {
    QDir(QDir::currentPath() + QStringLiteral("/Data")).removeRecursively();
}

void TestToolPage::firmwareCrc() {
    MainWindow window;
    const QString path = folder.path(QStringLiteral("fw.bin"));
    writeFile(path, QByteArray("\xB0\x87")); // CRC-16/MODBUS 0x1234
    Dialog dialog;
    answerDialogs(window, &dialog, path);
    QTest::mouseClick(widget<QPushButton>(window, "pushButton_3"), Qt::LeftButton);
    QCOMPARE(dialog.caption, QStringLiteral("Choose F/W file"));
    QCOMPARE(dialog.path, QString());
    QCOMPARE(dialog.filter, QStringLiteral("Bin file(*.bin)"));
    QCOMPARE(widget<QLineEdit>(window, "lineEdit_FW")->text(), path);
    QCOMPARE(widget<QLineEdit>(window, "lineEdit_CRC")->text(), QStringLiteral("3412"));

    // A cancelled dialog keeps what is shown.
    answerDialogs(window, &dialog, QString());
    QTest::mouseClick(widget<QPushButton>(window, "pushButton_3"), Qt::LeftButton);
    QCOMPARE(widget<QLineEdit>(window, "lineEdit_CRC")->text(), QStringLiteral("3412"));
    QVERIFY(openBoxes(window).isEmpty());
}

void TestToolPage::firmwareFileThatCannotBeRead() {
    MainWindow window;
    widget<QLineEdit>(window, "lineEdit_CRC")->setText(QStringLiteral("ABCD"));
    const QString path = folder.path(QStringLiteral("missing.bin"));
    Dialog dialog;
    answerDialogs(window, &dialog, path);
    QTest::mouseClick(widget<QPushButton>(window, "pushButton_3"), Qt::LeftButton);
    QCOMPARE(widget<QLineEdit>(window, "lineEdit_CRC")->text(), QString());
    const QList<QMessageBox*> boxes = openBoxes(window);
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes[0]->text().contains(path));
    closeBoxes(window);
}

void TestToolPage::packageFixture_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("QPA from xlsx") << "param-table-qpa.xlsx"
                                   << "QPA"
                                   << "QPA-TAB-2-3.7.bin";
    QTest::newRow("ZRDX from xls") << "param-table-qpa-lo.xls"
                                   << "ZRDX"
                                   << "ZRD-TAB-1-3.7.bin";
}

void TestToolPage::packageFixture() {
    QFETCH(QString, file);
    QFETCH(QString, type);
    QFETCH(QString, name);
    MainWindow window;
    widget<QComboBox>(window, "comboBox_Bat_Type")->setCurrentText(type);
    Dialog dialog;
    answerDialogs(window, &dialog, fixtureDir + QLatin1Char('/') + file);
    QTest::mouseClick(widget<QPushButton>(window, "Btn_PT_Load"), Qt::LeftButton);
    QCOMPARE(dialog.caption, QStringLiteral("选择Excel文件"));
    QCOMPARE(dialog.filter, QStringLiteral("Exel file(*.csv *.xls *.xlsx)"));
    QVERIFY(openBoxes(window).isEmpty());
    QCOMPARE(widget<QPlainTextEdit>(window, "textEdit_PT")->toPlainText(),
             QStringLiteral("加密的阈值表导出成功, 文件名为：%1,已存入Data文件夹").arg(name));
    QCOMPARE(dataFiles(), QStringList{name});

    QFile written(QDir::currentPath() + QStringLiteral("/Data/") + name);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const TableBlock block = decodeTableFile(written.readAll());
    QVERIFY(tableCrcMatches(block));
    QCOMPARE(block.tableData.size(), tableByteCount);
    QCOMPARE(byteAt(block.tableData, 1057), quint8(3));
    QCOMPARE(byteAt(block.tableData, 1059), quint8(7));
    // The table scan of the Update tab picks the file for a BMU running V3.6.
    const QString batteryType = type == QLatin1String("ZRDX") ? QStringLiteral("ZRD") : type;
    QCOMPARE(scanTableFileNames(dataFiles(), batteryType, QStringLiteral("V3.6")).selectedFile,
             name);
}

void TestToolPage::packagingRefusals_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled dialog") << QByteArray() << true << "No file chosen";
    QTest::newRow("empty file") << QByteArray() << false << "The file is empty.";
    QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false
                             << "neither a spreadsheet";
    QTest::newRow("short sheet") << QByteArray("G,,P,1,u,2,u,3,u,4,u,5,u,6\nEnd\n") << false
                                 << "holds 2 rows";
    QByteArray outOfRange;
    for (int r = 0; r < tableRowCount; ++r)
        outOfRange += r == 5 ? "G,,P,1,u,70000,u,3,u,4,u,5,u,6\n" : "G,,P,1,u,2,u,3,u,4,u,5,u,6\n";
    outOfRange += "End\n";
    QTest::newRow("value out of range") << outOfRange << false << "F6 holds 70000";
}

void TestToolPage::packagingRefusals() {
    QFETCH(QByteArray, content);
    QFETCH(bool, cancel);
    QFETCH(QString, message);
    MainWindow window;
    const QString path = folder.path(QStringLiteral("table.csv"));
    writeFile(path, content);
    Dialog dialog;
    answerDialogs(window, &dialog, cancel ? QString() : path);
    QTest::mouseClick(widget<QPushButton>(window, "Btn_PT_Load"), Qt::LeftButton);
    const QString shown = widget<QPlainTextEdit>(window, "textEdit_PT")->toPlainText();
    QVERIFY2(shown.contains(message), qPrintable(shown));
    QVERIFY(dataFiles().isEmpty());
    QCOMPARE(openBoxes(window).size(), cancel ? 0 : 1);
    closeBoxes(window);
}

QTEST_MAIN(TestToolPage)
#include "tst_toolpage.moc"
