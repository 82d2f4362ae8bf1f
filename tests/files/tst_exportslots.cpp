#include "windowfixture.h"

#include "files/spreadsheetreader.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>

namespace {

const QString exportFilter = QStringLiteral("Excel File( *.xls *.xlsx);;TXT-Files (*.txt)");

// Two rows under the four translation headers; row 1 misses its last cell.
void fillBmuTranslation(MainWindow& window) {
    auto* table = widget<QTableWidget>(window, "table_Trans");
    table->setRowCount(2);
    const QList<QStringList> rows{{"2023-04-17 08:05:03", "00", "Power ON", "Cell_Max_T 25℃"},
                                  {"2023-04-17 08:42:14", "01", "Power OFF"}};
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(rows[r][c]));
}

} // namespace

class TestExportSlots : public QObject {
    Q_OBJECT

private slots:
    void defaultNames_data();
    void defaultNames();
    void translationExportNeedsAUnit();
    void cellTableExport();
    void textExport();
    void xlsxExport();
    void unwritableFileIsReported();

private:
    InTemporaryFolder folder;
};

void TestExportSlots::defaultNames_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("historyIndex");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("name");
    QTest::newRow("BMU history") << "pushButton_2" << 0 << ""
                                 << "/S123+BMU Historical Data+";
    QTest::newRow("history before the unit list is filled") << "pushButton_2" << -1 << ""
                                                            << "/S123+BMU Historical Data+";
    QTest::newRow("BMS 3 history") << "pushButton_2" << 3 << ""
                                   << "/S123+BMS3+T456 Historical Data+";
    QTest::newRow("cell table") << "Btn_CellInfo_Export" << 0 << ""
                                << "/T456+BMS2 Cells Information ";
    QTest::newRow("BMU translation") << "pushBtn_Trans_to_Excel" << 0 << "radioBtn_BMU"
                                     << "/BMU Historical Info (S123)";
    QTest::newRow("BMS translation") << "pushBtn_Trans_to_Excel" << 0 << "radioBtn_BMS"
                                     << "/BMS Historical Info (S123)";
}

void TestExportSlots::defaultNames() {
    QFETCH(QString, button);
    QFETCH(int, historyIndex);
    QFETCH(QString, radio);
    QFETCH(QString, name);
    MainWindow window;
    Dialog dialog;
    answerDialogs(window, &dialog, QString()); // cancelled: nothing is written
    widget<QLabel>(window, "label_SN")->setText(QStringLiteral("S123"));
    widget<QLabel>(window, "label_BMS_SN")->setText(QStringLiteral("T456"));
    auto* units = widget<QComboBox>(window, "comboBox_ReadHistoryInfo");
    if (historyIndex >= 0) {
        units->addItems({"BMU", "BMS1", "BMS2", "BMS3"});
        units->setCurrentIndex(historyIndex);
    }
    auto* bmsList = widget<QComboBox>(window, "comboBox_BMSInfo");
    bmsList->addItems({"BMS1", "BMS2"});
    bmsList->setCurrentIndex(1);
    if (!radio.isEmpty())
        widget<QRadioButton>(window, qPrintable(radio))->setChecked(true);

    QTest::mouseClick(widget<QPushButton>(window, qPrintable(button)), Qt::LeftButton);
    QCOMPARE(dialog.calls, 1);
    QCOMPARE(dialog.caption, QStringLiteral("Save"));
    QCOMPARE(dialog.filter, exportFilter);
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    QVERIFY2(dialog.path.startsWith(desktop + name), qPrintable(dialog.path));
    const QString stamp = dialog.path.mid(desktop.size() + name.size());
    QVERIFY2(
        QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d{6}$")).match(stamp).hasMatch(),
        qPrintable(stamp));
    QVERIFY(openBoxes(window).isEmpty());
}

void TestExportSlots::translationExportNeedsAUnit() {
    MainWindow window;
    Dialog dialog;
    answerDialogs(window, &dialog, folder.path(QStringLiteral("never.xls")));
    QTest::mouseClick(widget<QPushButton>(window, "pushBtn_Trans_to_Excel"), Qt::LeftButton);
    QCOMPARE(dialog.calls, 0);
    QVERIFY(!QFile::exists(folder.path(QStringLiteral("never.xls"))));
}

void TestExportSlots::cellTableExport() {
    MainWindow window;
    auto* cells = widget<QTableWidget>(window, "tableWidget_BMS_Cells");
    const QString path = folder.path(QStringLiteral("cells.txt"));
    Dialog dialog;
    answerDialogs(window, &dialog, path);
    QTest::mouseClick(widget<QPushButton>(window, "Btn_CellInfo_Export"), Qt::LeftButton);
    closeBoxes(window, QMessageBox::No);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QByteArray> lines = file.readAll().split('\n');
    // A header line and one line per row, each cell (present or not) followed by a tab.
    QCOMPARE(lines.size(), cells->rowCount() + 1);
    QVERIFY(lines[0].startsWith("Module\tCell No.\tV-mV\t"));
    for (const QByteArray& line : lines) {
        QCOMPARE(line.count('\t'), cells->columnCount());
        QVERIFY(line.endsWith('\t'));
    }
}

void TestExportSlots::textExport() {
    MainWindow window;
    fillBmuTranslation(window);
    widget<QRadioButton>(window, "radioBtn_BMU")->setChecked(true);
    Dialog dialog;
    const QString path = folder.path(QStringLiteral("bmu.xls"));
    answerDialogs(window, &dialog, path);
    QTest::mouseClick(widget<QPushButton>(window, "pushBtn_Trans_to_Excel"), Qt::LeftButton);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // GB2312 text named .xls: every line ends in a tab, the missing cell is just a tab,
    // ℃ is A1 E6.
    QCOMPARE(file.readAll(),
             QByteArray("Date&Time\tCode\tDescription\tDetails\t\n"
                        "2023-04-17 08:05:03\t00\tPower ON\tCell_Max_T 25\xA1\xE6\t\n"
                        "2023-04-17 08:42:14\t01\tPower OFF\t\t"));
    const QList<QMessageBox*> boxes = openBoxes(window);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0]->windowTitle(), QStringLiteral("Done"));
    QCOMPARE(boxes[0]->text(),
             QStringLiteral("Data export successfully. Do you want to open it now?"));
    QCOMPARE(boxes[0]->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    closeBoxes(window, QMessageBox::No);
    QTRY_VERIFY(openBoxes(window).isEmpty());
}

void TestExportSlots::xlsxExport() {
    MainWindow window;
    fillBmuTranslation(window);
    widget<QRadioButton>(window, "radioBtn_BMU")->setChecked(true);
    Dialog dialog;
    const QString path = folder.path(QStringLiteral("bmu.xlsx"));
    answerDialogs(window, &dialog, path);
    QTest::mouseClick(widget<QPushButton>(window, "pushBtn_Trans_to_Excel"), Qt::LeftButton);
    closeBoxes(window, QMessageBox::No);

    const SheetReadResult back = readFirstWorksheet(path);
    QVERIFY2(back.ok(), qPrintable(back.error));
    QCOMPARE(back.rows,
             (QList<QStringList>{{"Date&Time", "Code", "Description", "Details"},
                                 {"2023-04-17 08:05:03", "00", "Power ON", "Cell_Max_T 25℃"},
                                 {"2023-04-17 08:42:14", "01", "Power OFF", ""}}));
}

void TestExportSlots::unwritableFileIsReported() {
    MainWindow window;
    fillBmuTranslation(window);
    widget<QRadioButton>(window, "radioBtn_BMS")->setChecked(true);
    Dialog dialog;
    const QString path = folder.path(QStringLiteral("no-such-folder/bms.txt"));
    answerDialogs(window, &dialog, path);
    QTest::mouseClick(widget<QPushButton>(window, "pushBtn_Trans_to_Excel"), Qt::LeftButton);
    const QList<QMessageBox*> boxes = openBoxes(window);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0]->icon(), QMessageBox::Warning);
    QVERIFY2(boxes[0]->text().contains(path), qPrintable(boxes[0]->text()));
    QVERIFY(!QFile::exists(path));
    closeBoxes(window);
}

QTEST_MAIN(TestExportSlots)
#include "tst_exportslots.moc"
