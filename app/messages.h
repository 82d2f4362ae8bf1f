#pragma once

#include <QMessageBox>

#include <functional>

// Message boxes that never block the event loop: they are opened window-modal and
// delete themselves when closed, so replies and timers go on while one is shown.
namespace Messages {

QMessageBox* open(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                  const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

inline QMessageBox* warning(QWidget* parent, const QString& title, const QString& text) {
    return open(parent, QMessageBox::Warning, title, text);
}

// Asks a question; `onAnswer` runs with the button the user chose.
QMessageBox* ask(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::StandardButtons buttons,
                 std::function<void(QMessageBox::StandardButton)> onAnswer);

} // namespace Messages
