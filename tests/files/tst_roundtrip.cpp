// The data files end to end through the real window and the simulated BMU: a history read
// is exported and translated again, and a packaged parameter table is sent to the BMU.
#include "windowfixture.h"

#include "files/spreadsheetreader.h"
#include "files/tablepackage.h"
#include "firmware/tablefile.h"
#include "history/batteryfamily.h"
#include "history/bmsdetail.h"
#include "history/hvbmudetail.h"
#include "history/lvbmudetail.h"
#include "link/hexcommand.h"
#include "sim/bmusimulator.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

constexpr int linkTimeoutMs = 30000;

// The link is settled when the buttons are back and the BMU has had no request for a
// while (the BMS information read that ends a refresh leaves its state behind).
class LinkQuiet {
public:
    explicit LinkQuiet(BmuSimulator& simulator) {
        sinceLastRequest.start();
        connection = QObject::connect(&simulator, &BmuSimulator::requestReceived, &simulator,
                                      [this] { sinceLastRequest.restart(); });
    }
    LinkQuiet(const LinkQuiet&) = delete;
    LinkQuiet& operator=(const LinkQuiet&) = delete;
    ~LinkQuiet() { QObject::disconnect(connection); }

    bool settled(MainWindow& window, const char* button) const {
        return widget<QPushButton>(window, button)->isEnabled() &&
               sinceLastRequest.elapsed() > 1500;
    }

private:
    QElapsedTimer sinceLastRequest;
    QMetaObject::Connection connection;
};

// Connects to the simulator and refreshes, so that serial numbers, unit lists and the
// parameter-table scan are in place.
void connectAndRefresh(MainWindow& window, BmuSimulator& simulator) {
    const LinkQuiet quiet(simulator);
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator.serverPort());
    click(window, "Btn_ConnectTCP");
    QTRY_COMPARE_WITH_TIMEOUT(widget<QPushButton>(window, "Btn_ConnectTCP")->text(),
                              QStringLiteral("Disconnect"), linkTimeoutMs);
    closeBoxes(window);
    click(window, "Btn_Refresh");
    QTRY_VERIFY_WITH_TIMEOUT(!widget<QLabel>(window, "label_SN")->text().isEmpty(), linkTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(quiet.settled(window, "Btn_HistoryInfo"), linkTimeoutMs);
}

// Reads one block (20 records) of the unit's log into its history table.
QTableWidget* readHistory(MainWindow& window, BmuSimulator& simulator, int unit) {
    const LinkQuiet quiet(simulator);
    widget<QComboBox>(window, "comboBox_ReadHistoryInfo")->setCurrentIndex(unit);
    widget<QLineEdit>(window, "lineEdit_His_Data_Qty")->setText(QStringLiteral("20"));
    click(window, "Btn_HistoryInfo");
    auto* table = window.findChild<QTableWidget*>(
        unit == 0 ? QStringLiteral("tableWidget_HistoryInfo_BMU")
                  : QStringLiteral("tableWidget_HistoryInfo_BMS_%1").arg(unit));
    [&] { QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 20, linkTimeoutMs); }();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(quiet.settled(window, "pushButton_2"), linkTimeoutMs); }();
    return table;
}

void exportHistory(MainWindow& window, const QString& path) {
    clickAnswering(window, "pushButton_2", path);
    QCOMPARE(openBoxes(window).size(), 1); // "Done"
    closeBoxes(window, QMessageBox::No);
    QVERIFY(QFile::exists(path));
}

// Translates the file as the unit and family and checks every row against the history
// table it came from and the detail decoders.
void translateAndCheck(MainWindow& window, const QString& path, const QTableWidget* history,
                       bool bmu, const QString& family) {
    choose(window, QLatin1String(bmu ? "radioBtn_BMU" : "radioBtn_BMS"), family);
    clickAnswering(window, "Btn_TransFromFile", path);
    QVERIFY(openBoxes(window).isEmpty());

    const auto* result =
        widget<QTableWidget>(window, bmu ? "table_Trans" : "tableWidget_Trans_BMS");
    QCOMPARE(result->rowCount(), history->rowCount());
    for (int r = 0; r < history->rowCount(); ++r) {
        QCOMPARE(rowTexts(result, r).mid(0, 3), rowTexts(history, r).mid(0, 3));
        const int code = cellText(history, r, 1).toInt();
        const QByteArray data = hexToBytes(cellText(history, r, 3));
        QCOMPARE(data.size(), 23);
        if (bmu) {
            const QString detail = family == QLatin1String(LumenoHv) ? hvBmuDetail(code, data)
                                                                     : lvBmuDetail(code, data);
            QCOMPARE(cellText(result, r, 3), detail);
        } else {
            const QStringList texts = bmsDetailTexts(code, data, family);
            for (int k = 0; k < texts.size() && 3 + k < result->columnCount(); ++k)
                QCOMPARE(cellText(result, r, 3 + k), texts[k]);
        }
    }
}

} // namespace

class TestRoundTrip : public QObject {
    Q_OBJECT

    InTemporaryFolder folder;

private slots:
    void historyExportedAndTranslated() {
        BmuSimulator simulator(SystemPreset::HighVoltage);
        simulator.setStatic(true);
        QVERIFY(simulator.listen());
        MainWindow window;
        connectAndRefresh(window, simulator);

        const QTableWidget* bmuHistory = readHistory(window, simulator, 0);
        const QString bmuFile = folder.path(QStringLiteral("bmu history.xls"));
        exportHistory(window, bmuFile);
        translateAndCheck(window, bmuFile, bmuHistory, true, QLatin1String(LumenoHv));
        translateAndCheck(window, bmuFile, bmuHistory, true, QLatin1String(LumenoLv));

        const QTableWidget* bmsHistory = readHistory(window, simulator, 1);
        const QString bmsFile = folder.path(QStringLiteral("bms1 history.xlsx"));
        exportHistory(window, bmsFile);
        translateAndCheck(window, bmsFile, bmsHistory, false, QLatin1String(LumenoHv));
        translateAndCheck(window, bmsFile, bmsHistory, false, QLatin1String(LumenoLv));

        // The translation exports again and reads back as it is shown.
        const QString again = folder.path(QStringLiteral("translated.xlsx"));
        clickAnswering(window, "pushBtn_Trans_to_Excel", again);
        closeBoxes(window, QMessageBox::No);
        const SheetReadResult back = readFirstWorksheet(again);
        QVERIFY2(back.ok(), qPrintable(back.error));
        QCOMPARE(back.rows.size(), bmsHistory->rowCount() + 1);
        QCOMPARE(back.rows[0].value(3), QStringLiteral("Warning 1"));
    }

    // Packaged through the tool page: the file in Data/ carries the table the BMU then holds.

    void packagedTableReachesTheBmu() {
        MainWindow window;
        widget<QComboBox>(window, "comboBox_Bat_Type")->setCurrentText(QStringLiteral("QPA"));
        const Dialog dialog =
            clickAnswering(window, "Btn_PT_Load", fixture(QStringLiteral("param-table-qpa.xlsx")));
        QCOMPARE(dialog.caption, QStringLiteral("选择Excel文件"));
        QCOMPARE(dialog.filter, QStringLiteral("Exel file(*.csv *.xls *.xlsx)"));
        QVERIFY(openBoxes(window).isEmpty());
        const QString name = QStringLiteral("QPA-TAB-2-3.7.bin");
        QCOMPARE(widget<QPlainTextEdit>(window, "textEdit_PT")->toPlainText(),
                 QStringLiteral("加密的阈值表导出成功, 文件名为：%1,已存入Data文件夹").arg(name));
        QCOMPARE(QDir(QStringLiteral("Data")).entryList(QDir::Files), QStringList{name});
        const TableBlock block = decodeTableFile(readBytes(QStringLiteral("Data/") + name));
        QVERIFY(tableCrcMatches(block));
        QCOMPARE(block.tableData.size(), tableByteCount);

        // The QPA system runs table V3.6: the refresh picks the packaged V3.7 up.
        BmuSimulator simulator(SystemPreset::Qpa5);
        simulator.setStatic(true);
        QVERIFY(simulator.listen());
        connectAndRefresh(window, simulator);
        QCOMPARE(widget<QLabel>(window, "label_PT_New")->text(), QStringLiteral("V3.7"));

        click(window, "Btn_PT_Update");
        auto* pane = widget<QTextEdit>(window, "textEdit_FW_Update");
        QTRY_VERIFY_WITH_TIMEOUT(
            pane->toPlainText().contains(QStringLiteral("update Successful!!!")), linkTimeoutMs);
        QCOMPARE(simulator.tableBytes(), block.tableData);
    }
};

QTEST_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
