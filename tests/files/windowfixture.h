#pragma once

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

// Helpers of the tests that drive the real main window: widgets by object name, the
// message boxes it opened, and file dialogs answered by the test.
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

// Every dialog question is answered with `answer` and remembered in `seen`.
inline void answerDialogs(MainWindow& window, Dialog* seen, const QString& answer) {
    auto hook = [seen, answer](QWidget*, const QString& caption, const QString& path,
                               const QString& filter) {
        *seen = {caption, path, filter, seen->calls + 1};
        return answer;
    };
    window.askSaveFileName = hook;
    window.askOpenFileName = hook;
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
