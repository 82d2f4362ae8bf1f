#pragma once

#include "filefixture.h"

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

// Helpers of the tests that drive the real main window: widgets by object name, file
// dialogs answered by the test, the message boxes the window opened, table texts.
struct Dialog {
    QString caption;
    QString path;
    QString filter;
    int calls = 0;
};

template <class T> T* widget(MainWindow& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

inline void click(MainWindow& window, const char* button) {
    QTest::mouseClick(widget<QPushButton>(window, button), Qt::LeftButton);
}

// Clicks the button with every file dialog, now and later, answered by `answer`; returns
// the last question asked during the click (calls 0 when none was).
inline Dialog clickAnswering(MainWindow& window, const char* button, const QString& answer) {
    auto seen = std::make_shared<Dialog>();
    auto hook = [seen, answer](QWidget*, const QString& caption, const QString& path,
                               const QString& filter) {
        *seen = {caption, path, filter, seen->calls + 1};
        return answer;
    };
    window.askSaveFileName = hook;
    window.askOpenFileName = hook;
    click(window, button);
    return *seen;
}

// The message boxes the window shows now, oldest first.
inline QList<QMessageBox*> openBoxes(MainWindow& window) {
    QList<QMessageBox*> shown;
    for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
        if (box->isVisible())
            shown << box;
    }
    return shown;
}

// Closes every open box with the given button (or its first one).
inline void closeBoxes(MainWindow& window,
                       QMessageBox::StandardButton button = QMessageBox::NoButton) {
    for (QMessageBox* box : openBoxes(window)) {
        QAbstractButton* target = box->button(button);
        if (!target)
            target = box->buttons().value(0);
        target->click();
    }
}

// Picks the translation's unit (its radio button) and battery family, each when given.
inline void choose(MainWindow& window, const QString& unit, const QString& family = QString()) {
    if (!unit.isEmpty())
        widget<QRadioButton>(window, qPrintable(unit))->setChecked(true);
    if (!family.isEmpty())
        widget<QComboBox>(window, "comboBox_Trans")->setCurrentText(family);
}

inline QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

inline QStringList rowTexts(const QTableWidget* table, int row) {
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts << cellText(table, row, c);
    return texts;
}

// Runs a test in its own current folder (the tool writes Data/ and reads Config.ini there).
class InTemporaryFolder {
public:
    InTemporaryFolder()
        : previous(QDir::currentPath()) {
        QDir::setCurrent(folder.path());
    }
    ~InTemporaryFolder() { QDir::setCurrent(previous); }
    QString path(const QString& name) const { return folder.filePath(name); }

private:
    QTemporaryDir folder;
    QString previous;
};
