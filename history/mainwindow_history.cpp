// History members of the main window: starting a log read, requesting its blocks, the
// dispatcher's history states, and the history tables.

#include "app/fixedpitchdelegate.h"
#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "app/messages.h"
#include "app/styles.h"
#include "history/history.h"
#include "history/historyread.h"
#include "link/bmusession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>

#include <climits>

namespace {

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
    table->setHorizontalHeaderLabels({MainWindow::tr("Date&Time"), MainWindow::tr("Code"),
                                      MainWindow::tr("Description"), MainWindow::tr("Log Data")});
    table->setColumnWidth(0, 200);
    table->setColumnWidth(1, 50);
    table->setItemDelegateForColumn(1, new FixedPitchDelegate(table));
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

} // namespace

void MainWindow::setupHistoryTables() {
    historyTables = History::historyTables(ui);
    for (QTableWidget* table : historyTables)
        setupHistoryTable(table);

    // Fast reads are the user's choice, remembered between runs.
    fastReadsNotice = new QLabel(tr("Fast reads on"), this);
    fastReadsNotice->setObjectName(QStringLiteral("label_FastReads"));
    statusBar()->addPermanentWidget(fastReadsNotice);
    connect(ui->checkBox_FastReads, &QCheckBox::toggled, this, [this](bool on) {
        SessionTiming timing = session->timing();
        timing.fastReads = on;
        session->setTiming(timing);
        fastReadsNotice->setVisible(on);
        userSettings().setValue(QStringLiteral("fastReads"), on);
    });
    const bool fast = userSettings().value(QStringLiteral("fastReads"), false).toBool();
    ui->checkBox_FastReads->setChecked(fast);
    fastReadsNotice->setVisible(fast);
}

void MainWindow::on_Btn_HistoryInfo_clicked() {
    if (refuseWithoutLink())
        return;
    static const QRegularExpression digitsOnly(QStringLiteral("^\\d+$"));
    const QString text = ui->lineEdit_His_Data_Qty->text();
    bool number = false;
    const qulonglong records = text.toULongLong(&number);
    const qulonglong perBlock = HistoryRead::RecordsPerBlock;
    const qulonglong blocks = records / perBlock + (records % perBlock ? 1 : 0);
    if (!digitsOnly.match(text).hasMatch() || !number || blocks == 0 || blocks > INT_MAX) {
        Messages::warning(this, tr("Error"), tr("Please input the correct Number."));
        return;
    }
    auto* read =
        new HistoryRead(qMax(0, ui->comboBox_ReadHistoryInfo->currentIndex()), int(blocks));
    if (historyProgress)
        historyProgress->deleteLater();
    historyProgress =
        new QProgressDialog(tr("Reading historical data..."), tr("Cancel"), 0, int(blocks), this);
    historyProgress->setWindowModality(Qt::WindowModal);
    historyProgress->setMinimumDuration(5);
    historyProgress->setWindowTitle(tr("please wait..."));
    historyProgress->setValue(0);
    connect(historyProgress, &QProgressDialog::canceled, session, &BmuSession::cancel);
    connect(read, &Operation::progress, historyProgress, [this](int done, int) {
        if (historyProgress && !historyProgress->wasCanceled())
            historyProgress->setValue(done);
    });
    historyProgress->show();
    startOperation(read);
}

void MainWindow::showHistoryBlock(int, const QByteArray& block) {
    // The unit selected now, not when the block was requested, decides the decoder.
    if (ui->comboBox_ReadHistoryInfo->currentIndex() <= 0)
        history->decodeBmuEvents(block, session->snapshot().serial());
    else
        history->decodeBmsEvents(block);
    history->showHistoryRows();
}

void MainWindow::endHistoryRead(const OperationResult& result) {
    if (historyProgress) {
        historyProgress->disconnect(session);
        historyProgress->close();
    }
    if (result.outcome == Outcome::Failed)
        Messages::warning(this, tr("Error"), result.message);
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
