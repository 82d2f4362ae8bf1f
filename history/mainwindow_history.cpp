// History members of the main window: starting a log read, requesting its blocks, the
// dispatcher's history states, and the history tables.

#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "app/messages.h"
#include "app/styles.h"
#include "history/history.h"
#include "link/catalogue.h"

#include <QComboBox>
#include <QDebug>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>

#include <climits>

namespace {

constexpr int RecordsPerBlock = 20;
constexpr int BlockStepMs = 1000; // from the block request to the readiness poll
constexpr int PollStepMs = 500;   // between readiness polls and between page reads
constexpr int NextBlockStepMs = 1000;
constexpr int BlockReplyLimitMs = 5000; // silence that ends a read

const char HorizontalScrollBar[] =
    "QScrollBar:horizontal{background:transparent;height:10px;}"
    "QScrollBar::handle:horizontal{background:lightgray;border-radius:5px;min-width:20px;}"
    "QScrollBar::add-line:horizontal,QScrollBar::sub-line:horizontal{width:0px;}"
    "QScrollBar::add-page:horizontal,QScrollBar::sub-page:horizontal{background:transparent;}";
const char VerticalScrollBar[] =
    "QScrollBar:vertical{background:transparent;width:10px;}"
    "QScrollBar::handle:vertical{background:lightgray;border-radius:5px;min-height:20px;}"
    "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
    "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;}";

void setupHistoryTable(QTableWidget* table) {
    table->setColumnCount(4);
    table->setHorizontalHeaderLabels({QStringLiteral("Date&Time"), QStringLiteral("Code"),
                                      QStringLiteral("Description"), QStringLiteral("Log Data")});
    table->setColumnWidth(0, 200);
    table->setColumnWidth(1, 50);
    table->setColumnWidth(2, 200);
    QHeaderView* header = table->horizontalHeader();
    header->setStretchLastSection(true);
    header->setStyleSheet(QLatin1String(Style::SkyblueHeader));
    QFont bold = header->font();
    bold.setWeight(75);
    header->setFont(bold);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setStyleSheet(QLatin1String(Style::TableSelection));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalScrollBar()->setStyleSheet(QLatin1String(HorizontalScrollBar));
    table->verticalScrollBar()->setStyleSheet(QLatin1String(VerticalScrollBar));
}

bool isHistoryState(int state) {
    return state == HistoryWait || state == HistoryPages || state == HistoryNext;
}

} // namespace

void MainWindow::setupHistoryTables() {
    historyTables = History::historyTables(ui);
    for (QTableWidget* table : historyTables)
        setupHistoryTable(table);

    historyWatchdog = new QTimer(this);
    historyWatchdog->setSingleShot(true);
    historyWatchdog->setInterval(BlockReplyLimitMs);
    connect(historyWatchdog, &QTimer::timeout, this, &MainWindow::onHistoryStalled);
}

void MainWindow::on_Btn_HistoryInfo_clicked() {
    static const QRegularExpression digitsOnly(QStringLiteral("^\\d+$"));
    const QString text = ui->lineEdit_His_Data_Qty->text();
    bool number = false;
    const qulonglong records = text.toULongLong(&number);
    const qulonglong blocks = records / RecordsPerBlock + (records % RecordsPerBlock ? 1 : 0);
    if (!digitsOnly.match(text).hasMatch() || !number || blocks == 0 || blocks > INT_MAX) {
        Messages::warning(this, QStringLiteral("Error"),
                          QStringLiteral("Please input the correct Number."));
        return;
    }
    historyRemaining = historyTotal = int(blocks);
    // Bytes of a block that never completed must not shift the records of this read.
    shared.pageBuffer.clear();

    if (historyProgress)
        historyProgress->deleteLater();
    historyProgress = new QProgressDialog(QStringLiteral("Reading historical data..."),
                                          QStringLiteral("Cancel"), 0, historyTotal, this);
    historyProgress->setWindowModality(Qt::WindowModal);
    historyProgress->setMinimumDuration(5);
    historyProgress->setWindowTitle(QStringLiteral("please wait..."));
    historyProgress->setValue(0);
    historyProgress->show();
    if (historyProgress->wasCanceled()) {
        historyProgress->cancel();
        historyProgress->close();
        return;
    }
    lockButtons();
    requestHistoryBlock();
}

void MainWindow::requestHistoryBlock() {
    requestState = HistoryWait;
    guardedOp = GuardHistory;
    shared.pageBuffer.clear();
    const QString frame =
        historyBlockRequest(quint16(qMax(0, ui->comboBox_ReadHistoryInfo->currentIndex())));
    sendFrame(frame);
    stepTimer->start(BlockStepMs);
    replyTimer->start(BlockReplyLimitMs);
    historyWatchdog->start();
    qDebug() << "读取历史记录" << frame;
}

void MainWindow::onHistoryReply() {
    // Every reply of the running block shows the BMU is still answering.
    historyWatchdog->start();

    if (requestState == HistoryWait) {
        // The echo of the block request lands here too and only re-arms the poll.
        if (replyIsReady()) {
            shared.pageCount = 0;
            requestState = HistoryPages;
        }
        stepTimer->start(PollStepMs);
        return;
    }

    history->collectHistoryPage();
    if (!history->blockComplete())
        return;
    // The unit selected now, not when the block was requested, decides the decoder.
    if (ui->comboBox_ReadHistoryInfo->currentIndex() <= 0)
        history->decodeBmuEvents();
    else
        history->decodeBmsEvents();
    history->showHistoryRows();
    shared.pageBuffer.clear();
    requestState = HistoryNext;
    stepTimer->start(NextBlockStepMs);
}

void MainWindow::onHistoryStep() {
    switch (requestState) {
    case HistoryWait:
        if (!stepTimer->isActive())
            return;
        stepTimer->stop();
        // A unit that never becomes ready must not keep a cancelled read alive.
        if (historyProgress && historyProgress->wasCanceled()) {
            finishHistoryRead();
            return;
        }
        sendFrame(QLatin1String(Command::HistoryReadyPoll));
        break;
    case HistoryPages:
        shared.pageCount += 1;
        if (shared.pageCount > History::PagesPerBlock)
            stepTimer->stop();
        else
            sendFrame(QLatin1String(Command::HistoryPage));
        break;
    case HistoryNext:
        stepTimer->stop();
        historyRemaining -= 1;
        // A window-modal progress dialog handles events inside setValue(): the step timer
        // is stopped first so that no tick re-enters here.
        if (historyProgress && !historyProgress->wasCanceled())
            historyProgress->setValue(historyTotal - historyRemaining);
        if ((historyProgress && historyProgress->wasCanceled()) || historyRemaining <= 0)
            finishHistoryRead();
        else
            requestHistoryBlock();
        break;
    default:
        break;
    }
}

void MainWindow::finishHistoryRead() {
    historyWatchdog->stop();
    if (isHistoryState(requestState)) {
        stepTimer->stop();
        requestState = Idle; // a late reply must not start the read again
    }
}

void MainWindow::onHistoryStalled() {
    const bool cancelled = !historyProgress || historyProgress->wasCanceled();
    finishHistoryRead();
    replyTimer->stop();
    unlockButtons();
    if (historyProgress)
        historyProgress->close();
    if (cancelled)
        return;
    Messages::warning(this, QStringLiteral("Error"),
                      QStringLiteral("No response from the BMU: reading the history stopped "
                                     "after %1 of %2 blocks.")
                          .arg(historyTotal - historyRemaining)
                          .arg(historyTotal));
}

void MainWindow::on_Btn_HistoryInfo_Clear_clicked() {
    const int unit = qMax(0, ui->comboBox_ReadHistoryInfo->currentIndex());
    if (unit < historyTables.size())
        historyTables[unit]->setRowCount(0);
}

void MainWindow::on_comboBox_ReadHistoryInfo_currentIndexChanged(int index) {
    if (index >= 0)
        ui->stackedWidget->setCurrentIndex(index);
}
