#include "firmware/ftpclient.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

namespace {

// A server's reply lines are short; a longer run of bytes without a line break is not a
// reply, and is not buffered any further.
constexpr qint64 maxReplyLineBytes = 8192;

QNetworkReply::NetworkError networkError(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QNetworkReply::ConnectionRefusedError;
    case QAbstractSocket::RemoteHostClosedError:
        return QNetworkReply::RemoteHostClosedError;
    case QAbstractSocket::HostNotFoundError:
        return QNetworkReply::HostNotFoundError;
    case QAbstractSocket::SocketTimeoutError:
        return QNetworkReply::TimeoutError;
    default:
        return QNetworkReply::UnknownNetworkError;
    }
}

bool holdsLineBreakOrNul(const QByteArray& text) {
    return text.contains('\r') || text.contains('\n') || text.contains('\0');
}

} // namespace

FtpClient::FtpClient(QObject* parent)
    : QObject(parent)
    , control(new QTcpSocket(this)) {
    control->setReadBufferSize(maxReplyLineBytes);
    connect(control, &QTcpSocket::connected, this, [this] { step = Step::Greeting; });
    connect(control, &QTcpSocket::readyRead, this, &FtpClient::readControl);
    connect(control, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (step != Step::Idle)
            fail(networkError(error));
    });
}

void FtpClient::retrieve(const UpdateServer& server, const QString& filePath) {
    user = server.user.toUtf8();
    password = server.password.toUtf8();
    path = filePath.toUtf8();
    transferConfirmed = false;
    dataClosed = false;
    multiLineCode.clear();
    // A line break would end the command early and smuggle in another; such a text
    // cannot be sent. Refused after the call returns, as any other failure is.
    if (holdsLineBreakOrNul(user) || holdsLineBreakOrNul(password) || holdsLineBreakOrNul(path)) {
        step = Step::Greeting;
        QTimer::singleShot(0, this, [this] {
            if (step != Step::Idle)
                fail(QNetworkReply::ProtocolInvalidOperationError);
        });
        return;
    }
    step = Step::Greeting;
    control->connectToHost(server.host, server.port);
}

void FtpClient::abort() {
    step = Step::Idle;
    closeConnections();
}

void FtpClient::command(const QByteArray& line, Step next) {
    step = next;
    control->write(line + "\r\n");
}

void FtpClient::readControl() {
    while (step != Step::Idle && control->canReadLine())
        takeReplyLine(control->readLine());
    // The read buffer is full and holds no line break.
    if (step != Step::Idle && control->bytesAvailable() >= maxReplyLineBytes)
        fail(QNetworkReply::ProtocolFailure);
}

void FtpClient::takeReplyLine(const QByteArray& rawLine) {
    const QByteArray line = rawLine.trimmed();
    // Inside a multi-line reply only the line "<same code> <text>" ends it.
    if (!multiLineCode.isEmpty()) {
        if (line.startsWith(multiLineCode) && (line.size() == 3 || line.at(3) == ' ')) {
            multiLineCode.clear();
            onReply(line.left(3).toInt(), line.mid(4));
        }
        return;
    }
    bool number = false;
    const int code = line.left(3).toInt(&number);
    if (line.size() < 3 || !number || code < 100 || code > 599) {
        fail(QNetworkReply::ProtocolFailure);
        return;
    }
    if (line.size() > 3 && line.at(3) == '-')
        multiLineCode = line.left(3);
    else
        onReply(code, line.mid(4));
}

void FtpClient::onReply(int code, const QByteArray& text) {
    // A preliminary reply (1xx) announces the final one.
    if (code < 200)
        return;
    switch (step) {
    case Step::Greeting:
        if (code == 220)
            return command("USER " + user, Step::User);
        break;
    case Step::User:
        if (code == 331)
            return command("PASS " + password, Step::Password);
        if (code == 230)
            return command("TYPE I", Step::Type);
        break;
    case Step::Password:
        if (code == 230 || code == 202)
            return command("TYPE I", Step::Type);
        break;
    case Step::Type:
        if (code == 200)
            return command("SIZE " + path, Step::Size);
        break;
    case Step::Size:
        // A server without SIZE, or one that keeps it to itself, still serves the file.
        if (code == 213) {
            bool number = false;
            const qint64 bytes = text.trimmed().toLongLong(&number);
            if (number && bytes >= 0) {
                emit sizeAnnounced(bytes);
                if (step == Step::Idle)
                    return;
            }
        }
        return command("PASV", Step::Passive);
    case Step::Passive:
        if (code == 227 && openDataConnection(text))
            return;
        break;
    case Step::DataConnecting: // no reply is due before RETR
        break;
    case Step::Retrieve:
        if (code == 226 || code == 250) {
            transferConfirmed = true;
            return finishIfComplete();
        }
        break;
    case Step::Idle:
        return;
    }
    if (code == 530 || code == 332)
        fail(QNetworkReply::AuthenticationRequiredError);
    else if (code == 550 && step == Step::Retrieve)
        fail(QNetworkReply::ContentNotFoundError);
    else
        fail(QNetworkReply::ProtocolFailure);
}

bool FtpClient::openDataConnection(const QByteArray& passiveReply) {
    static const QRegularExpression fields(
        QStringLiteral("(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3})"));
    const QRegularExpressionMatch match = fields.match(QString::fromLatin1(passiveReply));
    if (!match.hasMatch())
        return false;
    const int high = match.captured(5).toInt();
    const int low = match.captured(6).toInt();
    if (high > 255 || low > 255 || high * 256 + low == 0)
        return false;
    // The data connection goes where the control connection went: the address in the
    // reply is often a private one behind the server's router, and naming another host
    // there is no reason to connect to it.
    step = Step::DataConnecting;
    data = new QTcpSocket(this);
    connect(data, &QTcpSocket::connected, this,
            [this] { command("RETR " + path, Step::Retrieve); });
    connect(data, &QTcpSocket::readyRead, this, &FtpClient::readData);
    connect(data, &QTcpSocket::disconnected, this, &FtpClient::onDataClosed);
    connect(data, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        // The server closing the data connection is how a transfer ends.
        if (error != QAbstractSocket::RemoteHostClosedError && step != Step::Idle)
            fail(networkError(error));
    });
    data->connectToHost(control->peerAddress(), quint16(high * 256 + low));
    return true;
}

void FtpClient::readData() {
    if (step == Step::Idle)
        return;
    const QByteArray bytes = data->readAll();
    if (!bytes.isEmpty())
        emit dataReceived(bytes);
}

void FtpClient::onDataClosed() {
    readData();
    if (step == Step::Idle)
        return;
    dataClosed = true;
    finishIfComplete();
}

void FtpClient::finishIfComplete() {
    if (!transferConfirmed || !dataClosed)
        return;
    step = Step::Idle;
    control->write("QUIT\r\n");
    control->flush();
    control->disconnectFromHost();
    emit completed();
}

void FtpClient::fail(QNetworkReply::NetworkError error) {
    step = Step::Idle;
    closeConnections();
    emit failed(error);
}

void FtpClient::closeConnections() {
    if (data)
        data->abort();
    control->abort();
}
