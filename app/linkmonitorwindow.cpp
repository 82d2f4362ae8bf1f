#include "app/linkmonitorwindow.h"

#include "app/messages.h"
#include "link/linkmonitor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

LinkMonitorWindow::LinkMonitorWindow(LinkMonitor* monitor, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , askSavePath([](QWidget* parent) {
        return QFileDialog::getSaveFileName(parent, tr("Save the link monitor"),
                                            QStringLiteral("link-monitor.txt"),
                                            tr("Text files (*.txt)"));
    })
    , monitor(monitor)
    , filtered(new QSortFilterProxyModel(this))
    , view(new QTableView(this))
    , pause(new QCheckBox(tr("Pause"), this))
    , operations(new QComboBox(this))
    , counters(new QLabel(this)) {
    setObjectName(QStringLiteral("LinkMonitorWindow"));
    setWindowTitle(tr("Link monitor"));
    resize(1100, 600);
    LinkLog* log = monitor->log();
    filtered->setSourceModel(log);
    filtered->setFilterKeyColumn(LinkLog::Operation);
    view->setModel(filtered);
    view->setObjectName(QStringLiteral("tableView_LinkMonitor"));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    // Fixed row heights and column widths: the view never measures 20 000 rows.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    view->verticalHeader()->hide();
    const QString widest[] = {QStringLiteral("0000000"),
                              tr("received"),
                              QStringLiteral("BMS information read"),
                              QStringLiteral("echo of write 0x0000, count 125"),
                              tr("good"),
                              tr("Latency (ms)")};
    for (int column = 0; column < LinkLog::Hex; ++column)
        view->setColumnWidth(column, fontMetrics().horizontalAdvance(widest[column]) + 16);
    view->horizontalHeader()->setStretchLastSection(true);

    auto* clear = new QPushButton(tr("Clear"), this);
    auto* saveButton = new QPushButton(tr("Save as text…"), this);
    operations->addItem(tr("All operations"));
    operations->setObjectName(QStringLiteral("comboBox_LinkMonitorOperation"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(pause);
    bar->addWidget(clear);
    bar->addWidget(new QLabel(tr("Operation:"), this));
    bar->addWidget(operations);
    bar->addStretch();
    bar->addWidget(saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view);
    layout->addWidget(counters);

    connect(pause, &QCheckBox::toggled, this,
            [this](bool paused) { this->monitor->setRecording(!paused && isVisible()); });
    connect(clear, &QPushButton::clicked, log, &LinkLog::clear);
    connect(saveButton, &QPushButton::clicked, this, &LinkMonitorWindow::save);
    connect(operations, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &LinkMonitorWindow::filterBy);
    connect(log, &LinkLog::operationSeen, operations,
            [this](const QString& name) { operations->addItem(name); });
    connect(log, &LinkLog::modelReset, this, [this] {
        while (operations->count() > 1)
            operations->removeItem(1);
    });
    connect(log, &LinkLog::countersChanged, this, &LinkMonitorWindow::showCounters);
    connect(log, &LinkLog::rowsInserted, view, &QTableView::scrollToBottom);
    showCounters();
}

bool LinkMonitorWindow::allowedFor(const QString& role) {
    return role == QLatin1String("service_partner") || role == QLatin1String("admin");
}

QPushButton* LinkMonitorWindow::makeEntry(BmuSession* session, QWidget* window) {
    auto* button = new QPushButton(tr("Link monitor"), window);
    button->setObjectName(QStringLiteral("Btn_LinkMonitor"));
    button->hide();
    auto* monitor = new LinkMonitor(session, button);
    auto* monitorWindow = new LinkMonitorWindow(monitor, window);
    connect(button, &QPushButton::clicked, monitorWindow, [monitorWindow] {
        monitorWindow->show();
        monitorWindow->raise();
        monitorWindow->activateWindow();
    });
    return button;
}

void LinkMonitorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    monitor->setRecording(!pause->isChecked());
}

void LinkMonitorWindow::hideEvent(QHideEvent* event) {
    monitor->setRecording(false);
    QWidget::hideEvent(event);
}

void LinkMonitorWindow::filterBy(int index) {
    const QString name = index > 0 ? operations->itemText(index) : QString();
    filtered->setFilterRegularExpression(
        name.isEmpty() ? QString() : QStringLiteral("^%1$").arg(QRegularExpression::escape(name)));
}

void LinkMonitorWindow::showCounters() {
    const LinkCounters& c = monitor->log()->counters();
    counters->setText(tr("Frames %1 · bytes %2 · CRC errors %3 · exceptions %4 · "
                         "time-outs %5 · mean latency %6 ms")
                          .arg(c.frames)
                          .arg(c.bytes)
                          .arg(c.crcErrors)
                          .arg(c.exceptions)
                          .arg(c.timeouts)
                          .arg(c.meanLatencyMs(), 0, 'f', 1));
}

void LinkMonitorWindow::save() {
    const QString path = askSavePath(this);
    if (path.isEmpty())
        return;
    const QString operation =
        operations->currentIndex() > 0 ? operations->currentText() : QString();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) ||
        file.write(monitor->log()->text(operation).toUtf8()) < 0 || !file.commit())
        Messages::warning(this, tr("Link monitor"),
                          tr("%1 could not be written: %2").arg(path, file.errorString()));
}
