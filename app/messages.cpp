#include "app/messages.h"

namespace Messages {

QMessageBox* open(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                  const QString& text, QMessageBox::StandardButtons buttons,
                  QMessageBox::StandardButton defaultButton) {
    auto* box = new QMessageBox(icon, title, text, buttons, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(defaultButton);
    box->open();
    return box;
}

QMessageBox* ask(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::StandardButtons buttons,
                 std::function<void(QMessageBox::StandardButton)> onAnswer) {
    QMessageBox* box = open(parent, QMessageBox::Question, title, text, buttons);
    QObject::connect(box, &QMessageBox::finished, box,
                     [box, onAnswer](int) { onAnswer(box->standardButton(box->clickedButton())); });
    return box;
}

} // namespace Messages
