#include "firmware/download.h"

#include "firmware/downloadindex.h"

#include <QFile>
#include <QMetaEnum>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>

namespace {

constexpr int DownloadAttempts = 3;
const char partSuffix[] = ".part";
const char progressLineStart[] = "Downloading Firmware: ";

} // namespace

Download::Download(const UpdateServer& server, const QString& dataFolder)
    : server(server)
    , dataDir(dataFolder)
    , network(new QNetworkAccessManager(this)) {
    connect(network, &QNetworkAccessManager::finished, this, &Download::onReplyFinished);
}

Download::~Download() {
    releaseFile(false);
}

void Download::begin() {
    watchdog = makeTimer([this] { onWatchdog(); });
    addNote(PaneNote::Kind::Clear, QString());
    if (!dataDir.exists() && !dataDir.mkpath(QStringLiteral("."))) {
        endRun(Outcome::Failed, QStringLiteral("Error: Cannot create folder %1")
                                    .arg(QDir::toNativeSeparators(dataDir.path())));
        return;
    }
    startAttempt();
}

bool Download::buildUrl() {
    const QString path = index == 0 ? QStringLiteral("/Data/log.txt")
                                    : QStringLiteral("/Data/") + files.value(index - 1);
    url = QUrl();
    url.setScheme(QStringLiteral("ftp"));
    url.setHost(server.host);
    url.setPort(server.port);
    url.setPath(path, QUrl::DecodedMode);
    url.setUserName(server.user, QUrl::DecodedMode);
    url.setPassword(server.password, QUrl::DecodedMode);
    if (!url.isValid()) {
        addLine(QStringLiteral("Error: Invalid URL"));
        return false;
    }
    return true;
}

bool Download::openFile() {
    // The bytes go to "<name>.part" and take the file's name only once complete, so an
    // interrupted download never passes for a file that is present.
    targetPath = dataDir.filePath(downloadFileName(url.path()));
    file = new QFile(targetPath + QLatin1String(partSuffix), this);
    if (file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true;
    addLine(QStringLiteral("Error: Cannot write file %1: %2")
                .arg(QDir::toNativeSeparators(targetPath), file->errorString()));
    delete file;
    file = nullptr;
    return false;
}

void Download::progressLine() {
    addNote(PaneNote::Kind::ProgressLine,
            QLatin1String(progressLineStart) +
                QStringLiteral("%1 of %2. Please wait...").arg(index).arg(files.size()),
            QStringLiteral("blue"));
}

void Download::startAttempt() {
    if (!buildUrl()) {
        endRun(Outcome::Failed, QStringLiteral("Invalid URL"));
        return;
    }
    if (!openFile()) {
        endRun(Outcome::Failed, QStringLiteral("Cannot write into the Data folder."));
        return;
    }
    bytesReceived = 0;
    bytesAtLastCheck = 0;
    if (index == 0)
        addNote(PaneNote::Kind::ColouredLine,
                QStringLiteral("Obtaining file information. Please wait..."),
                QStringLiteral("blue"));
    progressLine();

    reply = network->get(QNetworkRequest(url));
    QNetworkReply* current = reply;
    connect(current, &QNetworkReply::readyRead, this, [this, current] {
        if (current == reply)
            takeBytes();
    });
    connect(current, &QNetworkReply::downloadProgress, this,
            [this, current](qint64 received, qint64 total) {
                if (current == reply && total > 0)
                    emit progress(int(qMin<qint64>(received, INT_MAX)),
                                  int(qMin<qint64>(total, INT_MAX)));
            });
    connect(current, &QNetworkReply::errorOccurred, this,
            [this, current](QNetworkReply::NetworkError code) {
                if (current == reply)
                    onError(code);
            });
    watchdog->setInterval(server.watchdogMs);
    watchdog->start();
}

void Download::takeBytes() {
    if (!reply || !file)
        return;
    file->write(reply->readAll());
    bytesReceived = file->size();
}

void Download::onWatchdog() {
    if (!reply)
        return;
    if (bytesReceived != bytesAtLastCheck) {
        bytesAtLastCheck = bytesReceived;
        watchdog->start();
        return;
    }
    // Nothing arrived for a whole interval: the attempt is abandoned as timed out.
    QNetworkReply* stalled = reply;
    releaseReply();
    stalled->abort();
    onError(QNetworkReply::TimeoutError);
}

void Download::releaseReply() {
    if (!reply)
        return;
    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
    reply = nullptr;
}

void Download::releaseFile(bool keep) {
    if (!file)
        return;
    file->close();
    if (keep) {
        QFile::remove(targetPath);
        file->rename(targetPath);
    } else {
        file->remove();
    }
    delete file;
    file = nullptr;
}

void Download::onError(QNetworkReply::NetworkError code) {
    watchdog->stop();
    const char* key = QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(code);
    addNote(PaneNote::Kind::ColouredLine,
            QStringLiteral("Download file occur error: ") +
                QLatin1String(key ? key : "UnknownNetworkError"),
            QStringLiteral("red"));
    releaseReply();
    releaseFile(false);
    retries += 1;
    if (retries < DownloadAttempts) {
        addNote(PaneNote::Kind::ColouredLine,
                QStringLiteral("Trying to re-Download No.%1 time").arg(retries + 1),
                QStringLiteral("blue"));
        startAttempt();
        return;
    }
    const QString failure = QStringLiteral("Download failure, please check the internet connection. ");
    addNote(PaneNote::Kind::ColouredLine, failure, QStringLiteral("red"));
    endRun(Outcome::Failed, failure.trimmed());
}

void Download::onReplyFinished(QNetworkReply* finished) {
    // Completions of attempts that already failed or were given up are not this run's.
    if (finished != reply || !isRunning())
        return;
    if (finished->error() != QNetworkReply::NoError) {
        onError(finished->error());
        return;
    }
    watchdog->stop();
    takeBytes();
    file->flush();
    const qint64 size = file->size();
    const bool lastFile = index == files.size() && !files.isEmpty();
    releaseReply();
    if (size == 0) {
        addNote(PaneNote::Kind::ColouredLine, QStringLiteral("Nothing be downloaded."),
                QStringLiteral("red"));
        // An empty index is a valid index; an empty image is not kept as if present.
        releaseFile(index == 0);
    } else {
        releaseFile(true);
        if (index == 0) {
            addNote(PaneNote::Kind::ColouredLine,
                    QStringLiteral("Obtain file information success."), QStringLiteral("blue"));
        } else {
            downloaded += 1;
            if (lastFile)
                emit lastFileArrived();
            if (lastFile)
                addNote(PaneNote::Kind::StyledLine,
                        QStringLiteral("Download firmware file success. Please connect the WiFi "
                                       "of battery system then click 'Update' to start updating "
                                       "Firmware!"),
                        QStringLiteral("green"));
        }
    }

    if (index == 0)
        selectMissingFiles();
    else
        retries = 0;
    index += 1;
    if (index <= files.size())
        startAttempt();
    else
        endRun(Outcome::Done);
}

void Download::selectMissingFiles() {
    QFile indexFile(dataDir.filePath(QStringLiteral("log.txt")));
    QStringList entries;
    if (indexFile.open(QIODevice::ReadOnly))
        entries = parseDownloadIndex(indexFile.readAll());
    files = ::selectMissingFiles(entries, dataDir.entryList(QDir::Files));
    if (files.isEmpty()) {
        addNote(PaneNote::Kind::ReplacePane, QStringLiteral("The local Firmware have been latest."),
                QString());
        addNote(PaneNote::Kind::StyledLine,
                QStringLiteral("Please connect the WiFi of battery system and refresh the system "
                               "info. Then choose 'BMU' or 'BMS' to update the Firmware. "),
                QStringLiteral("green"));
    }
}

void Download::endRun(Outcome outcome, const QString& message) {
    watchdog->stop();
    releaseReply();
    releaseFile(false);
    // No idle session is kept open to the server once the run is over.
    network->clearConnectionCache();
    finish(outcome, message);
}

void Download::onStop(const QString& reason) {
    addNote(PaneNote::Kind::ColouredLine, reason, QStringLiteral("red"));
    releaseReply();
    releaseFile(false);
}
