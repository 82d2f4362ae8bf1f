#pragma once

#include <QWidget>

class Ui_MainWindow;

// Companion of the main window for firmware images and parameter tables: loads and
// checks the files and holds the packets of the next transfer.
class Update : public QWidget {
    Q_OBJECT

public:
    Update(Ui_MainWindow* form, QWidget* parent);

private:
    Ui_MainWindow* form;
};
