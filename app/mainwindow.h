#pragma once

#include "app/settings.h"

#include <QMainWindow>
#include <QPointer>
#include <QVector>

#include <functional>

class BMS_Info;
class CellChart;
class BMU_Data;
class History;
class LiveRefresh;
class Login;
class QFile;
class QLabel;
class BmuSession;
class Operation;
class QProgressDialog;
class QSettings;
class QPushButton;
class QTableWidget;
class QTextEdit;
class Ui_MainWindow;
class Update;
struct OperationResult;
struct PaneNote;
struct SetupSelection;
struct UpdateSummary;

// The one window of the tool: a view of the session. Its slots gather input, start an
// operation of the session and show the results; the session does everything on the
// link. Its members are implemented in one file per subsystem: app/ (construction,
// roles, button lock), link/ (connection, notes), monitor/, config/, history/,
// firmware/ and files/.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Login* loginWindow() const { return login; }

    // The user's own settings (not Config.ini, which belongs to the deployment).
    static QSettings& userSettings();
    QString role() const { return userRole; }
    const AppSettings& settings() const { return appSettings; }
    BmuSession* bmuSession() const { return session; }

    // Where the BMU is reached; replaces the Config.ini endpoint (command line, demo mode).
    void setBmuEndpoint(const QString& host, quint16 port);
    void setUpdateServer(const UpdateServer& server);
    // Connects and runs the first Refresh as soon as the link is up (demo mode).
    void connectAndRefresh();

    // How the window asks for file paths; tests replace these to answer without a dialog.
    using PathQuestion = std::function<QString(QWidget* parent, const QString& caption,
                                               const QString& path, const QString& filter)>;
    PathQuestion askSaveFileName;
    PathQuestion askOpenFileName;

protected:
    void closeEvent(QCloseEvent* event) override;

public slots:
    void lockButtons();
    void unlockButtons();

private slots:
    // Role views, connected to the login window's signals.
    void showInstallerView();
    void showServicePartnerView();
    void showInverterPartnerView();
    void showAdminView();

    // Link (link/mainwindow_link.cpp).
    void on_Btn_ConnectTCP_clicked();
    void onConnect(bool byUser);
    void onDisConnect();
    void onConnectFailed();

    // Monitoring (monitor/mainwindow_monitor.cpp).
    void on_Btn_Refresh_clicked();
    void on_Btn_BMSInfo_Read_clicked();
    void on_Btn_CellInfo_Export_clicked();

    // System setup (config/mainwindow_config.cpp).
    void on_Btn_Read_clicked();
    void on_BtnSetup_clicked();

    // History (history/mainwindow_history.cpp).
    void on_Btn_HistoryInfo_clicked();
    void on_Btn_HistoryInfo_Clear_clicked();
    void on_comboBox_ReadHistoryInfo_currentIndexChanged(int index);

    // Firmware and parameter tables (firmware/mainwindow_firmware.cpp, mainwindow_download.cpp).
    void on_comboBox_currentIndexChanged(int index);
    void on_BtnSendFW_clicked();
    void on_Btn_PT_Update_clicked();
    void on_BtnDownloadFWfile_clicked();

    // Data files (files/mainwindow_files.cpp, files/mainwindow_tool.cpp).
    void on_pushButton_2_clicked();
    void on_pushBtn_Trans_to_Excel_clicked();
    void on_Btn_TransFromFile_clicked();
    void on_radioBtn_BMU_toggled(bool checked);
    void on_radioBtn_BMS_toggled(bool checked);
    void on_Btn_clear_clicked();
    void on_pushButton_3_clicked();
    void on_Btn_PT_Load_clicked();

private:
    // ---- Shell (app/)
    // What a role sees besides the tabs every role has.
    struct RoleView {
        QString role;
        bool translation; // History > Translation
        bool tool;        // History > Tool
        bool details;     // Diagnosis > Details
        bool section;     // the section of the loaded firmware image
    };
    void applyRoleView(const RoleView& view);
    // Shrinks and moves the window into the screen's available area.
    void fitToScreen();
    void applyStyles();
    void setupEventsTable();
    QVector<QPushButton*> lockedButtons() const;
    QVector<QPushButton*> styledOnlyButtons() const;

    // ---- Link (link/mainwindow_link.cpp)
    void setupSession();
    // Starts the operation; a refusal (another one runs) is written into its pane.
    bool startOperation(Operation* operation);
    // Says at once that the BMU is not connected, sending nothing; false when it is.
    bool refuseWithoutLink();
    void showNote(const PaneNote& note);
    QTextEdit* paneOf(int pane) const;
    void onOperationFinished(const OperationResult& result);

    // ---- Live view (monitor/mainwindow_live.cpp)
    void setupLive();
    void followDiagnosisTower();
    // Greys what an earlier read shows while the link is down, with its time.
    void markValuesStale(bool stale);

    // ---- Monitoring (monitor/mainwindow_monitor.cpp)
    void refreshOverview(const QByteArray& block);
    void showSystemInfo();
    void showMeasurements();
    void showBmsInfo(int bmsNumber, const QByteArray& block, int pass);

    // ---- System setup (config/mainwindow_config.cpp)
    void fillSetupLists();
    void showSetupRead(const SetupSelection& setup);
    void showSetupWritten();

    // ---- History (history/mainwindow_history.cpp)
    void setupHistoryTables();
    void showHistoryBlock(int unit, const QByteArray& block);
    void endHistoryRead(const OperationResult& result);

    // ---- Firmware and parameter tables (firmware/)
    void reloadFirmwareFiles();
    // Asks before an update goes out, for every role; `onYes` starts it.
    void confirmUpdate(const UpdateSummary& update, std::function<void()> onYes);

    // ---- Data files (files/)
    void setupTranslationTables();
    void exportTable(QTableWidget* table, const QString& path);

    Ui_MainWindow* ui;
    QString blackButtonStyle;
    QString grayButtonStyle;
    QString userRole;
    Login* login;
    QLabel* statusNotice = nullptr;
    QLabel* statusTime = nullptr;
    AppSettings appSettings;

    BmuSession* session = nullptr;
    QLabel* fastReadsNotice = nullptr;
    QLabel* linkState = nullptr;
    LiveRefresh* live = nullptr;
    QLabel* liveState = nullptr;
    QLabel* staleNotice = nullptr;
    QVector<QTableWidget*> historyTables;
    QPointer<QProgressDialog> historyProgress;

    // Companions.
    Update* firmwareUpdate = nullptr;
    BMS_Info* bmsInfo = nullptr;
    CellChart* cellChart = nullptr;
    QPushButton* linkMonitorEntry = nullptr;
    History* history = nullptr;
    BMU_Data* bmuData = nullptr;
};
