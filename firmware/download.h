#pragma once

#include "app/settings.h"
#include "link/operation.h"

#include <QDir>
#include <QNetworkReply>
#include <QStringList>

class FtpClient;
class QFile;
class QTimer;

// The download from the update server: log.txt, the list of files it offers, then each
// listed file the Data folder does not hold yet (or holds damaged), one after another.
// A file is written to "<name>.part" and takes its own name only once complete: every
// write succeeded, and as many bytes arrived as the server announced. An attempt that
// fails, ends short or receives nothing for the watchdog interval is tried again, three
// attempts in all per file. An entry that cannot be fetched (a bad name, a file the
// server does not have, one larger than such a file can be) is reported and skipped;
// a log.txt that is not taken ends the run and leaves the previous one in place.
class Download : public Operation {
    Q_OBJECT

public:
    Download(const UpdateServer& server, const QString& dataFolder);
    ~Download() override;
    QString name() const override { return QStringLiteral("download"); }
    PaneNote::Pane pane() const override { return PaneNote::Pane::Update; }
    bool usesLink() const override { return false; }
    // Ends the run at once; the file in progress is removed.
    void cancel() override;

    // Files of this run that arrived complete (log.txt not counted).
    int filesDownloaded() const { return downloaded; }

signals:
    // The run has brought new files: the firmware choice may read the Data folder anew.
    void lastFileArrived();

protected:
    void begin() override;
    void onFrame(const QByteArray&) override {}
    void onStop(const QString& reason) override;

private:
    QString currentName() const;
    void nextFile();
    void startAttempt();
    bool openPart();
    void onSizeAnnounced(qint64 bytes);
    void onData(const QByteArray& bytes);
    void onCompleted();
    void onFailed(QNetworkReply::NetworkError error);
    void onWatchdog();
    void retryOrEnd();
    void giveUp(const QString& reason);
    void writeFailed(const QString& reason);
    bool commitPart();
    void takeIndex();
    void selectMissingFiles(const QStringList& entries);
    void endOfFiles();
    void closeAttempt();
    void endRun(Outcome outcome, const QString& message = QString());
    void errorLine(const QString& text);
    void progressLine();

    UpdateServer server;
    QDir dataDir;
    QTimer* watchdog = nullptr;
    FtpClient* client = nullptr;
    QFile* part = nullptr;
    QString targetPath;
    int index = 0; // 0 log.txt, n the nth missing file
    QStringList files;
    int retries = 0;
    int downloaded = 0;
    qint64 announced = -1; // the size the server gave, -1 when it gave none
    qint64 written = 0;
    qint64 writtenAtLastCheck = 0;
    QByteArray indexContent; // log.txt as it arrives, checked before it replaces the old one
};
