#include "app/mainwindow.h"
#include "link/hexcommand.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

class TestConnection : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void connectSucceeds();
    void connectFailsWithoutFreezing();
    void userDisconnectStaysDisconnected();
    void droppedLinkIsReestablished();
    void exceptionReplyIsReported();

private:
    QPushButton* connectButton(MainWindow& window) {
        return window.findChild<QPushButton*>(QStringLiteral("Btn_ConnectTCP"));
    }
    QMessageBox* openBox(MainWindow& window) {
        const auto boxes = window.findChildren<QMessageBox*>();
        return boxes.isEmpty() ? nullptr : boxes.last();
    }
    void connectWindow(MainWindow& window, QTcpServer& server);

    QTemporaryDir folder;
    QString previousFolder;
};

void TestConnection::initTestCase() {
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
}

void TestConnection::cleanupTestCase() {
    QDir::setCurrent(previousFolder);
}

void TestConnection::connectWindow(MainWindow& window, QTcpServer& server) {
    QVERIFY(server.listen(QHostAddress::LocalHost));
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), server.serverPort());
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QTRY_COMPARE(connectButton(window)->text(), QStringLiteral("Disconnect"));
    QTRY_VERIFY(server.hasPendingConnections());
}

void TestConnection::connectSucceeds() {
    MainWindow window;
    QTcpServer server;
    connectWindow(window, server);
    QMessageBox* box = openBox(window);
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QStringLiteral("information"));
    QCOMPARE(box->text(), QStringLiteral("Connection successfully!"));
    QCOMPARE(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box->defaultButton(), box->button(QMessageBox::Cancel));
}

void TestConnection::connectFailsWithoutFreezing() {
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();

    MainWindow window;
    window.setBmuEndpoint(QStringLiteral("127.0.0.1"), port);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QVERIFY2(clock.elapsed() < 1000, "the click must not wait for the connection");
    QTRY_VERIFY(openBox(window));
    QCOMPARE(openBox(window)->text(), QStringLiteral("Connection failed!"));
    QCOMPARE(connectButton(window)->text(), QStringLiteral("Connect"));
}

void TestConnection::userDisconnectStaysDisconnected() {
    MainWindow window;
    QTcpServer server;
    connectWindow(window, server);
    QTcpSocket* peer = server.nextPendingConnection();
    QSignalSpy peerClosed(peer, &QTcpSocket::disconnected);
    QSignalSpy newConnections(&server, &QTcpServer::newConnection);

    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QCOMPARE(connectButton(window)->text(), QStringLiteral("Connect"));
    QVERIFY(peerClosed.count() > 0 || peerClosed.wait(3000));
    // No attempt to reconnect follows a user's Disconnect.
    QVERIFY(!newConnections.wait(1500));
    QCOMPARE(connectButton(window)->text(), QStringLiteral("Connect"));
}

void TestConnection::droppedLinkIsReestablished() {
    MainWindow window;
    QTcpServer server;
    connectWindow(window, server);
    QTcpSocket* peer = server.nextPendingConnection();
    QSignalSpy newConnections(&server, &QTcpServer::newConnection);

    peer->close(); // the BMU drops the link
    QVERIFY(newConnections.wait(5000));
    QTRY_COMPARE(connectButton(window)->text(), QStringLiteral("Disconnect"));
}

void TestConnection::exceptionReplyIsReported() {
    MainWindow window;
    QTcpServer server;
    connectWindow(window, server);
    QTcpSocket* peer = server.nextPendingConnection();
    const QByteArray exception = hexToBytes(appendCrcHex(QStringLiteral("01 83 02")));
    peer->write(exception.left(2));
    peer->flush();
    QTest::qWait(50);
    peer->write(exception.mid(2));
    auto* pane = window.findChild<QTextEdit*>(QStringLiteral("textEdit_BMU_Event"));
    QTRY_VERIFY(
        pane->toPlainText().contains(QStringLiteral("exception 02 (illegal data address)")));
    QCOMPARE(pane->toPlainText().count(QStringLiteral("exception")), 1);
}

QTEST_MAIN(TestConnection)
#include "tst_connection.moc"
