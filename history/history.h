#pragma once

#include <QObject>

class Ui_MainWindow;
struct LinkBuffers;

// Companion of the main window for the history logs: collects pages, decodes records
// and fills the history, Events and translation tables.
class History : public QObject {
    Q_OBJECT

public:
    History(Ui_MainWindow* form, LinkBuffers* shared, QObject* parent);

private:
    Ui_MainWindow* form;
    LinkBuffers* shared;
};
