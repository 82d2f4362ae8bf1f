// The window's file pages without a BMU: exports with their default names, the log
// translation from files, the firmware CRC and the parameter-table packaging refusals.
#include "windowfixture.h"

#include "files/spreadsheetreader.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStandardPaths>

class TestFilePages : public QObject {
    Q_OBJECT

    InTemporaryFolder folder;

private slots:
    // The save dialog's default name: the serial numbers, the unit, a time stamp. No name:
    // no dialog at all.
    void defaultNames_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("historyIndex");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("name");
        QTest::newRow("BMU history") << "pushButton_2" << 0 << ""
                                     << "/S123+BMU Historical Data+";
        QTest::newRow("history before the unit list is filled")
            << "pushButton_2" << -1 << "" << QStringLiteral("/S123+BMU Historical Data+");
        QTest::newRow("BMS 3 history") << "pushButton_2" << 3 << ""
                                       << "/S123+BMS3+T456 Historical Data+";
        QTest::newRow("BMU translation") << "pushBtn_Trans_to_Excel" << 0 << "radioBtn_BMU"
                                         << "/BMU Historical Info (S123)";
        QTest::newRow("BMS translation") << "pushBtn_Trans_to_Excel" << 0 << "radioBtn_BMS"
                                         << "/BMS Historical Info (S123)";
        QTest::newRow("translation without a unit") << "pushBtn_Trans_to_Excel" << 0 << ""
                                                    << "";
    }
    void defaultNames() {
        QFETCH(QString, button);
        QFETCH(int, historyIndex);
        QFETCH(QString, radio);
        QFETCH(QString, name);
        MainWindow window;
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
        choose(window, radio);

        const QString path = folder.path(QStringLiteral("never.xls"));
        const Dialog dialog =
            clickAnswering(window, qPrintable(button), name.isEmpty() ? path : "");
        QVERIFY(openBoxes(window).isEmpty());
        QCOMPARE(dialog.calls, name.isEmpty() ? 0 : 1);
        QVERIFY(!QFile::exists(path));
        if (name.isEmpty())
            return;
        QCOMPARE(dialog.caption, QStringLiteral("Save"));
        QCOMPARE(dialog.filter, QStringLiteral("Excel File( *.xls *.xlsx);;TXT-Files (*.txt)"));
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        QVERIFY2(dialog.path.startsWith(desktop + name), qPrintable(dialog.path));
        const QString stamp = dialog.path.mid(desktop.size() + name.size());
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d{6}$"))
                     .match(stamp)
                     .hasMatch(),
                 qPrintable(stamp));
    }

    void cellTableExport() {
        MainWindow window;
        auto* cells = widget<QTableWidget>(window, "tableWidget_BMS_Cells");
        const QString path = folder.path(QStringLiteral("cells.txt"));
        clickAnswering(window, "Btn_CellInfo_Export", path);
        closeBoxes(window, QMessageBox::No);
        const QList<QByteArray> lines = readBytes(path).split('\n');
        // A header line and one line per row, each cell (present or not) followed by a tab.
        QCOMPARE(lines.size(), cells->rowCount() + 1);
        QVERIFY(lines[0].startsWith("Module\tCell No.\tV-mV\t"));
        for (const QByteArray& line : lines) {
            QCOMPARE(line.count('\t'), cells->columnCount());
            QVERIFY(line.endsWith('\t'));
        }
    }

    // A written file reads back as shown, the text kind checked to the byte (GB2312, ℃ is
    // A1 E6); a file that cannot be written is reported with its path.
    void translationExport_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("written");
        QTest::newRow("text named .xls")
            << "bmu.xls"
            << QByteArray("Date&Time\tCode\tDescription\tDetails\t\n"
                          "2023-04-17 08:05:03\t00\tPower ON\tCell_Max_T 25\xA1\xE6\t\n"
                          "2023-04-17 08:42:14\t01\tPower OFF\t\t")
            << true;
        QTest::newRow("missing folder") << "no-such-folder/bmu.txt" << QByteArray() << false;
    }
    void translationExport() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, written);
        MainWindow window;
        auto* table = widget<QTableWidget>(window, "table_Trans");
        // Two rows under the four BMU headers; row 1 misses its last cell.
        const SheetRows rows{{"2023-04-17 08:05:03", "00", "Power ON", "Cell_Max_T 25℃"},
                             {"2023-04-17 08:42:14", "01", "Power OFF"}};
        table->setRowCount(rows.size());
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                table->setItem(r, c, new QTableWidgetItem(rows[r][c]));
        choose(window, QStringLiteral("radioBtn_BMU"));
        const QString path = folder.path(name);
        clickAnswering(window, "pushBtn_Trans_to_Excel", path);

        const QList<QMessageBox*> boxes = openBoxes(window);
        QCOMPARE(boxes.size(), 1);
        if (!written) {
            QCOMPARE(boxes[0]->icon(), QMessageBox::Warning);
            QVERIFY2(boxes[0]->text().contains(path), qPrintable(boxes[0]->text()));
            QVERIFY(!QFile::exists(path));
            closeBoxes(window);
            return;
        }
        QCOMPARE(boxes[0]->windowTitle(), QStringLiteral("Done"));
        QCOMPARE(boxes[0]->text(),
                 QStringLiteral("Data export successfully. Do you want to open it now?"));
        QCOMPARE(boxes[0]->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        closeBoxes(window, QMessageBox::No);
        QTRY_VERIFY(openBoxes(window).isEmpty());
        if (!bytes.isEmpty())
            QCOMPARE(readBytes(path), bytes);
        const SheetReadResult back = readFirstWorksheet(path);
        QVERIFY2(back.ok(), qPrintable(back.error));
        const QStringList header{"Date&Time", "Code", "Description", "Details"};
        QCOMPARE(back.rows, (SheetRows{header, rows[0], QStringList(rows[1]) << QString()}));
    }

    // Each history fixture through the window: every row decoded, date cells as date and
    // time, the other unit's table untouched. The texts themselves are the decoders' (checked
    // there).
    void translateFixtures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("rows");
        QTest::newRow("HV BMU xlsx") << "history-bmu-hv.xlsx" << 20;
        QTest::newRow("LV BMU, date cells") << "history-bmu-lv-dates.xlsx" << 14;
        QTest::newRow("LV BMU saved by LibreOffice") << "history-bmu-lv-dates-lo.xlsx" << 14;
        QTest::newRow("BMS xls") << "history-bms.xls" << 16;
        QTest::newRow("BMS own text export") << "history-bms-export.xls" << 16;
    }
    void translateFixtures() {
        QFETCH(QString, file);
        QFETCH(int, rows);
        const bool isBmu = file.startsWith(QLatin1String("history-bmu"));
        MainWindow window;
        choose(window, QLatin1String(isBmu ? "radioBtn_BMU" : "radioBtn_BMS"),
               QStringLiteral("Lumeno LV"));
        const Dialog dialog = clickAnswering(window, "Btn_TransFromFile", fixture(file));
        QCOMPARE(dialog.caption, QStringLiteral("Choose Excel file"));
        QVERIFY(dialog.filter.startsWith(QStringLiteral("Exel file(*.xls *.xlsx)")));
        QVERIFY(openBoxes(window).isEmpty());
        auto* table = widget<QTableWidget>(window, isBmu ? "table_Trans" : "tableWidget_Trans_BMS");
        QCOMPARE(table->rowCount(), rows);
        QCOMPARE(cellText(table, 0, 0), QStringLiteral("2023-04-17 08:05:03"));
        for (int r = 0; r < rows; ++r)
            QVERIFY(!rowTexts(table, r).mid(3).join(QString()).isEmpty()); // decoded
        auto* other = widget<QTableWidget>(window, isBmu ? "tableWidget_Trans_BMS" : "table_Trans");
        QCOMPARE(other->rowCount(), 0);
    }

    // A refused file leaves the table as it was and says why; a header alone empties it.
    void translateWrittenFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("message");
        const QByteArray header("Date&Time\tCode\tDescription\tLog Data\t\n");
        const QString bmu = QStringLiteral("radioBtn_BMU");
        QTest::newRow("no unit chosen") << header + "2023-04-17 08:05:03\t00\tPower ON\t01 \t\n"
                                        << "" << QStringLiteral("Please choose BMU or BMS first.");
        QTest::newRow("three columns")
            << QByteArray("a\tb\tc\n1\t2\t3\n") << bmu << "Please choose the correct data file!!";
        QTest::newRow("empty sheet")
            << QByteArray("\t\t\n") << bmu << "Please choose the correct data file!!";
        QTest::newRow("damaged workbook: the reader's error")
            << QByteArray("PK\x03\x04garbage", 11) << bmu << QStringLiteral("damaged");
        QTest::newRow("header only") << header << bmu << QString();
    }
    void translateWrittenFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QString, unit);
        QFETCH(QString, message);
        MainWindow window;
        auto* table = widget<QTableWidget>(window, "table_Trans");
        table->setRowCount(1);
        table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("earlier")));
        choose(window, unit, QStringLiteral("Lumeno HV"));
        const QString path = folder.path(QStringLiteral("log.xls"));
        QVERIFY(writeBytes(path, content));
        clickAnswering(window, "Btn_TransFromFile", path);

        const QList<QMessageBox*> boxes = openBoxes(window);
        QCOMPARE(boxes.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(table->rowCount(), message.isEmpty() ? 0 : 1);
        if (message.isEmpty())
            return;
        QCOMPARE(boxes[0]->windowTitle(), QStringLiteral("Remind"));
        QVERIFY2(boxes[0]->text().contains(message), qPrintable(boxes[0]->text()));
        closeBoxes(window);
        QCOMPARE(cellText(table, 0, 0), QStringLiteral("earlier"));
    }

    // The unit shows its page, and Clear empties only the chosen unit's table.
    void unitChoiceSwitchesAndClears() {
        MainWindow window;
        auto* pages = widget<QStackedWidget>(window, "stackedWidget_Trans");
        auto* bmu = widget<QTableWidget>(window, "table_Trans");
        auto* bms = widget<QTableWidget>(window, "tableWidget_Trans_BMS");
        bmu->setRowCount(2);
        bms->setRowCount(3);
        QCOMPARE(pages->currentIndex(), 0);
        click(window, "Btn_clear"); // no unit chosen: nothing happens
        QCOMPARE(bmu->rowCount(), 2);
        QCOMPARE(bms->rowCount(), 3);
        choose(window, QStringLiteral("radioBtn_BMS"));
        QCOMPARE(pages->currentIndex(), 1);
        click(window, "Btn_clear");
        QCOMPARE(bmu->rowCount(), 2);
        QCOMPARE(bms->rowCount(), 0);
        choose(window, QStringLiteral("radioBtn_BMU"));
        QCOMPARE(pages->currentIndex(), 0);
        click(window, "Btn_clear");
        QCOMPARE(bmu->rowCount(), 0);
    }

    void firmwareCrc() {
        MainWindow window;
        auto* crc = widget<QLineEdit>(window, "lineEdit_CRC");
        const QString path = folder.path(QStringLiteral("fw.bin"));
        QVERIFY(writeBytes(path, QByteArray("\xB0\x87"))); // CRC-16/MODBUS 0x1234
        const Dialog dialog = clickAnswering(window, "pushButton_3", path);
        QCOMPARE(dialog.caption, QStringLiteral("Choose F/W file"));
        QCOMPARE(dialog.path, QString());
        QCOMPARE(dialog.filter, QStringLiteral("Bin file(*.bin)"));
        QCOMPARE(widget<QLineEdit>(window, "lineEdit_FW")->text(), path);
        QCOMPARE(crc->text(), QStringLiteral("3412"));

        // A cancelled dialog keeps what is shown; a file that gives no CRC clears it.
        clickAnswering(window, "pushButton_3", QString());
        QCOMPARE(crc->text(), QStringLiteral("3412"));
        QVERIFY(openBoxes(window).isEmpty());
        const QString empty = folder.path(QStringLiteral("empty.bin"));
        QVERIFY(writeBytes(empty, QByteArray()));
        for (const QString& bad :
             {folder.path(QStringLiteral("missing.bin")), empty, folder.path(".")}) {
            crc->setText(QStringLiteral("3412"));
            clickAnswering(window, "pushButton_3", bad);
            QCOMPARE(crc->text(), QString());
            const QList<QMessageBox*> boxes = openBoxes(window);
            QCOMPARE(boxes.size(), 1);
            QVERIFY2(boxes[0]->text().contains(bad), qPrintable(boxes[0]->text()));
            closeBoxes(window);
        }
    }

    void packagingRefusals_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled dialog") << QByteArray() << true << "No file chosen";
        QTest::newRow("empty file: the reader's error")
            << QByteArray() << false << "The file is empty.";
        QTest::newRow("short sheet: the packager's error")
            << QByteArray("G,,P,1,u,2,u,3,u,4,u,5,u,6\nEnd\n") << false << "holds 2 rows";
    }
    void packagingRefusals() {
        QFETCH(QByteArray, content);
        QFETCH(bool, cancel);
        QFETCH(QString, message);
        MainWindow window;
        const QString path = folder.path(QStringLiteral("table.csv"));
        QVERIFY(writeBytes(path, content));
        clickAnswering(window, "Btn_PT_Load", cancel ? QString() : path);
        const QString shown = widget<QPlainTextEdit>(window, "textEdit_PT")->toPlainText();
        QVERIFY2(shown.contains(message), qPrintable(shown));
        QVERIFY(QDir(QStringLiteral("Data")).entryList(QDir::Files).isEmpty());
        QCOMPARE(openBoxes(window).size(), cancel ? 0 : 1);
        closeBoxes(window);
    }
};

QTEST_MAIN(TestFilePages)
#include "tst_filepages.moc"
