#include "app/demomode.h"
#include "app/mainwindow.h"
#include "sim/bmusimulator.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestDemoMode : public QObject {
    Q_OBJECT

private slots:
    void connectReachesSimulator();
    void unknownSystemIsRefused();
};

void TestDemoMode::connectReachesSimulator() {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    {
        MainWindow window;
        QString error;
        std::unique_ptr<BmuSimulator> simulator = startDemo(window, QStringLiteral("qpa5"), &error);
        QVERIFY2(simulator, qPrintable(error));
        QCOMPARE(window.settings().bmuHost, QStringLiteral("127.0.0.1"));
        QCOMPARE(window.settings().bmuPort, simulator->serverPort());
        QSignalSpy connected(simulator.get(), &BmuSimulator::clientConnected);
        auto* button = window.findChild<QPushButton*>(QStringLiteral("Btn_ConnectTCP"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(connected.count() > 0 || connected.wait(5000));
        QTRY_COMPARE(button->text(), QStringLiteral("Disconnect"));
    }
    QDir::setCurrent(previous);
}

void TestDemoMode::unknownSystemIsRefused() {
    MainWindow window;
    QString error;
    QVERIFY(!startDemo(window, QStringLiteral("mv"), &error));
    QVERIFY(error.contains(QStringLiteral("mv")));
}

QTEST_MAIN(TestDemoMode)
#include "tst_demomode.moc"
