#pragma once

#include "app/settings.h"
#include "link/operation.h"

#include <QDir>
#include <QNetworkReply>
#include <QStringList>
#include <QUrl>

class QFile;
class QNetworkAccessManager;
class QTimer;

// The download from the update server: log.txt, the list of files it offers, then each
// listed file the Data folder does not hold yet, one after another. A file is written
// under its own name only once complete. An attempt that fails, or receives nothing for
// the watchdog interval, is tried again, three attempts in all per file.
class Download : public Operation {
    Q_OBJECT

public:
    Download(const UpdateServer& server, const QString& dataFolder);
    ~Download() override;
    QString name() const override { return QStringLiteral("download"); }
    PaneNote::Pane pane() const override { return PaneNote::Pane::Update; }
    bool usesLink() const override { return false; }

    // Files of this run that arrived complete (log.txt not counted).
    int filesDownloaded() const { return downloaded; }

signals:
    // The last missing file has arrived: the firmware choice may read the Data folder anew.
    void lastFileArrived();

protected:
    void begin() override;
    void onFrame(const QByteArray&) override {}
    void onStop(const QString& reason) override;

private:
    bool buildUrl();
    bool openFile();
    void startAttempt();
    void takeBytes();
    void onWatchdog();
    void onError(QNetworkReply::NetworkError code);
    void onReplyFinished(QNetworkReply* reply);
    void selectMissingFiles();
    void releaseReply();
    void releaseFile(bool keep);
    void endRun(Outcome outcome, const QString& message = QString());
    void progressLine();

    UpdateServer server;
    QDir dataDir;
    QNetworkAccessManager* network;
    QTimer* watchdog = nullptr;
    QUrl url;
    int index = 0; // 0 log.txt, n the nth missing file
    QStringList files;
    int retries = 0;
    int downloaded = 0;
    qint64 bytesReceived = 0;
    qint64 bytesAtLastCheck = 0;
    QFile* file = nullptr;
    QNetworkReply* reply = nullptr;
    QString targetPath;
};
