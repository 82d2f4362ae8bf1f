#include "history/history.h"

History::History(Ui_MainWindow* form, LinkBuffers* shared, QObject* parent)
    : QObject(parent)
    , form(form)
    , shared(shared) {}
