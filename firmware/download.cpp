#include "firmware/download.h"

#include "firmware/downloadindex.h"
#include "firmware/firmwarefile.h"
#include "firmware/ftpclient.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaEnum>
#include <QSet>
#include <QTimer>

#include <cerrno>
#include <climits>
#include <cstdio>

namespace {

constexpr int DownloadAttempts = 3;
const char indexName[] = "log.txt";
const char partSuffix[] = ".part";
const char progressLineStart[] = QT_TRANSLATE_NOOP("Download", "Downloading Firmware: ");

// A name as the pane shows it: control characters spelt out ("\x00").
QString shownName(const QString& name) {
    QString shown;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString writeErrorReason(const QFile& file) {
    return file.error() == QFileDevice::ResourceError
               ? QCoreApplication::translate("Download", "the disk is full")
               : file.errorString();
}

int clampToInt(qint64 value) {
    return int(qMin<qint64>(value, INT_MAX));
}

} // namespace

Download::Download(const UpdateServer& server, const QString& dataFolder)
    : server(server)
    , dataDir(dataFolder) {}

Download::~Download() {
    closeAttempt();
}

void Download::begin() {
    watchdog = makeTimer([this] { onWatchdog(); });
    addNote(PaneNote::Kind::Clear, QString());
    if (!dataDir.exists() && !dataDir.mkpath(QStringLiteral("."))) {
        const QString failure =
            tr("Error: Cannot create folder %1").arg(QDir::toNativeSeparators(dataDir.path()));
        errorLine(failure);
        endRun(Outcome::Failed, failure);
        return;
    }
    startAttempt();
}

void Download::cancel() {
    Operation::cancel();
    if (!isRunning())
        return;
    closeAttempt();
    errorLine(tr("Download cancelled."));
    endRun(Outcome::Cancelled);
}

QString Download::currentName() const {
    return index == 0 ? QLatin1String(indexName) : files.value(index - 1);
}

void Download::nextFile() {
    retries = 0;
    while (++index <= files.size()) {
        const QString problem = downloadEntryProblem(currentName());
        if (problem.isEmpty()) {
            startAttempt();
            return;
        }
        errorLine(tr("Skipped %1: %2.").arg(shownName(currentName()), problem));
    }
    endOfFiles();
}

bool Download::openPart() {
    // The bytes go to "<name>.part" and take the file's name only once complete, so an
    // interrupted download never passes for a file that is present. Unbuffered, so that
    // every write reaches the disk, and a full one shows, when it is made.
    targetPath = dataDir.filePath(downloadFileName(QLatin1Char('/') + currentName()));
    part = new QFile(targetPath + QLatin1String(partSuffix), this);
    if (part->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return true;
    writeFailed(writeErrorReason(*part));
    return false;
}

void Download::progressLine() {
    addNote(PaneNote::Kind::ProgressLine,
            tr(progressLineStart) + tr("%1 of %2. Please wait...").arg(index).arg(files.size()),
            QStringLiteral("blue"));
}

void Download::startAttempt() {
    if (index == 0)
        addNote(PaneNote::Kind::ColouredLine, tr("Obtaining file information. Please wait..."),
                QStringLiteral("blue"));
    progressLine();
    if (!openPart())
        return;
    announced = -1;
    written = 0;
    writtenAtLastCheck = 0;
    indexContent.clear();

    client = new FtpClient(this);
    connect(client, &FtpClient::sizeAnnounced, this, &Download::onSizeAnnounced);
    connect(client, &FtpClient::dataReceived, this, &Download::onData);
    connect(client, &FtpClient::completed, this, &Download::onCompleted);
    connect(client, &FtpClient::failed, this, &Download::onFailed);
    client->retrieve(server, QStringLiteral("/Data/") + currentName());
    watchdog->setInterval(server.watchdogMs);
    watchdog->start();
}

void Download::onSizeAnnounced(qint64 bytes) {
    announced = bytes;
    const qint64 limit = downloadSizeLimit(currentName());
    if (bytes > limit) {
        closeAttempt();
        giveUp(tr("it is larger than %1 bytes").arg(limit));
    }
}

void Download::onData(const QByteArray& bytes) {
    const qint64 limit = downloadSizeLimit(currentName());
    if (written + bytes.size() > limit) {
        closeAttempt();
        giveUp(tr("it is larger than %1 bytes").arg(limit));
        return;
    }
    if (part->write(bytes) != bytes.size()) {
        writeFailed(writeErrorReason(*part));
        return;
    }
    written += bytes.size();
    if (index == 0)
        indexContent += bytes;
    if (announced > 0)
        emit progress(clampToInt(written), clampToInt(announced));
}

void Download::onWatchdog() {
    if (written != writtenAtLastCheck) {
        writtenAtLastCheck = written;
        watchdog->start();
        return;
    }
    // Nothing arrived for a whole interval: the attempt is abandoned as timed out.
    onFailed(QNetworkReply::TimeoutError);
}

void Download::onFailed(QNetworkReply::NetworkError error) {
    closeAttempt();
    const char* key = QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(error);
    errorLine(tr("Download file occur error: ") + QLatin1String(key ? key : "UnknownNetworkError"));
    if (error == QNetworkReply::ContentNotFoundError) {
        giveUp(tr("the server does not have it"));
    } else if (error == QNetworkReply::AuthenticationRequiredError) {
        // The same account would be refused again: no retry.
        const QString failure = tr("Download failure, the update server refused the user name or "
                                   "password. ");
        errorLine(failure);
        endRun(Outcome::Failed, failure.trimmed());
    } else {
        retryOrEnd();
    }
}

void Download::retryOrEnd() {
    closeAttempt();
    retries += 1;
    if (retries < DownloadAttempts) {
        addNote(PaneNote::Kind::ColouredLine,
                tr("Trying to re-Download No.%1 time").arg(retries + 1), QStringLiteral("blue"));
        startAttempt();
        return;
    }
    const QString failure = tr("Download failure, please check the internet connection. ");
    errorLine(failure);
    endRun(Outcome::Failed, failure.trimmed());
}

void Download::giveUp(const QString& reason) {
    if (index > 0) {
        errorLine(tr("Skipped %1: %2.").arg(shownName(currentName()), reason));
        nextFile();
        return;
    }
    const QString failure = tr("The file list log.txt was not taken: %1.").arg(reason);
    errorLine(failure);
    endRun(Outcome::Failed, failure);
}

void Download::writeFailed(const QString& reason) {
    closeAttempt();
    const QString failure =
        tr("Error: Cannot write file %1: %2.").arg(QDir::toNativeSeparators(targetPath), reason);
    errorLine(failure);
    endRun(Outcome::Failed, failure);
}

void Download::onCompleted() {
    watchdog->stop();
    if (announced >= 0 && written != announced) {
        // The server said the transfer was complete, but it was not.
        errorLine(tr("%1 arrived incomplete: %2 of %3 bytes.")
                      .arg(shownName(currentName()))
                      .arg(written)
                      .arg(announced));
        retryOrEnd();
        return;
    }
    if (written == 0) {
        closeAttempt();
        errorLine(tr("Nothing be downloaded."));
        if (index == 0)
            giveUp(tr("it is empty"));
        else
            nextFile();
        return;
    }
    if (index == 0) {
        takeIndex();
        return;
    }
    if (!commitPart())
        return;
    downloaded += 1;
    nextFile();
}

void Download::takeIndex() {
    const QStringList entries = parseDownloadIndex(indexContent);
    const int named = entries.size() - entries.count(QString());
    if (named > MaxIndexEntries) {
        closeAttempt();
        giveUp(tr("it names more than %1 files").arg(MaxIndexEntries));
        return;
    }
    if (!commitPart())
        return;
    addNote(PaneNote::Kind::ColouredLine, tr("Obtain file information success."),
            QStringLiteral("blue"));
    selectMissingFiles(entries);
    if (files.isEmpty()) {
        addNote(PaneNote::Kind::ReplacePane, tr("The local Firmware have been latest."), QString());
        addNote(PaneNote::Kind::StyledLine,
                tr("Please connect the WiFi of battery system and refresh the system "
                   "info. Then choose 'BMU' or 'BMS' to update the Firmware. "),
                QStringLiteral("green"));
        endRun(Outcome::Done);
        return;
    }
    nextFile();
}

bool Download::commitPart() {
    part->close();
    if (part->error() != QFileDevice::NoError) {
        writeFailed(writeErrorReason(*part));
        return false;
    }
    // rename() replaces the old file in one step: there is never a moment without it.
    if (std::rename(QFile::encodeName(part->fileName()).constData(),
                    QFile::encodeName(targetPath).constData()) != 0) {
        writeFailed(qt_error_string(errno));
        return false;
    }
    delete part;
    part = nullptr;
    closeAttempt();
    return true;
}

void Download::selectMissingFiles(const QStringList& entries) {
    // A firmware image already here counts only if it is the one its name promises; a
    // damaged or cut one is fetched again.
    const QSet<QString> listed(entries.begin(), entries.end());
    QStringList present;
    for (const QString& name : dataDir.entryList(QDir::Files)) {
        if (listed.contains(name) && parseFirmwareFileName(name) &&
            !firmwareFileMatchesName(dataDir.filePath(name), downloadSizeLimit(name)))
            continue;
        present << name;
    }
    files = ::selectMissingFiles(entries, present);
}

void Download::endOfFiles() {
    if (downloaded > 0)
        emit lastFileArrived();
    if (downloaded == files.size()) {
        addNote(PaneNote::Kind::StyledLine,
                tr("Download firmware file success. Please connect the WiFi of battery "
                   "system then click 'Update' to start updating Firmware!"),
                QStringLiteral("green"));
        endRun(Outcome::Done);
        return;
    }
    const QString summary = tr("%1 of %2 files downloaded; the others are named above.")
                                .arg(downloaded)
                                .arg(files.size());
    errorLine(summary);
    endRun(Outcome::Done, summary);
}

void Download::closeAttempt() {
    if (watchdog)
        watchdog->stop();
    if (client) {
        disconnect(client, nullptr, this, nullptr);
        client->abort();
        client->deleteLater();
        client = nullptr;
    }
    if (part) {
        part->close();
        part->remove();
        delete part;
        part = nullptr;
    }
}

void Download::endRun(Outcome outcome, const QString& message) {
    closeAttempt();
    finish(outcome, message);
}

void Download::errorLine(const QString& text) {
    addNote(PaneNote::Kind::ColouredLine, text, QStringLiteral("red"));
}

void Download::onStop(const QString& reason) {
    errorLine(reason);
    closeAttempt();
}
