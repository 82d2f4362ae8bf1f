#pragma once

#include "app/mainwindow.h"
#include "link/crc.h"
#include "monitor/batterysystem.h"
#include "sim/bmusimulator.h"
#include "sim/registermodel.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

Q_DECLARE_METATYPE(BatteryFamily)

// Reply frame of a 0x03 read carrying these register bytes, with its CRC (low byte first).
inline QByteArray readReply(const QByteArray& registerBytes) {
    QByteArray frame = QByteArray::fromHex("0103");
    frame.append(char(registerBytes.size()));
    frame.append(registerBytes);
    const quint16 crc = modbusCrc16(frame);
    return frame + char(crc & 0xFF) + char(crc >> 8);
}

// A block of zeros with these bytes written at this offset.
inline QByteArray zerosWith(int size, int offset, const QByteArray& value) {
    QByteArray bytes(size, '\0');
    bytes.replace(offset, value.size(), value);
    return bytes;
}

class ScratchFolder {
public:
    ScratchFolder()
        : previous(QDir::currentPath()) {
        QDir::setCurrent(folder.path());
    }
    ~ScratchFolder() { QDir::setCurrent(previous); }

private:
    QTemporaryDir folder;
    QString previous;
};

// The real main window linked to the in-process simulated BMU, which holds its values still.
// The window starts in a fresh folder, where it finds no Config.ini of the user.
class MonitorRig {
public:
    explicit MonitorRig(SystemPreset preset)
        : sim(preset) {
        sim.setStatic(true);
    }

    // Starts the simulator on a free loopback port and connects the window to it.
    bool connectWindow() {
        if (!sim.listen())
            return false;
        window.setBmuEndpoint(QStringLiteral("127.0.0.1"), sim.serverPort());
        button("Btn_ConnectTCP")->click();
        const bool linked = QTest::qWaitFor(
            [this] { return button("Btn_ConnectTCP")->text() == QLatin1String("Disconnect"); },
            5000);
        closeMessageBoxes();
        return linked;
    }

    // Clicks Refresh and waits until the BMU saw this many more requests and Refresh is free.
    bool refreshAndSettle(int newRequests) {
        const int requests = sim.requestCount() + newRequests;
        button("Btn_Refresh")->click();
        return QTest::qWaitFor(
            [&] { return sim.requestCount() >= requests && button("Btn_Refresh")->isEnabled(); },
            8000);
    }

    template <class T> T* widget(const char* name) {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    QPushButton* button(const char* name) { return widget<QPushButton>(name); }
    QComboBox* combo(const char* name) { return widget<QComboBox>(name); }
    QString text(const char* name) { return widget<QLabel>(name)->text(); }
    QString field(const char* name) { return widget<QLineEdit>(name)->text(); }

    QString cell(const char* tableName, int row, int column) {
        const QTableWidgetItem* item = widget<QTableWidget>(tableName)->item(row, column);
        return item ? item->text() : QString();
    }

    QStringList items(const char* comboName) {
        QStringList texts;
        for (int i = 0; i < combo(comboName)->count(); ++i)
            texts << combo(comboName)->itemText(i);
        return texts;
    }

    // The lines of a text pane with the colour each was written in.
    QList<QPair<QString, QColor>> paneLines(const char* paneName) {
        QList<QPair<QString, QColor>> lines;
        const QTextDocument* document = widget<QTextEdit>(paneName)->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            if (!block.text().isEmpty())
                lines.append(
                    {block.text(), block.begin().fragment().charFormat().foreground().color()});
        return lines;
    }

    // Closes every message box the window opened and returns their texts.
    QStringList closeMessageBoxes() {
        QStringList texts;
        for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
            texts << box->text();
            box->close();
            box->deleteLater();
        }
        return texts;
    }

    quint16 reg(quint16 address) const { return sim.device().peekRegister(address); }
    const SystemProfile& profile() const { return sim.device().profile(); }
    // How often the simulator received this request frame.
    int received(const QByteArray& frame) const { return sim.requestLog().count(frame); }

    ScratchFolder folder; // first: made before the window and removed after it
    BmuSimulator sim;
    MainWindow window;
};
