// The live view in the window: its switch and interval on System Info, its line in the
// status bar, the tower of the Diagnosis tab it reads, and the values an earlier read
// left on screen, greyed while the link is down.

#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "link/bmusession.h"
#include "monitor/bms_info.h"
#include "monitor/cellchart.h"
#include "monitor/liverefresh.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>

namespace {

const char StaleStyle[] = "QLabel{color:gray;}";

} // namespace

void MainWindow::setupLive() {
    live = new LiveRefresh(session, this);

    auto* liveSwitch = new QCheckBox(tr("Live"), ui->tab);
    liveSwitch->setObjectName(QStringLiteral("checkBox_Live"));
    auto* interval = new QComboBox(ui->tab);
    interval->setObjectName(QStringLiteral("comboBox_LiveInterval"));
    for (int seconds : LiveRefresh::intervalChoices())
        interval->addItem(tr("every %1 s").arg(seconds), seconds);
    auto* row = new QHBoxLayout;
    row->addWidget(liveSwitch);
    row->addWidget(interval);
    row->addStretch();
    if (auto* grid = qobject_cast<QGridLayout*>(ui->tab->layout()))
        grid->addLayout(row, grid->rowCount(), 0, 1, grid->columnCount());

    liveState = new QLabel(this);
    liveState->setObjectName(QStringLiteral("label_LiveState"));
    liveState->hide();
    statusBar()->addPermanentWidget(liveState);
    connect(live, &LiveRefresh::statusTextChanged, liveState, [this](const QString& text) {
        liveState->setText(text);
        liveState->setVisible(!text.isEmpty());
    });
    staleNotice = new QLabel(this);
    staleNotice->setObjectName(QStringLiteral("label_Stale"));
    staleNotice->setStyleSheet(QLatin1String(StaleStyle));
    staleNotice->hide();
    statusBar()->addPermanentWidget(staleNotice);

    connect(interval, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this, interval](int) {
                const int seconds = interval->currentData().toInt();
                live->setIntervalMs(seconds * 1000);
                userSettings().setValue(QStringLiteral("live/intervalSeconds"), seconds);
            });
    connect(liveSwitch, &QCheckBox::toggled, this, [this](bool on) {
        live->setEnabled(on);
        userSettings().setValue(QStringLiteral("live/on"), on);
    });
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MainWindow::followDiagnosisTower);
    connect(ui->comboBox_BMSInfo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] {
                // What is shown belongs to the tower chosen before: never under this name.
                if (bmsInfo)
                    bmsInfo->clearShown(session->snapshot().batteryType);
                if (cellChart)
                    cellChart->clear();
                followDiagnosisTower();
            });
    connect(session->link(), &BmuLink::disconnected, this, [this] { markValuesStale(true); });

    const int seconds = userSettings().value(QStringLiteral("live/intervalSeconds"), 5).toInt();
    interval->setCurrentIndex(qMax(0, interval->findData(seconds)));
    live->setIntervalMs(interval->currentData().toInt() * 1000);
    liveSwitch->setChecked(userSettings().value(QStringLiteral("live/on"), false).toBool());
}

void MainWindow::followDiagnosisTower() {
    const bool diagnosis = ui->tabWidget->currentWidget() == ui->tab_2;
    live->setShownTower(diagnosis && ui->comboBox_BMSInfo->count() > 0
                            ? ui->comboBox_BMSInfo->currentIndex() + 1
                            : 0);
}

void MainWindow::markValuesStale(bool stale) {
    const SystemSnapshot& system = session->snapshot();
    stale = stale && system.hasStatus;
    const QString style = stale ? QLatin1String(StaleStyle) : QString();
    for (QWidget* values : std::initializer_list<QWidget*>{
             ui->tab, ui->tab_2, ui->label_SN, ui->label_Batterytype, ui->label_InverterName})
        values->setStyleSheet(style);
    staleNotice->setText(tr("Link down: values last read %1")
                             .arg(system.statusReadAt.toString(QStringLiteral("HH:mm:ss"))));
    staleNotice->setVisible(stale);
}
