// Benchmark: connection attempts per minute against a BMU that accepts and closes every
// connection at once, with the link's own back-off.
//
//   bench_reconnect [seconds]   (default 60)

#include "link/bmulink.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 60;
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return 1;
    int accepted = 0;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* peer = server.nextPendingConnection()) {
            accepted += 1;
            peer->close();
            peer->deleteLater();
        }
    });
    BmuLink link;
    link.setEndpoint(QStringLiteral("127.0.0.1"), server.serverPort());
    link.connectToBmu();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    std::printf("accept-and-close BMU: %d connection attempts in %d s (%.1f per minute)\n",
                accepted, seconds, accepted * 60.0 / seconds);
    return 0;
}
