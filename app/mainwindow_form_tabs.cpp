#include "app/formbuilder.h"
#include "app/mainwindow_form.h"
#include "monitor/battery.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace FormBuilder;

namespace {

// Main and sub version read as one number ("3.12"): the labels touch the dot.
QHBoxLayout* versionPair(QWidget* parent, QLabel* main, QLabel* sub) {
    auto* pair = new QHBoxLayout;
    pair->setSpacing(0);
    pair->addWidget(main);
    pair->addWidget(caption(parent, QStringLiteral(".")));
    pair->addWidget(sub);
    pair->addStretch();
    return pair;
}

} // namespace

void Ui_MainWindow::setupDiagnosisTab() {
    tab_2 = make<QWidget>(tabWidget, "tab_2");
    tabWidget->addTab(tab_2, QString());
    auto* layout = new QVBoxLayout(tab_2);
    tabWidget_2 = make<QTabWidget>(tab_2, "tabWidget_2");
    layout->addWidget(tabWidget_2);

    tab_9 = make<QWidget>(tabWidget_2, "tab_9");
    tabWidget_2->addTab(tab_9, QString());
    auto* info = new QGridLayout(tab_9);
    auto* choose = new QHBoxLayout;
    comboBox_BMSInfo = make<QComboBox>(tab_9, "comboBox_BMSInfo");
    Btn_BMSInfo_Read = button(tab_9, "Btn_BMSInfo_Read", tr("Read"));
    choose->addWidget(comboBox_BMSInfo);
    choose->addWidget(Btn_BMSInfo_Read);
    choose->addStretch();
    info->addLayout(choose, 0, 0, 1, 3);

    gBox_BMS_1 = valueGroup(
        tab_9, "gBox_BMS_1", tr("Battery"),
        {{QStringLiteral("SN:"), "label_BMS_SN", &label_BMS_SN},
         {QStringLiteral("F/W:"), "label_BMS_FW", &label_BMS_FW},
         {QStringLiteral("P-T A:"), "label_BMS_ParameterTable_A", &label_BMS_ParameterTable_A},
         {QStringLiteral("P-T B:"), "label_BMS_ParameterTable_B", &label_BMS_ParameterTable_B}});
    // The state values carry their own prefixes ("SOC:59.5%", "Charging:-1.4A").
    gBox_BMS_2 = valueGroup(tab_9, "gBox_BMS_2", tr("State"),
                            {{QString(), "label_BMS_SOC", &label_BMS_SOC},
                             {QString(), "label_BMS_Current", &label_BMS_Current}});
    gBox_BMS_3 =
        valueGroup(tab_9, "gBox_BMS_3", tr("Voltage"),
                   {{tr("Battery:"), "label_BMS_Battery_voltage", &label_BMS_Battery_voltage},
                    {tr("Pack:"), "label_BMS_Park_voltage", &label_BMS_Park_voltage}});
    gBox_BMS_4 =
        valueGroup(tab_9, "gBox_BMS_4", tr("Cells"),
                   {{tr("Max. Voltage:"), "label_BMS_CellVoltage_Max", &label_BMS_CellVoltage_Max},
                    {tr("Min. Voltage:"), "label_BMS_CellVoltage_Min", &label_BMS_CellVoltage_Min},
                    {tr("Max. Temp.:"), "label_BMS_CellTemp_Max", &label_BMS_CellTemp_Max},
                    {tr("Min. Temp.:"), "label_BMS_CellTemp_Min", &label_BMS_CellTemp_Min}});
    info->addWidget(gBox_BMS_1, 1, 0);
    info->addWidget(gBox_BMS_2, 1, 1);
    info->addWidget(gBox_BMS_3, 2, 0);
    info->addWidget(gBox_BMS_4, 2, 1);
    auto* gauge = new QHBoxLayout;
    Battery_BMS = make<Battery>(tab_9, "Battery_BMS");
    Battery_BMS->setMinimumSize(120, 180);
    verticalSlider_BMS = make<QSlider>(tab_9, "verticalSlider_BMS");
    verticalSlider_BMS->setOrientation(Qt::Vertical);
    gauge->addWidget(Battery_BMS);
    gauge->addWidget(verticalSlider_BMS);
    info->addLayout(gauge, 1, 2, 2, 1);
    textEdit_BMS_Event = make<QTextEdit>(tab_9, "textEdit_BMS_Event");
    textEdit_BMS_Event->setReadOnly(true);
    info->addWidget(textEdit_BMS_Event, 3, 0, 1, 3);

    tab_10 = make<QWidget>(tabWidget_2, "tab_10");
    tabWidget_2->addTab(tab_10, QString());
    auto* cellsPage = new QVBoxLayout(tab_10);
    tableWidget_BMS_Cells = make<QTableWidget>(tab_10, "tableWidget_BMS_Cells");
    cellsPage->addWidget(tableWidget_BMS_Cells);
    Btn_CellInfo_Export = button(tab_10, "Btn_CellInfo_Export", tr("Export To File"));
    cellsPage->addWidget(Btn_CellInfo_Export, 0, Qt::AlignRight);

    tab_5 = make<QWidget>(tabWidget_2, "tab_5");
    tabWidget_2->addTab(tab_5, QString());
    auto* details = new QVBoxLayout(tab_5);
    tableWidget_BMSInfo = make<QTableWidget>(tab_5, "tableWidget_BMSInfo");
    details->addWidget(tableWidget_BMSInfo);
}

void Ui_MainWindow::setupUpdateTab() {
    tab_4 = make<QWidget>(tabWidget, "tab_4");
    tabWidget->addTab(tab_4, QString());
    auto* layout = new QGridLayout(tab_4);

    auto* download = new QGroupBox(tr("Firmware download"), tab_4);
    auto* downloadLayout = new QHBoxLayout(download);
    pBar_Download_FW = make<QProgressBar>(download, "pBar_Download_FW");
    BtnDownloadFWfile = button(download, "BtnDownloadFWfile", tr("Download"));
    downloadLayout->addWidget(pBar_Download_FW);
    downloadLayout->addWidget(BtnDownloadFWfile);
    layout->addWidget(download, 0, 0);

    auto* firmware = new QGroupBox(tr("Firmware update"), tab_4);
    auto* fw = new QGridLayout(firmware);
    comboBox = make<QComboBox>(firmware, "comboBox");
    comboBox->addItems({QStringLiteral("BMU"), QStringLiteral("BMS")});
    label_Current_MainVersion_FW = label(firmware, "label_Current_MainVersion_FW");
    label_Current_SubVersion_FW = label(firmware, "label_Current_SubVersion_FW");
    labelMainVersion_FW = label(firmware, "labelMainVersion_FW");
    labelSubVersion_FW = label(firmware, "labelSubVersion_FW");
    label_7 = label(firmware, "label_7", tr("Section:"));
    label_APPVersion = label(firmware, "label_APPVersion");
    progressBarFW = make<QProgressBar>(firmware, "progressBarFW");
    BtnSendFW = button(firmware, "BtnSendFW", tr("Update"));
    fw->addWidget(caption(firmware, tr("FW Type:")), 0, 0);
    fw->addWidget(comboBox, 0, 1, 1, 3);
    fw->addWidget(caption(firmware, tr("Running version:")), 1, 0);
    fw->addLayout(versionPair(firmware, label_Current_MainVersion_FW, label_Current_SubVersion_FW),
                  1, 1, 1, 3);
    fw->addWidget(caption(firmware, tr("New version:")), 2, 0);
    fw->addLayout(versionPair(firmware, labelMainVersion_FW, labelSubVersion_FW), 2, 1, 1, 3);
    fw->addWidget(label_7, 3, 0);
    fw->addWidget(label_APPVersion, 3, 1);
    fw->addWidget(progressBarFW, 4, 0, 1, 4);
    fw->addWidget(BtnSendFW, 5, 0, 1, 4);
    layout->addWidget(firmware, 1, 0);

    auto* table = new QGroupBox(tr("Parameter table update"), tab_4);
    auto* pt = new QGridLayout(table);
    label_PT_Running = label(table, "label_PT_Running");
    label_PT_New = label(table, "label_PT_New");
    progressBar_PT = make<QProgressBar>(table, "progressBar_PT");
    Btn_PT_Update = button(table, "Btn_PT_Update", tr("Update"));
    pt->addWidget(caption(table, tr("Running:")), 0, 0);
    pt->addWidget(label_PT_Running, 0, 1);
    pt->addWidget(caption(table, tr("New:")), 1, 0);
    pt->addWidget(label_PT_New, 1, 1);
    pt->addWidget(progressBar_PT, 2, 0, 1, 2);
    pt->addWidget(Btn_PT_Update, 3, 0, 1, 2);
    layout->addWidget(table, 2, 0);

    textEdit_FW_Update = make<QTextEdit>(tab_4, "textEdit_FW_Update");
    textEdit_FW_Update->setReadOnly(true);
    layout->addWidget(textEdit_FW_Update, 0, 1, 3, 1);
    layout->setColumnStretch(1, 1);
}

void Ui_MainWindow::setupHistoryTab() {
    tab_3 = make<QWidget>(tabWidget, "tab_3");
    tabWidget->addTab(tab_3, QString());
    auto* layout = new QVBoxLayout(tab_3);
    tabWidget_History = make<QTabWidget>(tab_3, "tabWidget_History");
    layout->addWidget(tabWidget_History);

    tab_History = make<QWidget>(tabWidget_History, "tab_History");
    tabWidget_History->addTab(tab_History, QString());
    auto* history = new QVBoxLayout(tab_History);
    auto* controls = new QHBoxLayout;
    comboBox_ReadHistoryInfo = make<QComboBox>(tab_History, "comboBox_ReadHistoryInfo");
    lineEdit_His_Data_Qty = make<QLineEdit>(tab_History, "lineEdit_His_Data_Qty");
    lineEdit_His_Data_Qty->setMaximumWidth(120);
    Btn_HistoryInfo = button(tab_History, "Btn_HistoryInfo", tr(" Read"));
    pushButton_2 = button(tab_History, "pushButton_2", tr("Export To File"));
    Btn_HistoryInfo_Clear = button(tab_History, "Btn_HistoryInfo_Clear", tr("Clear"));
    checkBox_FastReads = make<QCheckBox>(tab_History, "checkBox_FastReads");
    checkBox_FastReads->setText(tr("Fast reads"));
    checkBox_FastReads->setToolTip(
        tr("Ask for the next page as soon as the BMU has answered, instead of at "
           "fixed steps. Leave it off for a BMU that needs the pauses."));
    controls->addWidget(comboBox_ReadHistoryInfo);
    controls->addWidget(caption(tab_History, tr("Logs' Qty")));
    controls->addWidget(lineEdit_His_Data_Qty);
    controls->addWidget(Btn_HistoryInfo);
    controls->addWidget(pushButton_2);
    controls->addWidget(Btn_HistoryInfo_Clear);
    controls->addWidget(checkBox_FastReads);
    controls->addStretch();
    history->addLayout(controls);
    stackedWidget = make<QStackedWidget>(tab_History, "stackedWidget");
    tableWidget_HistoryInfo_BMU = make<QTableWidget>(stackedWidget, "tableWidget_HistoryInfo_BMU");
    stackedWidget->addWidget(tableWidget_HistoryInfo_BMU);
    for (int bms = 1; bms <= 64; ++bms) {
        auto* table = new QTableWidget(stackedWidget);
        table->setObjectName(QStringLiteral("tableWidget_HistoryInfo_BMS_%1").arg(bms));
        stackedWidget->addWidget(table);
        tableWidget_HistoryInfo_BMS.append(table);
    }
    history->addWidget(stackedWidget);

    tab_Events = make<QWidget>(tabWidget_History, "tab_Events");
    tabWidget_History->addTab(tab_Events, QString());
    auto* events = new QVBoxLayout(tab_Events);
    tableWidget_Events = make<QTableWidget>(tab_Events, "tableWidget_Events");
    events->addWidget(tableWidget_Events);

    tab_7 = make<QWidget>(tabWidget_History, "tab_7");
    tabWidget_History->addTab(tab_7, QString());
    auto* translation = new QVBoxLayout(tab_7);
    auto* transControls = new QHBoxLayout;
    radioBtn_BMU = make<QRadioButton>(tab_7, "radioBtn_BMU");
    radioBtn_BMU->setText(QStringLiteral("BMU"));
    radioBtn_BMS = make<QRadioButton>(tab_7, "radioBtn_BMS");
    radioBtn_BMS->setText(QStringLiteral("BMS"));
    comboBox_Trans = make<QComboBox>(tab_7, "comboBox_Trans");
    comboBox_Trans->addItems({QStringLiteral("Lumeno HV"), QStringLiteral("Lumeno LV")});
    Btn_TransFromFile = button(tab_7, "Btn_TransFromFile", tr("Translate From File"));
    pushBtn_Trans_to_Excel = button(tab_7, "pushBtn_Trans_to_Excel", tr("Export To File"));
    Btn_clear = button(tab_7, "Btn_clear", tr("Clear"));
    for (QWidget* widget :
         {static_cast<QWidget*>(radioBtn_BMU), static_cast<QWidget*>(radioBtn_BMS),
          static_cast<QWidget*>(comboBox_Trans), static_cast<QWidget*>(Btn_TransFromFile),
          static_cast<QWidget*>(pushBtn_Trans_to_Excel), static_cast<QWidget*>(Btn_clear)})
        transControls->addWidget(widget);
    transControls->addStretch();
    translation->addLayout(transControls);
    stackedWidget_Trans = make<QStackedWidget>(tab_7, "stackedWidget_Trans");
    table_Trans = make<QTableWidget>(stackedWidget_Trans, "table_Trans");
    tableWidget_Trans_BMS = make<QTableWidget>(stackedWidget_Trans, "tableWidget_Trans_BMS");
    stackedWidget_Trans->addWidget(table_Trans);
    stackedWidget_Trans->addWidget(tableWidget_Trans_BMS);
    translation->addWidget(stackedWidget_Trans);

    tab_13 = make<QWidget>(tabWidget_History, "tab_13");
    tabWidget_History->addTab(tab_13, QString());
    auto* tool = new QVBoxLayout(tab_13);
    auto* verification = new QGroupBox(tr("Firmware verification"), tab_13);
    auto* verify = new QGridLayout(verification);
    lineEdit_FW = make<QLineEdit>(verification, "lineEdit_FW");
    lineEdit_FW->setReadOnly(true);
    lineEdit_CRC = make<QLineEdit>(verification, "lineEdit_CRC");
    lineEdit_CRC->setReadOnly(true);
    pushButton_3 = button(verification, "pushButton_3", tr("  Choose F/W File"));
    verify->addWidget(caption(verification, tr("File:")), 0, 0);
    verify->addWidget(lineEdit_FW, 0, 1);
    verify->addWidget(pushButton_3, 0, 2);
    verify->addWidget(caption(verification, QStringLiteral("CRC:")), 1, 0);
    verify->addWidget(lineEdit_CRC, 1, 1);
    tool->addWidget(verification);
    auto* encryption = new QGroupBox(tr("Threshold table encryption"), tab_13);
    auto* encrypt = new QGridLayout(encryption);
    comboBox_Bat_Type = make<QComboBox>(encryption, "comboBox_Bat_Type");
    comboBox_Bat_Type->addItems({QStringLiteral("ZRC"), QStringLiteral("ZRDX"),
                                 QStringLiteral("ZRA"), QStringLiteral("QPC"),
                                 QStringLiteral("QPB"), QStringLiteral("QPA")});
    Btn_PT_Load = button(encryption, "Btn_PT_Load", tr("Load Table"));
    textEdit_PT = make<QPlainTextEdit>(encryption, "textEdit_PT");
    textEdit_PT->setReadOnly(true);
    encrypt->addWidget(caption(encryption, tr("Battery type:")), 0, 0);
    encrypt->addWidget(comboBox_Bat_Type, 0, 1);
    encrypt->addWidget(Btn_PT_Load, 0, 2);
    encrypt->addWidget(textEdit_PT, 1, 0, 1, 3);
    tool->addWidget(encryption);
    tool->addStretch();
}
