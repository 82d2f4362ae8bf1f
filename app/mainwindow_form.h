#pragma once

#include <QCoreApplication>
#include <QVector>

class Battery;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QTextBrowser;
class QTextEdit;
class QWidget;

// The main window's form. Every widget carries the object name by which the window's
// slots are connected (on_<object>_<signal>) and by which tests find it. The 65 history
// tables and the many labels make a hand-written form easier to keep than a designer file.
class Ui_MainWindow {
    Q_DECLARE_TR_FUNCTIONS(Ui_MainWindow)

public:
    void setupUi(QMainWindow* window);
    void retranslateUi(QMainWindow* window);

    QWidget* centralWidget;
    QLabel* label_LumenoLogo;
    QLabel* label_SNCaption;
    QLabel* label_SN;
    QLabel* label_BatterytypeCaption;
    QLabel* label_Batterytype;
    QLabel* label_InverterCaption;
    QLabel* label_InverterName;
    QPushButton* Btn_ConnectTCP;
    QTabWidget* tabWidget;

    // "System Info"
    QWidget* tab;
    QGroupBox* groupBox_5; // "Cells Info"
    QLabel* label_MaxCellVoltage;
    QLabel* label_MinCellVoltage;
    QLabel* label_MaxCellTemp;
    QLabel* label_MinCellTemp;
    QLabel* label_Temp;
    QGroupBox* groupBox_6; // "Others"
    QLabel* label_Phase;
    QLabel* label_Grid;
    QLabel* label_ThresholdVersion;
    QTextEdit* textEdit_BMU_Event;
    QGroupBox* groupBox_7; // "F/W Version"
    QLabel* label_BMU;
    QLabel* label_BMSA;
    QLabel* label_BMSNo;
    QLabel* label_21; // "Module:"
    QLabel* label_ModuleNum;
    Battery* battery;
    QSlider* verticalSlider;
    QLabel* label_Soc;
    QLabel* label_Statu;
    QLabel* label_Current;
    QLabel* label_BatVoltage;
    QLabel* label_PVoltage;
    QLabel* label_Power;
    QPushButton* Btn_Refresh;
    QLabel* label_InverterPic;
    QGroupBox* groupBoxSetup_2; // "    Configuration"
    QComboBox* comboBoxSetupInverter;
    QComboBox* comboBox_SetupPhase;
    QComboBox* comboBoxSetupBMS;
    QComboBox* comboBoxSetupGrid;
    QLabel* label_Parallels;
    QLineEdit* lineEditSetupParallels;
    QPushButton* Btn_Read;
    QPushButton* BtnSetup;

    // "Diagnosis"
    QWidget* tab_2;
    QTabWidget* tabWidget_2;
    QWidget* tab_9; // "Information"
    QComboBox* comboBox_BMSInfo;
    QPushButton* Btn_BMSInfo_Read;
    QGroupBox* gBox_BMS_1;
    QGroupBox* gBox_BMS_2;
    QGroupBox* gBox_BMS_3;
    QGroupBox* gBox_BMS_4;
    QLabel* label_BMS_SN;
    QLabel* label_BMS_FW;
    QLabel* label_BMS_ParameterTable_A;
    QLabel* label_BMS_ParameterTable_B;
    QLabel* label_BMS_SOC;
    QLabel* label_BMS_Current;
    QLabel* label_BMS_Battery_voltage;
    QLabel* label_BMS_Park_voltage;
    QLabel* label_BMS_CellVoltage_Max;
    QLabel* label_BMS_CellVoltage_Min;
    QLabel* label_BMS_CellTemp_Max;
    QLabel* label_BMS_CellTemp_Min;
    Battery* Battery_BMS;
    QSlider* verticalSlider_BMS;
    QTextEdit* textEdit_BMS_Event;
    QWidget* tab_10; // "Cells Info"
    QTableWidget* tableWidget_BMS_Cells;
    QPushButton* Btn_CellInfo_Export;
    QWidget* tab_5; // "Details"
    QTableWidget* tableWidget_BMSInfo;

    // "Update"
    QWidget* tab_4;
    QProgressBar* pBar_Download_FW;
    QPushButton* BtnDownloadFWfile;
    QComboBox* comboBox; // firmware type: "BMU", "BMS"
    QLabel* label_Current_MainVersion_FW;
    QLabel* label_Current_SubVersion_FW;
    QLabel* labelMainVersion_FW;
    QLabel* labelSubVersion_FW;
    QLabel* label_7; // "Section:"
    QLabel* label_APPVersion;
    QProgressBar* progressBarFW;
    QPushButton* BtnSendFW;
    QLabel* label_PT_Running;
    QLabel* label_PT_New;
    QProgressBar* progressBar_PT;
    QPushButton* Btn_PT_Update;
    QTextEdit* textEdit_FW_Update;

    // "History"
    QWidget* tab_3;
    QTabWidget* tabWidget_History;
    QWidget* tab_History;
    QComboBox* comboBox_ReadHistoryInfo;
    QLineEdit* lineEdit_His_Data_Qty;
    QCheckBox* checkBox_FastReads;
    QPushButton* Btn_HistoryInfo;
    QPushButton* pushButton_2; // "Export To File"
    QPushButton* Btn_HistoryInfo_Clear;
    QStackedWidget* stackedWidget;
    QTableWidget* tableWidget_HistoryInfo_BMU;
    QVector<QTableWidget*> tableWidget_HistoryInfo_BMS; // BMS 1..64 at indexes 0..63
    QWidget* tab_Events;
    QTableWidget* tableWidget_Events;
    QWidget* tab_7; // "Translation"
    QPushButton* pushBtn_Trans_to_Excel;
    QComboBox* comboBox_Trans;
    QPushButton* Btn_clear;
    QPushButton* Btn_TransFromFile;
    QRadioButton* radioBtn_BMU;
    QRadioButton* radioBtn_BMS;
    QStackedWidget* stackedWidget_Trans;
    QTableWidget* table_Trans;
    QTableWidget* tableWidget_Trans_BMS;
    QWidget* tab_13; // "Tool"
    QLineEdit* lineEdit_FW;
    QLineEdit* lineEdit_CRC;
    QPushButton* pushButton_3;
    QComboBox* comboBox_Bat_Type;
    QPushButton* Btn_PT_Load;
    QPlainTextEdit* textEdit_PT;

    // "Contact"
    QWidget* tab_6;
    QLabel* label_ContactHeader;
    QTextBrowser* textBrowser_Contact;

private:
    void setupOverviewTab();
    void setupDiagnosisTab();
    void setupUpdateTab();
    void setupHistoryTab();
    void setupContactTab();
};

namespace Ui {
class MainWindow : public Ui_MainWindow {};
} // namespace Ui
