#include "windowfixture.h"

#include "files/spreadsheetreader.h"
#include "history/logtranslation.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>

namespace {

const QString fixtureDir = QStringLiteral(VOLTARO_FIXTURES_DIR);

QStringList rowTexts(const QTableWidget* table, int row) {
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem* item = table->item(row, c);
        texts << (item ? item->text() : QString());
    }
    return texts;
}

// What the decoders make of the fixture's rows (header skipped), cut to the table's width.
TextRows expectedRows(const QString& path, LogUnit unit, const QString& family, int columns) {
    const SheetReadResult sheet = readFirstWorksheet(path);
    SavedLog log;
    for (int r = 1; r < sheet.rows.size(); ++r) {
        log.dateTimes << sheet.rows[r].value(0);
        log.codes << sheet.rows[r].value(1);
        log.descriptions << sheet.rows[r].value(2);
        log.logData << sheet.rows[r].value(3);
    }
    TextRows rows = translateSavedLog(log, unit, family);
    for (QStringList& row : rows) {
        while (row.size() < columns)
            row << QString();
        row = row.mid(0, columns);
    }
    return rows;
}

void choose(MainWindow& window, const QString& unit, const QString& family = QString()) {
    if (!unit.isEmpty())
        widget<QRadioButton>(window, qPrintable(unit))->setChecked(true);
    if (!family.isEmpty())
        widget<QComboBox>(window, "comboBox_Trans")->setCurrentText(family);
}

void translate(MainWindow& window, const QString& path) {
    Dialog dialog;
    answerDialogs(window, &dialog, path);
    QTest::mouseClick(widget<QPushButton>(window, "Btn_TransFromFile"), Qt::LeftButton);
    QCOMPARE(dialog.caption, QStringLiteral("Choose Excel file"));
    QVERIFY(dialog.filter.startsWith(QStringLiteral("Exel file(*.xls *.xlsx)")));
}

} // namespace

class TestTranslationTab : public QObject {
    Q_OBJECT

private slots:
    void tablesAreSetUp();
    void radioButtonsSwitchPages();
    void fixtures_data();
    void fixtures();
    void decodedTexts_data();
    void decodedTexts();
    void refusalsKeepTheTable_data();
    void refusalsKeepTheTable();
    void headerOnlyEmptiesTheTable();
    void clear();

private:
    InTemporaryFolder folder;
};

void TestTranslationTab::tablesAreSetUp() {
    MainWindow window;
    auto* bmu = widget<QTableWidget>(window, "table_Trans");
    auto* bms = widget<QTableWidget>(window, "tableWidget_Trans_BMS");
    QCOMPARE(bmu->columnCount(), 4);
    QCOMPARE(bmu->horizontalHeaderItem(3)->text(), QStringLiteral("Details"));
    QCOMPARE(bms->columnCount(), 18);
    QCOMPARE(bms->horizontalHeaderItem(15)->text(), QStringLiteral("Cell_Max_T(℃)"));
    QCOMPARE(bms->horizontalHeaderItem(17)->text(), QStringLiteral("Remarks"));
    for (QTableWidget* table : {bmu, bms}) {
        QCOMPARE(table->columnWidth(0), 200);
        QCOMPARE(table->columnWidth(1), 50);
        QCOMPARE(table->columnWidth(2), 250);
        QVERIFY(table->horizontalHeader()->stretchLastSection());
    }
}

void TestTranslationTab::radioButtonsSwitchPages() {
    MainWindow window;
    auto* pages = widget<QStackedWidget>(window, "stackedWidget_Trans");
    QCOMPARE(pages->currentIndex(), 0);
    choose(window, QStringLiteral("radioBtn_BMS"));
    QCOMPARE(pages->currentIndex(), 1);
    choose(window, QStringLiteral("radioBtn_BMU"));
    QCOMPARE(pages->currentIndex(), 0);
}

void TestTranslationTab::fixtures_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("rows");
    QTest::newRow("HV BMU xlsx") << "history-bmu-hv.xlsx"
                                 << "radioBtn_BMU"
                                 << "Lumeno HV" << 20;
    QTest::newRow("LV BMU with date cells") << "history-bmu-lv-dates.xlsx"
                                            << "radioBtn_BMU"
                                            << "Lumeno LV" << 14;
    QTest::newRow("LV BMU saved by LibreOffice") << "history-bmu-lv-dates-lo.xlsx"
                                                 << "radioBtn_BMU"
                                                 << "Lumeno LV" << 14;
    QTest::newRow("BMS xls") << "history-bms.xls"
                             << "radioBtn_BMS"
                             << "Lumeno HV" << 16;
    QTest::newRow("BMS own text export") << "history-bms-export.xls"
                                         << "radioBtn_BMS"
                                         << "Lumeno LV" << 16;
}

void TestTranslationTab::fixtures() {
    QFETCH(QString, file);
    QFETCH(QString, unit);
    QFETCH(QString, family);
    QFETCH(int, rows);
    MainWindow window;
    choose(window, unit, family);
    const QString path = fixtureDir + QLatin1Char('/') + file;
    translate(window, path);
    QVERIFY(openBoxes(window).isEmpty());

    const bool bmu = unit == QLatin1String("radioBtn_BMU");
    auto* table = widget<QTableWidget>(window, bmu ? "table_Trans" : "tableWidget_Trans_BMS");
    QCOMPARE(table->rowCount(), rows);
    const TextRows expected =
        expectedRows(path, bmu ? LogUnit::Bmu : LogUnit::Bms, family, table->columnCount());
    QCOMPARE(expected.size(), rows);
    for (int r = 0; r < rows; ++r)
        QCOMPARE(rowTexts(table, r), expected[r]);
    QVERIFY(table->alternatingRowColors());
    // The other unit's table is untouched.
    QCOMPARE(
        widget<QTableWidget>(window, bmu ? "tableWidget_Trans_BMS" : "table_Trans")->rowCount(), 0);
}

void TestTranslationTab::decodedTexts_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("LV running version 3.12")
        << "history-bmu-lv-dates.xlsx"
        << "radioBtn_BMU"
        << "Lumeno LV" << 0 << 3 << "| Running Version:V3.12 |";
    QTest::newRow("same row read as HV differs")
        << "history-bmu-lv-dates.xlsx"
        << "radioBtn_BMU"
        << "Lumeno HV" << 0 << 3 << "| F/W Update || Running section: B || Current Version: V0.0 |";
    QTest::newRow("date cell becomes date and time")
        << "history-bmu-lv-dates.xlsx"
        << "radioBtn_BMU"
        << "Lumeno LV" << 0 << 0 << "2023-04-17 08:05:03";
    QTest::newRow("BMS interlock warning") << "history-bms.xls"
                                           << "radioBtn_BMS"
                                           << "Lumeno HV" << 1 << 3 << "Interlock switch Abnormal;";
    QTest::newRow("BMS negative current") << "history-bms.xls"
                                          << "radioBtn_BMS"
                                          << "Lumeno HV" << 1 << 12 << "-10.0";
}

void TestTranslationTab::decodedTexts() {
    QFETCH(QString, file);
    QFETCH(QString, unit);
    QFETCH(QString, family);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    MainWindow window;
    choose(window, unit, family);
    translate(window, fixtureDir + QLatin1Char('/') + file);
    auto* table = widget<QTableWidget>(
        window, unit == QLatin1String("radioBtn_BMU") ? "table_Trans" : "tableWidget_Trans_BMS");
    QVERIFY(table->item(row, column));
    QCOMPARE(table->item(row, column)->text(), text);
}

void TestTranslationTab::refusalsKeepTheTable_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("message");
    const QByteArray good = "Date&Time\tCode\tDescription\tLog Data\t\n"
                            "2023-04-17 08:05:03\t00\tPower ON\t01 01 03 0c \t\n";
    QTest::newRow("no unit chosen") << good << ""
                                    << "Please choose BMU or BMS first.";
    QTest::newRow("three columns") << QByteArray("a\tb\tc\n1\t2\t3\n") << "radioBtn_BMU"
                                   << "Please choose the correct data file!!";
    QTest::newRow("empty sheet") << QByteArray("\t\t\n") << "radioBtn_BMU"
                                 << "Please choose the correct data file!!";
    QTest::newRow("empty file") << QByteArray() << "radioBtn_BMU"
                                << "The file is empty.";
    QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "radioBtn_BMU"
                             << "neither a spreadsheet";
    QTest::newRow("damaged workbook") << QByteArray("PK\x03\x04garbage", 11) << "radioBtn_BMU"
                                      << "damaged";
}

void TestTranslationTab::refusalsKeepTheTable() {
    QFETCH(QByteArray, content);
    QFETCH(QString, unit);
    QFETCH(QString, message);
    MainWindow window;
    auto* table = widget<QTableWidget>(window, "table_Trans");
    table->setRowCount(1);
    table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("earlier")));
    choose(window, unit, QStringLiteral("Lumeno HV"));
    const QString path = folder.path(QStringLiteral("log.xls"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    translate(window, path);

    const QList<QMessageBox*> boxes = openBoxes(window);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0]->windowTitle(), QStringLiteral("Remind"));
    QVERIFY2(boxes[0]->text().contains(message), qPrintable(boxes[0]->text()));
    closeBoxes(window);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("earlier"));
}

void TestTranslationTab::headerOnlyEmptiesTheTable() {
    MainWindow window;
    auto* table = widget<QTableWidget>(window, "tableWidget_Trans_BMS");
    table->setRowCount(3);
    choose(window, QStringLiteral("radioBtn_BMS"));
    const QString path = folder.path(QStringLiteral("header.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("Date&Time\tCode\tDescription\tLog Data\t\n");
    file.close();
    translate(window, path);
    QVERIFY(openBoxes(window).isEmpty());
    QCOMPARE(table->rowCount(), 0);
}

void TestTranslationTab::clear() {
    MainWindow window;
    auto* bmu = widget<QTableWidget>(window, "table_Trans");
    auto* bms = widget<QTableWidget>(window, "tableWidget_Trans_BMS");
    bmu->setRowCount(2);
    bms->setRowCount(3);
    auto* clearButton = widget<QPushButton>(window, "Btn_clear");
    QTest::mouseClick(clearButton, Qt::LeftButton); // no unit chosen: nothing happens
    QCOMPARE(bmu->rowCount(), 2);
    QCOMPARE(bms->rowCount(), 3);
    choose(window, QStringLiteral("radioBtn_BMS"));
    QTest::mouseClick(clearButton, Qt::LeftButton);
    QCOMPARE(bmu->rowCount(), 2);
    QCOMPARE(bms->rowCount(), 0);
    choose(window, QStringLiteral("radioBtn_BMU"));
    QTest::mouseClick(clearButton, Qt::LeftButton);
    QCOMPARE(bmu->rowCount(), 0);
}

QTEST_MAIN(TestTranslationTab)
#include "tst_translationtab.moc"
