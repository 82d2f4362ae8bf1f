#include "app/mainwindow_form.h"

#include "app/formbuilder.h"
#include "app/version.h"
#include "monitor/battery.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollArea>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace FormBuilder;

void Ui_MainWindow::setupUi(QMainWindow* window) {
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(1300, 700);
    window->setIconSize(QSize(48, 48));

    centralWidget = make<QWidget>(window, "centralWidget");
    auto* layout = new QVBoxLayout(centralWidget);

    auto* head = new QHBoxLayout;
    label_LumenoLogo = label(centralWidget, "label_LumenoLogo");
    label_LumenoLogo->setFixedSize(160, 48);
    label_LumenoLogo->setScaledContents(true);
    head->addWidget(label_LumenoLogo);
    head->addSpacing(20);
    label_SNCaption = label(centralWidget, "label_SNCaption", tr("Serial number:"));
    label_SN = label(centralWidget, "label_SN");
    label_BatterytypeCaption =
        label(centralWidget, "label_BatterytypeCaption", tr("Battery Type:"));
    label_Batterytype = label(centralWidget, "label_Batterytype");
    label_InverterCaption = label(centralWidget, "label_InverterCaption", tr("Inverter:"));
    label_InverterName = label(centralWidget, "label_InverterName");
    const QPair<QLabel*, QLabel*> pairs[] = {{label_SNCaption, label_SN},
                                             {label_BatterytypeCaption, label_Batterytype},
                                             {label_InverterCaption, label_InverterName}};
    for (const auto& pair : pairs) {
        pair.second->setMinimumWidth(120);
        head->addWidget(pair.first);
        head->addWidget(pair.second);
        head->addSpacing(24); // the value labels grow with adjustSize()
    }
    head->addStretch();
    Btn_ConnectTCP = button(centralWidget, "Btn_ConnectTCP", tr("Connect"));
    Btn_ConnectTCP->setMinimumWidth(160);
    head->addWidget(Btn_ConnectTCP);
    layout->addLayout(head);

    tabWidget = make<QTabWidget>(centralWidget, "tabWidget");
    tabWidget->setTabPosition(QTabWidget::West);
    layout->addWidget(tabWidget);

    setupOverviewTab();
    setupDiagnosisTab();
    setupUpdateTab();
    setupHistoryTab();
    setupContactTab();

    // On a small or scaled screen the window shrinks and its content scrolls, so that no
    // control is ever out of reach.
    auto* scroll = make<QScrollArea>(window, "scrollArea_Central");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(centralWidget);
    window->setCentralWidget(scroll);
    retranslateUi(window);

    tabWidget->setCurrentIndex(0);
    tabWidget_2->setCurrentIndex(0);
    tabWidget_History->setCurrentIndex(0);
    stackedWidget->setCurrentIndex(1);
    stackedWidget_Trans->setCurrentIndex(0);
    comboBoxSetupBMS->setCurrentIndex(-1);

    QMetaObject::connectSlotsByName(window);
}

void Ui_MainWindow::retranslateUi(QMainWindow* window) {
    window->setWindowTitle(QLatin1String(MainWindowTitle));
    tabWidget->setTabText(0, tr("System Info"));
    tabWidget->setTabText(1, tr("Diagnosis"));
    tabWidget->setTabText(2, tr("Update"));
    tabWidget->setTabText(3, tr("History"));
    tabWidget->setTabText(4, tr("Contact"));
    tabWidget_2->setTabText(0, tr("Information"));
    tabWidget_2->setTabText(1, tr("Cells Info"));
    tabWidget_2->setTabText(2, tr("Details"));
    tabWidget_History->setTabText(0, tr("History"));
    tabWidget_History->setTabText(1, tr("Events"));
    tabWidget_History->setTabText(2, tr("Translation"));
    tabWidget_History->setTabText(3, tr("Tool"));
}

void Ui_MainWindow::setupOverviewTab() {
    tab = make<QWidget>(tabWidget, "tab");
    tabWidget->addTab(tab, QString());
    auto* grid = new QGridLayout(tab);

    groupBox_5 =
        valueGroup(tab, "groupBox_5", tr("Cells Info"),
                   {{tr("Max. Cell Voltage:"), "label_MaxCellVoltage", &label_MaxCellVoltage},
                    {tr("Min. Cell Voltage:"), "label_MinCellVoltage", &label_MinCellVoltage},
                    {tr("Max. Cell Temp.:"), "label_MaxCellTemp", &label_MaxCellTemp},
                    {tr("Min. Cell Temp.:"), "label_MinCellTemp", &label_MinCellTemp},
                    {tr("Temp.:"), "label_Temp", &label_Temp}});
    grid->addWidget(groupBox_5, 0, 0);

    groupBox_6 =
        valueGroup(tab, "groupBox_6", tr("Others"),
                   {{tr("Phase:"), "label_Phase", &label_Phase},
                    {tr("Grid:"), "label_Grid", &label_Grid},
                    {QStringLiteral("P-T:"), "label_ThresholdVersion", &label_ThresholdVersion}});
    grid->addWidget(groupBox_6, 1, 0);

    auto* statusBox = new QVBoxLayout;
    statusBox->addWidget(caption(tab, tr("System status:")));
    textEdit_BMU_Event = make<QTextEdit>(tab, "textEdit_BMU_Event");
    textEdit_BMU_Event->setReadOnly(true);
    statusBox->addWidget(textEdit_BMU_Event);
    grid->addLayout(statusBox, 2, 0);

    groupBox_7 = valueGroup(tab, "groupBox_7", tr("F/W Version"),
                            {{QStringLiteral("BMU:"), "label_BMU", &label_BMU},
                             {QStringLiteral("BMS:"), "label_BMSA", &label_BMSA},
                             {tr("BMS Qty:"), "label_BMSNo", &label_BMSNo}});
    // The "Module:" caption is shown for the high-voltage family only, so it has a name.
    auto* versions = static_cast<QGridLayout*>(groupBox_7->layout());
    label_21 = label(groupBox_7, "label_21", tr("Module:"));
    label_ModuleNum = label(groupBox_7, "label_ModuleNum");
    versions->addWidget(label_21, 3, 0);
    versions->addWidget(label_ModuleNum, 3, 1);
    grid->addWidget(groupBox_7, 0, 1);

    auto* gauge = new QHBoxLayout;
    battery = make<Battery>(tab, "battery");
    battery->setMinimumSize(150, 200);
    verticalSlider = make<QSlider>(tab, "verticalSlider");
    verticalSlider->setOrientation(Qt::Vertical);
    gauge->addWidget(battery);
    gauge->addWidget(verticalSlider);
    auto* measurements = new QVBoxLayout;
    label_Soc = label(tab, "label_Soc");
    label_Statu = label(tab, "label_Statu");
    label_Current = label(tab, "label_Current");
    label_BatVoltage = label(tab, "label_BatVoltage");
    label_PVoltage = label(tab, "label_PVoltage");
    label_Power = label(tab, "label_Power");
    for (QLabel* value :
         {label_Soc, label_Statu, label_Current, label_BatVoltage, label_PVoltage, label_Power})
        measurements->addWidget(value);
    Btn_Refresh = button(tab, "Btn_Refresh", tr("Refresh"));
    measurements->addWidget(Btn_Refresh);
    gauge->addLayout(measurements);
    grid->addLayout(gauge, 1, 1, 2, 1);

    label_InverterPic = label(tab, "label_InverterPic");
    label_InverterPic->setMinimumSize(200, 150);
    grid->addWidget(label_InverterPic, 0, 2);

    groupBoxSetup_2 = make<QGroupBox>(tab, "groupBoxSetup_2");
    groupBoxSetup_2->setTitle(tr("    Configuration"));
    auto* setup = new QGridLayout(groupBoxSetup_2);
    comboBoxSetupInverter = make<QComboBox>(groupBoxSetup_2, "comboBoxSetupInverter");
    comboBoxSetupInverter->setPlaceholderText(tr("Inverter type"));
    comboBox_SetupPhase = make<QComboBox>(groupBoxSetup_2, "comboBox_SetupPhase");
    comboBox_SetupPhase->addItems({tr("Single"), tr("Three")});
    comboBoxSetupBMS = make<QComboBox>(groupBoxSetup_2, "comboBoxSetupBMS");
    comboBoxSetupBMS->setPlaceholderText(tr("Battery type"));
    comboBoxSetupGrid = make<QComboBox>(groupBoxSetup_2, "comboBoxSetupGrid");
    comboBoxSetupGrid->addItems({tr("Off Grid"), tr("On Grid"), tr("Backup")});
    label_Parallels = label(groupBoxSetup_2, "label_Parallels", tr("Qty of Parallel："));
    lineEditSetupParallels = make<QLineEdit>(groupBoxSetup_2, "lineEditSetupParallels");
    Btn_Read = button(groupBoxSetup_2, "Btn_Read", tr("Read"));
    BtnSetup = button(groupBoxSetup_2, "BtnSetup", tr("Setup"));
    setup->addWidget(caption(groupBoxSetup_2, tr("Inverter Type：")), 0, 0);
    setup->addWidget(comboBoxSetupInverter, 0, 1);
    setup->addWidget(caption(groupBoxSetup_2, tr("Phase：")), 1, 0);
    setup->addWidget(comboBox_SetupPhase, 1, 1);
    setup->addWidget(caption(groupBoxSetup_2, tr("Battery Type：")), 2, 0);
    setup->addWidget(comboBoxSetupBMS, 2, 1);
    setup->addWidget(caption(groupBoxSetup_2, tr("Grid：")), 3, 0);
    setup->addWidget(comboBoxSetupGrid, 3, 1);
    setup->addWidget(label_Parallels, 4, 0);
    setup->addWidget(lineEditSetupParallels, 4, 1);
    setup->addWidget(Btn_Read, 5, 0);
    setup->addWidget(BtnSetup, 5, 1);
    grid->addWidget(groupBoxSetup_2, 1, 2, 2, 1);
}

void Ui_MainWindow::setupContactTab() {
    tab_6 = make<QWidget>(tabWidget, "tab_6");
    tabWidget->addTab(tab_6, QString());
    auto* layout = new QVBoxLayout(tab_6);
    label_ContactHeader = label(tab_6, "label_ContactHeader", tr("Service and support"));
    layout->addWidget(label_ContactHeader);
    textBrowser_Contact = make<QTextBrowser>(tab_6, "textBrowser_Contact");
    textBrowser_Contact->setHtml(tr(
        "<h3>Voltaro service</h3>"
        "<p>For commissioning questions, firmware updates and warranty cases please contact "
        "your service partner first.</p>"
        "<p><b>Service hotline:</b> +49 30 0000 0000 (Mon&ndash;Fri, 8:00&ndash;17:00)<br/>"
        "<b>E-mail:</b> service@voltaro.net</p>"
        "<p>Please have the serial number of the BMU and, for a tower, of its BMS at hand.</p>"));
    layout->addWidget(textBrowser_Contact);
}
