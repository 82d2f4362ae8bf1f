#pragma once

#include <QMessageBox>
#include <QStringList>
#include <QWidget>

// The texts of the message boxes the window has open now; closes them.
inline QStringList takeBoxes(QWidget& window) {
    QStringList texts;
    for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
        if (box->isVisible()) {
            texts << box->text();
            box->close();
        }
    }
    return texts;
}
