#include "firmware/update.h"

Update::Update(Ui_MainWindow* form, QWidget* parent)
    : QWidget(parent)
    , form(form) {
    hide();
}
