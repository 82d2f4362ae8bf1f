// Download of log.txt and the files it names from the update server into the Data
// folder: one file after another, with progress, a stall watchdog and three attempts.

#include "app/mainwindow.h"
#include "app/mainwindow_form.h"
#include "firmware/downloadindex.h"
#include "firmware/panetext.h"
#include "firmware/update.h"

#include <QComboBox>
#include <QDebug>
#include <QFile>
#include <QMetaEnum>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QProgressBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr int DownloadAttempts = 3;
const char partSuffix[] = ".part";
const char progressLineStart[] = "Downloading Firmware: ";

} // namespace

void MainWindow::setupDownload() {
    networkManager = new QNetworkAccessManager(this);
    connect(networkManager, &QNetworkAccessManager::finished, this,
            &MainWindow::downloadFinishReply);
    downloadWatchdog = new QTimer(this);
    downloadWatchdog->setSingleShot(false);
    connect(downloadWatchdog, &QTimer::timeout, this, &MainWindow::timeOut);
}

void MainWindow::on_BtnDownloadFWfile_clicked() {
    downloadIndex = 0;
    downloadRetries = 0;
    ui->textEdit_FW_Update->clear();
    startDownload();
}

bool MainWindow::buildDownloadUrl() {
    const UpdateServer& server = appSettings.updateServer;
    QString path;
    if (downloadIndex == 0) {
        path = QStringLiteral("/Data/log.txt");
    } else if (downloadIndex >= 1 && downloadIndex <= downloadCount) {
        path = QStringLiteral("/Data/") + downloadList.at(downloadIndex - 1);
    } else {
        return false;
    }
    QUrl url;
    url.setScheme(QStringLiteral("ftp"));
    url.setHost(server.host);
    url.setPort(server.port);
    url.setPath(path, QUrl::DecodedMode);
    url.setUserName(server.user, QUrl::DecodedMode);
    url.setPassword(server.password, QUrl::DecodedMode);
    downloadUrl = url;
    if (downloadIndex > 0)
        qDebug() << "正在下载：" << downloadUrl.toDisplayString();

    QTextEdit* pane = ui->textEdit_FW_Update;
    if (!downloadUrl.isValid()) {
        pane->append(QStringLiteral("Error: Invalid URL"));
        return false;
    }
    if (downloadUrl.scheme() != QLatin1String("ftp")) {
        pane->append(QStringLiteral("Error: URL must start with 'ftp:'"));
        return false;
    }
    if (downloadUrl.path().isEmpty()) {
        pane->append(QStringLiteral("Error: URL has no path"));
        return false;
    }
    return true;
}

bool MainWindow::ensureDataDir() {
    dataDirHandle = QDir(Update::dataFolder());
    return dataDirHandle.exists() || dataDirHandle.mkpath(QStringLiteral("."));
}

bool MainWindow::openDownloadFile() {
    // The bytes go to "<name>.part" and take the file's name only once complete, so an
    // interrupted download never passes for a file that is present.
    downloadTargetPath = dataDirHandle.filePath(downloadFileName(downloadUrl.path()));
    downloadFile = new QFile(downloadTargetPath + QLatin1String(partSuffix), this);
    if (downloadFile->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true;
    ui->textEdit_FW_Update->append(
        QStringLiteral("Error: Cannot write file %1: %2")
            .arg(QDir::toNativeSeparators(downloadTargetPath), downloadFile->errorString()));
    delete downloadFile;
    downloadFile = nullptr;
    return false;
}

void MainWindow::replaceProgressLine(const QString& line) {
    // One progress line, the newest: the previous one goes wherever it stands.
    QTextEdit* pane = ui->textEdit_FW_Update;
    for (QTextBlock block = pane->document()->lastBlock(); block.isValid();
         block = block.previous()) {
        if (!block.text().startsWith(QLatin1String(progressLineStart)))
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        if (block.previous().isValid())
            cursor.deletePreviousChar(); // the line break before it
        else
            cursor.deleteChar();
        break;
    }
    PaneText::appendColoured(pane, line, "blue");
}

void MainWindow::startDownload() {
    if (!buildDownloadUrl() || !ensureDataDir())
        return;
    lockButtons();
    if (!openDownloadFile()) {
        unlockButtons();
        return;
    }
    downloadWatchdog->stop();
    bytesReceived = 0;
    bytesAtLastCheck = 0;
    if (downloadIndex == 0)
        PaneText::appendColoured(ui->textEdit_FW_Update,
                                 QStringLiteral("Obtaining file information. Please wait..."),
                                 "blue");
    replaceProgressLine(
        QLatin1String(progressLineStart) +
        QStringLiteral("%1 of %2. Please wait...").arg(downloadIndex).arg(downloadCount));

    QNetworkReply* reply = networkManager->get(QNetworkRequest(downloadUrl));
    currentReply = reply;
    connect(reply, &QNetworkReply::readyRead, this, &MainWindow::slotReadyRead);
    connect(reply, &QNetworkReply::downloadProgress, this, &MainWindow::downloadProgress);
    connect(reply, &QNetworkReply::errorOccurred, this,
            [this, reply](QNetworkReply::NetworkError code) {
                if (reply == currentReply)
                    readReplyError(code);
            });
    downloadWatchdog->start(appSettings.updateServer.watchdogMs);
}

void MainWindow::slotReadyRead() {
    if (sender() == currentReply)
        takeDownloadedBytes();
}

void MainWindow::takeDownloadedBytes() {
    if (!currentReply || !downloadFile)
        return;
    downloadFile->write(currentReply->readAll());
    bytesReceived = downloadFile->size();
}

void MainWindow::downloadProgress(qint64 received, qint64 total) {
    if (sender() != currentReply || total <= 0)
        return;
    ui->pBar_Download_FW->setMaximum(int(qMin<qint64>(total, INT_MAX)));
    ui->pBar_Download_FW->setValue(int(qMin<qint64>(received, INT_MAX)));
}

void MainWindow::timeOut() {
    if (!currentReply)
        return;
    if (bytesReceived != bytesAtLastCheck) {
        bytesAtLastCheck = bytesReceived;
        return;
    }
    // Nothing arrived for a whole interval: the attempt is abandoned as timed out.
    QNetworkReply* stalled = currentReply;
    releaseReply();
    stalled->abort();
    readReplyError(QNetworkReply::TimeoutError);
}

void MainWindow::releaseReply() {
    if (!currentReply)
        return;
    disconnect(currentReply, nullptr, this, nullptr);
    currentReply->deleteLater();
    currentReply = nullptr;
}

void MainWindow::releaseDownload(bool keepFile) {
    releaseReply();
    if (downloadFile) {
        downloadFile->close();
        if (keepFile) {
            QFile::remove(downloadTargetPath);
            downloadFile->rename(downloadTargetPath);
        } else {
            downloadFile->remove();
        }
        delete downloadFile;
        downloadFile = nullptr;
    }
}

void MainWindow::readReplyError(QNetworkReply::NetworkError code) {
    QTextEdit* pane = ui->textEdit_FW_Update;
    const char* name = QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(code);
    PaneText::appendColoured(pane,
                             QStringLiteral("Download file occur error: ") +
                                 QLatin1String(name ? name : "UnknownNetworkError"),
                             "red");
    releaseDownload(false);
    downloadRetries += 1;
    qDebug() << "reverse=" << downloadRetries;
    if (downloadRetries < DownloadAttempts) {
        PaneText::appendColoured(
            pane, QStringLiteral("Trying to re-Download No.%1 time").arg(downloadRetries + 1),
            "blue");
        startDownload();
        return;
    }
    endDownloadRun();
    PaneText::appendColoured(
        pane, QStringLiteral("Download failure, please check the internet connection. "), "red");
}

void MainWindow::endDownloadRun() {
    downloadWatchdog->stop();
    unlockButtons();
    // No idle session is kept open to the server once the run is over.
    networkManager->clearConnectionCache();
}

void MainWindow::downloadFinishReply(QNetworkReply* reply) {
    // Completions of attempts that already failed or were given up are not this run's.
    if (reply != currentReply)
        return;
    if (reply->error() != QNetworkReply::NoError) {
        readReplyError(reply->error());
        return;
    }
    takeDownloadedBytes();
    downloadFile->flush();
    const qint64 size = downloadFile->size();
    const bool lastFile = downloadIndex == downloadCount && downloadCount > 0;
    QTextEdit* pane = ui->textEdit_FW_Update;
    downloadWatchdog->stop();
    if (size == 0) {
        PaneText::appendColoured(pane, QStringLiteral("Nothing be downloaded."), "red");
        // An empty index is a valid index; an empty image is not kept as if present.
        releaseDownload(downloadIndex == 0);
    } else {
        releaseDownload(true);
        if (downloadIndex == 0) {
            PaneText::appendColoured(pane, QStringLiteral("Obtain file information success."),
                                     "blue");
        } else if (lastFile) {
            ui->comboBox->setCurrentIndex(1);
            ui->comboBox->setCurrentIndex(0);
            PaneText::append(pane,
                             QStringLiteral("Download firmware file success. Please connect the "
                                            "WiFi of battery system then click 'Update' to start "
                                            "updating Firmware!"),
                             PaneText::Green);
        }
    }
    unlockButtons();

    if (downloadIndex == 0) {
        downloadIndex = 1;
        selectMissingFiles();
    } else {
        downloadIndex += 1;
        downloadRetries = 0;
    }
    if (downloadIndex <= downloadCount)
        startDownload();
    else
        endDownloadRun();
}

void MainWindow::selectMissingFiles() {
    downloadList.clear();
    QFile index(dataDirHandle.filePath(QStringLiteral("log.txt")));
    QStringList entries;
    if (index.open(QIODevice::ReadOnly))
        entries = parseDownloadIndex(index.readAll());
    else
        qDebug() << "Can't open the file!";
    const QStringList localFiles = dataDirHandle.entryList(QDir::Files);
    qDebug() << "本地文件夹内容：" << localFiles;
    downloadList = ::selectMissingFiles(entries, localFiles);
    downloadCount = downloadList.size();
    if (downloadCount == 0) {
        QTextEdit* pane = ui->textEdit_FW_Update;
        pane->setText(QStringLiteral("The local Firmware have been latest."));
        PaneText::append(pane,
                         QStringLiteral("Please connect the WiFi of battery system and refresh "
                                        "the system info. Then choose 'BMU' or 'BMS' to update "
                                        "the Firmware. "),
                         PaneText::Green);
    }
}
