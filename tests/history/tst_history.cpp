#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "history/history.h"

#include <QComboBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

// The companion on a bare form: translation of a saved log into the chosen table.
class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void translationFillsChosenTable();
    void translationWithoutUnitWarnsOnce();

private:
    QMainWindow* window = nullptr;
    Ui_MainWindow* form = nullptr;
    History* history = nullptr;
};

void TestHistory::init() {
    window = new QMainWindow;
    form = new Ui_MainWindow;
    form->setupUi(window);
    form->comboBox_ReadHistoryInfo->addItems({"BMU", "BMS1", "BMS2"});
    for (QTableWidget* table : History::historyTables(form))
        table->setColumnCount(4);
    form->tableWidget_Events->setColumnCount(3);
    form->tableWidget_Events->setRowCount(250);
    history = new History(form, window);
}

void TestHistory::cleanup() {
    delete window;
    delete form;
}

void TestHistory::translationFillsChosenTable() {
    const SavedLog log{{"2021-03-05 09:07:02", "2021-03-05 09:08:02"},
                       {"00", "106"},
                       {"Power ON", "SN Code Changed"},
                       {"03 0c", "00"}};
    form->table_Trans->setColumnCount(4);
    form->tableWidget_Trans_BMS->setColumnCount(18);
    form->radioBtn_BMU->setChecked(true);
    form->comboBox_Trans->setCurrentText(QStringLiteral("Lumeno LV"));
    history->translateRecords(log);
    QCOMPARE(form->table_Trans->rowCount(), 2);
    QCOMPARE(form->table_Trans->item(0, 3)->text(), QStringLiteral("| Running Version:V3.12 |"));
    QCOMPARE(form->table_Trans->item(1, 3)->text(), QStringLiteral("No record data"));
    QCOMPARE(form->tableWidget_Trans_BMS->rowCount(), 0);

    form->radioBtn_BMS->setChecked(true);
    form->tableWidget_Trans_BMS->setRowCount(2);
    history->translateRecords(log);
    QCOMPARE(form->tableWidget_Trans_BMS->item(0, 3)->text(), QStringLiteral("Runing Section:A"));
    QCOMPARE(form->tableWidget_Trans_BMS->item(0, 4)->text(), QStringLiteral("FW version:V0.0"));
    QCOMPARE(form->tableWidget_Trans_BMS->item(1, 3)->text(),
             QStringLiteral("serial number was changed."));
}

void TestHistory::translationWithoutUnitWarnsOnce() {
    form->table_Trans->setColumnCount(4);
    const SavedLog log{{"a", "b", "c"}, {"0", "0", "0"}, {"", "", ""}, {"00", "00", "00"}};
    history->translateRecords(log);
    QCOMPARE(window->findChildren<QMessageBox*>().size(), 1);
    QCOMPARE(window->findChildren<QMessageBox*>().first()->text(),
             QStringLiteral("Please choose BMU or BMS."));
    QCOMPARE(form->table_Trans->rowCount(), 0);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
