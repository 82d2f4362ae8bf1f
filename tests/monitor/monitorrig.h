#pragma once

#include "app/mainwindow.h"
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

// The real main window linked to the in-process simulated BMU, for the tests of the
// monitoring and setup sequences. The simulator holds its values still.
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

    template <class T> T* widget(const char* name) {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    QLabel* label(const char* name) { return widget<QLabel>(name); }
    QPushButton* button(const char* name) { return widget<QPushButton>(name); }
    QComboBox* combo(const char* name) { return widget<QComboBox>(name); }
    QTableWidget* table(const char* name) { return widget<QTableWidget>(name); }
    QString text(const char* name) { return label(name)->text(); }

    QString cell(const char* tableName, int row, int column) {
        const QTableWidgetItem* item = table(tableName)->item(row, column);
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
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (block.text().isEmpty())
                continue;
            lines.append(
                {block.text(), block.begin().fragment().charFormat().foreground().color()});
        }
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

    // Whether the simulator received this request (hex command string).
    int received(const QByteArray& frame) const { return sim.requestLog().count(frame); }

    BmuSimulator sim;
    MainWindow window;
};

// Runs a test case in a fresh folder, where the window finds no Config.ini of the user.
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
