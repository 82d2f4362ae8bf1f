#pragma once

#include "app/settings.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QString>

class QTcpSocket;

// Fetches one file from an FTP server: log in, binary type, ask the file's size, open a
// passive data connection, retrieve, QUIT. Driven by socket signals only, without a
// timer: the caller decides when a transfer has stalled and aborts it. Either completed()
// or failed() ends a retrieval, once; abort() ends it without a signal and closes both
// connections, so no session is left open on the server.
class FtpClient : public QObject {
    Q_OBJECT

public:
    explicit FtpClient(QObject* parent = nullptr);

    // `path` is the file's path on the server ("/Data/log.txt").
    void retrieve(const UpdateServer& server, const QString& path);
    void abort();

signals:
    // The server's answer to SIZE, before any data; not sent when it gave none.
    void sizeAnnounced(qint64 bytes);
    void dataReceived(const QByteArray& bytes);
    // The data connection closed and the server confirmed the transfer. Whether every
    // byte arrived is for the caller to judge against the announced size.
    void completed();
    // ContentNotFoundError: the server does not have the file (550);
    // AuthenticationRequiredError: it refused the account (530); otherwise the socket's
    // error, or ProtocolFailure for a reply out of turn.
    void failed(QNetworkReply::NetworkError error);

private:
    enum class Step {
        Idle,
        Greeting,
        User,
        Password,
        Type,
        Size,
        Passive,
        DataConnecting,
        Retrieve
    };

    void command(const QByteArray& line, Step next);
    void readControl();
    void takeReplyLine(const QByteArray& line);
    void onReply(int code, const QByteArray& text);
    bool openDataConnection(const QByteArray& passiveReply);
    void readData();
    void onDataClosed();
    void finishIfComplete();
    void fail(QNetworkReply::NetworkError error);
    void closeConnections();

    QTcpSocket* control;
    QTcpSocket* data = nullptr;
    Step step = Step::Idle;
    QByteArray user;
    QByteArray password;
    QByteArray path;
    QByteArray multiLineCode; // "220" while inside a multi-line reply "220-..."
    bool transferConfirmed = false;
    bool dataClosed = false;
};
