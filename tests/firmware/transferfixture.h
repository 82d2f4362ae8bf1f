#pragma once

// A main window linked to the in-process simulated BMU, in a working folder of its own,
// for the firmware and parameter-table transfer tests.

#include "app/login.h"
#include "app/mainwindow.h"
#include "firmware/tablefile.h"
#include "link/crc.h"
#include "sim/bmusimulator.h"
#include "sim/demodata.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <memory>

class TransferFixture {
public:
    ~TransferFixture() { stop(); }

    // Starts the simulator, opens the window linked to it and logs in with `role`
    // ("installer", "service_partner", "inverter_partner" or "admin").
    void start(SystemPreset preset, const QString& role) {
        previousFolder = QDir::currentPath();
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        QDir::setCurrent(folder->path());
        QVERIFY(QDir().mkpath(QStringLiteral("Data")));
        simulator = std::make_unique<BmuSimulator>(preset);
        simulator->setStatic(true);
        simulator->setReadinessDelay(20);
        QVERIFY(simulator->listen());
        window = std::make_unique<MainWindow>();
        window->setBmuEndpoint(QStringLiteral("127.0.0.1"), simulator->serverPort());
        login(role);
        auto* connectButton = child<QPushButton>("Btn_ConnectTCP");
        QTest::mouseClick(connectButton, Qt::LeftButton);
        QTRY_COMPARE(connectButton->text(), QStringLiteral("Disconnect"));
        for (QMessageBox* box : window->findChildren<QMessageBox*>())
            box->close();
    }

    void stop() {
        window.reset();
        simulator.reset();
        if (!previousFolder.isEmpty())
            QDir::setCurrent(previousFolder);
        previousFolder.clear();
        folder.reset();
    }

    template <class T> T* child(const char* name) {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    QString text(const char* label) { return child<QLabel>(label)->text(); }
    QTextEdit* pane() { return child<QTextEdit>("textEdit_FW_Update"); }
    QString lastLine() { return pane()->toPlainText().split('\n').last(); }
    const SystemProfile& profile() { return simulator->device().profile(); }

    // Reads the system as the Refresh button does and waits for the whole sequence:
    // status, setup and the information of the first BMS.
    void refresh() {
        const int pageReads = pageReadCount();
        QTest::mouseClick(child<QPushButton>("Btn_Refresh"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(pageReadCount() >= pageReads + 4, 10000);
        QTRY_VERIFY(child<QPushButton>("Btn_Refresh")->isEnabled());
        QVERIFY(!text("label_BMU").isEmpty());
    }

    // A firmware image file for the target as the update server names it, its version
    // (main, sub) and section given; section empty: the one the target is not running.
    QString writeImage(const QString& target, const QByteArray& image, int main, int sub,
                       QString section = {}) {
        const bool bmu = target == QLatin1String("BMU");
        if (section.isEmpty())
            section = (bmu ? profile().bmuRunning : profile().bmsRunning) == SectionA ? "B" : "A";
        const QString name = QStringLiteral("%1-%2-%3.%4-%5-%6.bin")
                                 .arg(target, profile().familyCode)
                                 .arg(main)
                                 .arg(sub)
                                 .arg(section, crcText(modbusCrc16(image)));
        writeData(name, image);
        return name;
    }

    void clearData(const QString& pattern = QStringLiteral("*")) {
        QDir data(QStringLiteral("Data"));
        for (const QString& name : data.entryList({pattern}, QDir::Files))
            QVERIFY(data.remove(name));
    }
    void clearFirmware() { clearData(QStringLiteral("BM?-*")); }

    void writeData(const QString& name, const QByteArray& content) {
        QFile file(QDir(QStringLiteral("Data")).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    // Chooses the firmware target as the user does; loading the image follows.
    void chooseTarget(const QString& target) {
        auto* combo = child<QComboBox>("comboBox");
        const int index = combo->findText(target);
        if (combo->currentIndex() == index)
            combo->setCurrentIndex(1 - index); // a change is what loads the image
        combo->setCurrentIndex(index);
    }

    // Offers a BMU image newer than the running one and presses the update button.
    void sendBmuImage(const QByteArray& image) {
        clearFirmware();
        writeImage(QStringLiteral("BMU"), image, profile().newBmu.main, profile().newBmu.sub);
        chooseTarget(QStringLiteral("BMU"));
        QTest::mouseClick(child<QPushButton>("BtnSendFW"), Qt::LeftButton);
    }

    // Writes a table file of the newer version; the next refresh loads it.
    void writeTable() {
        const SystemProfile& p = profile();
        writeData(QStringLiteral("%1-TAB-%2-%3.bin")
                      .arg(p.tableFilePrefix())
                      .arg(p.batteryTypeCode)
                      .arg(p.newTable.text()),
                  encodeTableFile(demoTableBytes(p)));
    }

    // Writes the simulator received to registers from `address`.
    int writesTo(quint16 address) {
        int count = 0;
        for (const QByteArray& frame : simulator->requestLog()) {
            if (frame.size() > 8 && quint8(frame[1]) == 0x10 &&
                (quint8(frame[2]) << 8 | quint8(frame[3])) == address)
                ++count;
        }
        return count;
    }

    static QByteArray imageOf(int size, int seed = 1) {
        QByteArray image(size, '\0');
        for (int i = 0; i < size; ++i)
            image[i] = char((i * 131 + seed * 17 + i / 251) & 0xFF);
        return image;
    }

    std::unique_ptr<BmuSimulator> simulator;
    std::unique_ptr<MainWindow> window;

private:
    void login(const QString& role) {
        Login* login = window->loginWindow();
        if (role == QLatin1String("installer"))
            emit login->installer();
        else if (role == QLatin1String("service_partner"))
            emit login->service_partner();
        else if (role == QLatin1String("inverter_partner"))
            emit login->inverter_partner();
        else
            emit login->admin();
        QCOMPARE(window->role(), role);
    }

    int pageReadCount() {
        int count = 0;
        for (const QByteArray& frame : simulator->requestLog())
            count += frame.startsWith(QByteArray::fromHex("0103055800")) ? 1 : 0;
        return count;
    }

    std::unique_ptr<QTemporaryDir> folder;
    QString previousFolder;
};
