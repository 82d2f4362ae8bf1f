#include "app/mainwindow.h"

#include "app/captionfit.h"
#include "app/customtabstyle.h"
#include "app/login.h"
#include "app/mainwindow_form.h"
#include "app/rememberedfolders.h"
#include "app/styles.h"
#include "app/usersettings.h"
#include "firmware/update.h"
#include "history/history.h"
#include "link/bmusession.h"
#include "monitor/battery.h"
#include "monitor/bms_info.h"
#include "monitor/bmu_data.h"
#include "monitor/cellchart.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>

static void initResources() {
    Q_INIT_RESOURCE(resources);
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , askSaveFileName(
          [](QWidget* parent, const QString& caption, const QString& path, const QString& filter) {
              RememberedFolders folders(userSettings());
              const QString chosen = QFileDialog::getSaveFileName(
                  parent, caption, folders.startPath(QStringLiteral("export"), path), filter);
              folders.remember(QStringLiteral("export"), chosen);
              return chosen;
          })
    , askOpenFileName(
          [](QWidget* parent, const QString& caption, const QString& path, const QString& filter) {
              RememberedFolders folders(userSettings());
              const QString chosen = QFileDialog::getOpenFileName(
                  parent, caption, folders.startPath(QStringLiteral("import"), path), filter);
              folders.remember(QStringLiteral("import"), chosen);
              return chosen;
          })
    , ui(new Ui_MainWindow)
    , blackButtonStyle(QLatin1String(Style::BlackButton))
    , grayButtonStyle(QLatin1String(Style::GrayButton))
    , appSettings(AppSettings::load()) {
    initResources();
    ui->setupUi(this);

    login = new Login;
    login->setWindowIcon(QIcon(QStringLiteral(":/Res/Orvex.ico")));
    setWindowIcon(QIcon(QStringLiteral(":/Res/Orvex.ico")));
    login->show();
    hide();
    connect(login, &Login::installer, this, &MainWindow::showInstallerView);
    connect(login, &Login::service_partner, this, &MainWindow::showServicePartnerView);
    connect(login, &Login::inverter_partner, this, &MainWindow::showInverterPartnerView);
    connect(login, &Login::admin, this, &MainWindow::showAdminView);

    statusNotice = new QLabel(
        tr("Keep this PC on the battery system's WiFi while reading or updating."), this);
    statusNotice->setObjectName(QStringLiteral("label_StatusNotice"));
    statusNotice->setAlignment(Qt::AlignCenter);
    // The notice gives way to the link's and Live's state: on a narrow window it wraps.
    statusNotice->setWordWrap(true);
    statusBar()->addPermanentWidget(statusNotice, 1);
    statusBar()->setStyleSheet(QLatin1String(Style::StatusBarItem));
    statusBar()->setSizeGripEnabled(false);
    statusTime = new QLabel(this);
    statusTime->setObjectName(QStringLiteral("label_StatusTime"));

    setupSession();
    setupLive();
    login->selectRole(userSettings().value(QStringLiteral("lastRole"), 0).toInt());
    fillSetupLists();
    setupHistoryTables();
    setupTranslationTables();
    ui->Btn_Read->hide();
    ui->label_ContactHeader->setStyleSheet(QLatin1String(Style::TextRed));
    ui->pBar_Download_FW->setValue(0);

    firmwareUpdate = new Update(ui, &session->snapshot(), this);
    bmsInfo = new BMS_Info(ui, this);
    // Last on Diagnosis, so that the role views keep the indexes of the others.
    cellChart = new CellChart(ui->tabWidget_2);
    cellChart->setObjectName(QStringLiteral("tab_CellChart"));
    ui->tabWidget_2->addTab(cellChart, tr("Cell Chart"));
    history = new History(ui, this);
    bmuData = new BMU_Data(ui, this);

    ui->tabWidget->setCurrentIndex(0);
    ui->label_LumenoLogo->setPixmap(QPixmap(QStringLiteral("://Res/Lumeno Logo.jpg")));
    auto* tabStyle = new CustomTabStyle;
    tabStyle->setParent(ui->tabWidget->tabBar()); // a widget does not own the style it is given
    ui->tabWidget->tabBar()->setStyle(tabStyle);

    connect(ui->verticalSlider, &QSlider::valueChanged, ui->battery,
            QOverload<int>::of(&Battery::setValue));
    connect(ui->verticalSlider_BMS, &QSlider::valueChanged, ui->Battery_BMS,
            QOverload<int>::of(&Battery::setValue));
    for (QSlider* slider : {ui->verticalSlider, ui->verticalSlider_BMS}) {
        slider->hide();
        slider->setRange(0, 100);
        slider->setValue(0);
    }

    ui->label_InverterPic->setPixmap(
        QPixmap(QStringLiteral("://Res/Inverter.png"))
            .scaled(ui->label_InverterPic->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ui->label_InverterPic->setScaledContents(true);
    ui->progressBarFW->setValue(0);
    ui->progressBar_PT->setValue(0);

    setupEventsTable();
    unlockButtons();
    applyStyles();
    ui->Btn_ConnectTCP->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    ui->Btn_Refresh->setShortcut(QKeySequence(Qt::Key_F5));
    ui->Btn_CellInfo_Export->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    for (QPushButton* button : {ui->Btn_ConnectTCP, ui->Btn_Refresh, ui->Btn_CellInfo_Export})
        button->setToolTip(button->shortcut().toString(QKeySequence::NativeText));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    userSettings().setValue(QStringLiteral("window/geometry"), saveGeometry());
    QMainWindow::closeEvent(event);
}

MainWindow::~MainWindow() {
    // The session goes with the window; its signals must not reach a half-destroyed window.
    session->disconnect(this);
    session->link()->disconnect(this);
    delete session;
    delete login;
    delete ui;
}

void MainWindow::setBmuEndpoint(const QString& host, quint16 port) {
    appSettings.bmuHost = host;
    appSettings.bmuPort = port;
    session->link()->setEndpoint(host, port);
}

void MainWindow::setUpdateServer(const UpdateServer& server) {
    appSettings.updateServer = server;
}

QSettings& MainWindow::userSettings() {
    return voltaroUserSettings();
}

void MainWindow::setupEventsTable() {
    QTableWidget* events = ui->tableWidget_Events;
    events->setColumnCount(3);
    events->setHorizontalHeaderLabels({tr("Date&Time"), tr("Fault Level"), tr("Details")});
    events->setRowCount(250);
    QHeaderView* header = events->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    header->resizeSection(0, 250);
    header->resizeSection(1, 250);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setStyleSheet(QLatin1String(Style::SkyblueHeader));
    header->setFont(font());
    events->setStyleSheet(QLatin1String(Style::TableSelection));
    events->setSelectionBehavior(QAbstractItemView::SelectRows);
    events->setEditTriggers(QAbstractItemView::NoEditTriggers);
    events->setAlternatingRowColors(true);
    events->setPalette(QPalette(Qt::gray));
}

void MainWindow::applyStyles() {
    for (QComboBox* combo : {ui->comboBox, ui->comboBox_BMSInfo, ui->comboBox_Trans,
                             ui->comboBoxSetupBMS, ui->comboBoxSetupGrid, ui->comboBox_SetupPhase,
                             ui->comboBoxSetupInverter, ui->comboBox_ReadHistoryInfo})
        combo->setStyleSheet(QLatin1String(Style::ComboBox));
    for (QGroupBox* group : {ui->groupBox_5, ui->groupBox_6, ui->groupBox_7, ui->groupBoxSetup_2,
                             ui->gBox_BMS_1, ui->gBox_BMS_2, ui->gBox_BMS_3, ui->gBox_BMS_4})
        group->setStyleSheet(QLatin1String(Style::GroupBox));
    for (QPushButton* button : lockedButtons() + styledOnlyButtons())
        fitCaption(button);
}

QVector<QPushButton*> MainWindow::lockedButtons() const {
    return {ui->Btn_Refresh,       ui->Btn_BMSInfo_Read,
            ui->BtnSetup,          ui->Btn_Read,
            ui->BtnSendFW,         ui->BtnDownloadFWfile,
            ui->Btn_HistoryInfo,   ui->Btn_HistoryInfo_Clear,
            ui->Btn_TransFromFile, ui->Btn_CellInfo_Export,
            ui->pushButton_2,      ui->pushBtn_Trans_to_Excel};
}

QVector<QPushButton*> MainWindow::styledOnlyButtons() const {
    return {ui->Btn_ConnectTCP, ui->Btn_PT_Update, ui->Btn_clear};
}

void MainWindow::unlockButtons() {
    for (QPushButton* button : lockedButtons()) {
        button->setStyleSheet(blackButtonStyle);
        button->setEnabled(true);
    }
    for (QPushButton* button : styledOnlyButtons())
        button->setStyleSheet(blackButtonStyle);
    ui->comboBox->setEnabled(true);
    ui->Btn_PT_Update->setEnabled(true);
}

void MainWindow::lockButtons() {
    for (QPushButton* button : lockedButtons()) {
        button->setStyleSheet(grayButtonStyle);
        button->setEnabled(false);
    }
    for (QPushButton* button : styledOnlyButtons())
        button->setStyleSheet(grayButtonStyle);
    ui->comboBox->setEnabled(false);
    // A table update pressed now would take over the running operation.
    ui->Btn_PT_Update->setEnabled(false);
}
