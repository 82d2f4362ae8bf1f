#pragma once

#include "app/settings.h"
#include "firmware/firmwaretarget.h"
#include "link/frameassembler.h"
#include "link/requeststate.h"
#include "monitor/statusblock.h"

#include <QDir>
#include <QMainWindow>
#include <QNetworkReply>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QVector>

#include <functional>

class BMS_Info;
class BMU_Data;
class History;
class Login;
class QFile;
class QLabel;
class QNetworkAccessManager;
class QProgressDialog;
class QPushButton;
class QTableWidget;
class QTcpSocket;
class QTimer;
class QTextEdit;
class Ui_MainWindow;
class Update;

// Buffers shared by the reply dispatcher and the decoders of paged reads.
struct LinkBuffers {
    QByteArray rxFrame;    // the reply frame being dispatched
    QByteArray pageBuffer; // useful bytes gathered from the pages of a paged read
    int pageCount = 0;     // pages requested or received in the running paged read
    int cellsPass = 0;     // pass of the two-pass BMS information read of a five-module tower
};

// The one window of the tool. Its members are implemented in one file per subsystem:
// app/ (construction, roles, button lock), link/ (connection, sending, dispatcher),
// monitor/, config/, history/, firmware/ and files/.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Login* loginWindow() const { return login; }
    QString role() const { return userRole; }
    int currentRequestState() const { return requestState; }
    const AppSettings& settings() const { return appSettings; }

    // Where the BMU is reached; replaces the Config.ini endpoint (command line, demo mode).
    void setBmuEndpoint(const QString& host, quint16 port);
    void setUpdateServer(const UpdateServer& server);

    // How the window asks for file paths; tests replace these to answer without a dialog.
    using PathQuestion = std::function<QString(QWidget* parent, const QString& caption,
                                               const QString& path, const QString& filter)>;
    PathQuestion askSaveFileName;
    PathQuestion askOpenFileName;

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
    void onConnect();
    void onDisConnect();
    void onConnectFailed();
    void onReadMsg();
    void onTimeout();
    void onTime2out();

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
    void slotReadyRead();
    void downloadProgress(qint64 received, qint64 total);
    void readReplyError(QNetworkReply::NetworkError code);
    void timeOut();
    void downloadFinishReply(QNetworkReply* reply);

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
    void applyStyles();
    void setupEventsTable();
    QVector<QPushButton*> lockedButtons() const;
    QVector<QPushButton*> styledOnlyButtons() const;

    // ---- Link (link/mainwindow_link.cpp)
    void setupLink();
    qint64 sendFrame(const QString& text);
    void connectToBmu();
    void dispatchFrame(const QByteArray& frame);
    void dispatchReply();
    void reportException(quint8 code);
    QTextEdit* paneOfRunningOperation() const;
    bool replyIsReady() const;
    bool resultIsZero() const;

    // ---- Monitoring (monitor/mainwindow_monitor.cpp)
    void requestStatus();
    void gatherStatusBlock();
    void refreshOverview();
    void showSystemInfo();
    void showMeasurements();
    void requestBmsInfo();

    // ---- System setup (config/mainwindow_config.cpp)
    void fillSetupLists();
    void showSetupRead();

    // ---- History (history/mainwindow_history.cpp)
    void setupHistoryTables();
    void requestHistoryBlock();
    void onHistoryReply();
    void onHistoryStep();
    void finishHistoryRead();
    void onHistoryStalled();

    // ---- Firmware and parameter tables (firmware/)
    void sendFirmwarePacket();
    void sendTablePacket();
    void onFirmwareReply();
    void onFirmwareStep();
    void onTableReply();
    void onTableStep();
    void sendTransferFrame(const QString& text);
    bool takeTransferEcho(quint16 firstRegister);
    bool isResultReply() const;
    void acknowledgePacket(int nextState);
    void endTransfer(const QString& failure = QString());
    void setupDownload();
    bool buildDownloadUrl();
    bool ensureDataDir();
    bool openDownloadFile();
    void startDownload();
    void selectMissingFiles();
    void replaceProgressLine(const QString& line);
    void takeDownloadedBytes();
    void releaseReply();
    void releaseDownload(bool keepFile);
    void endDownloadRun();

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

    // Link and sequencing.
    QTcpSocket* tcpSocket = nullptr;
    QTimer* stepTimer = nullptr;
    QTimer* replyTimer = nullptr;
    QTimer* connectTimer = nullptr;   // limits a connection attempt to 5000 ms
    QTimer* reconnectTimer = nullptr; // retries a link the BMU dropped
    bool connectAttemptByUser = false;
    bool userDisconnected = false;
    FrameAssembler frameAssembler;
    LinkBuffers shared;
    int requestState = Idle;
    int guardedOp = NoGuard;
    int retryCount = 0;
    int packetIndex = 0;

    // Monitoring: the two status replies of the running refresh.
    StatusBlock statusBlock;

    // History.
    QVector<QTableWidget*> historyTables;
    int historyRemaining = 0;
    int historyTotal = 0;
    QPointer<QProgressDialog> historyProgress;
    QTimer* historyWatchdog = nullptr; // ends a read whose block gets no reply for 5000 ms

    // Download.
    QNetworkAccessManager* networkManager = nullptr;
    QTimer* downloadWatchdog = nullptr;
    QUrl downloadUrl;
    int downloadIndex = 0;
    QStringList downloadList;
    int downloadCount = 0;
    int downloadRetries = 0;
    qint64 bytesReceived = 0;
    qint64 bytesAtLastCheck = 0;
    QDir dataDirHandle;
    QFile* downloadFile = nullptr;
    QNetworkReply* currentReply = nullptr;
    QString downloadTargetPath; // where the file goes once complete

    // Firmware and parameter-table transfer: what the running transfer sends, fixed when
    // its header goes out.
    QStringList transferPackets;
    FirmwareTarget transferTarget = FirmwareTarget::Bmu;
    quint16 transferHeaderRegister = 0;
    quint16 transferPacketRegister = 0;
    bool awaitingEcho = false; // a header or packet write has not been acknowledged yet

    // Companions.
    Update* firmwareUpdate = nullptr;
    BMS_Info* bmsInfo = nullptr;
    History* history = nullptr;
    BMU_Data* bmuData = nullptr;
};
