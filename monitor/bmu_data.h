#pragma once

#include <QWidget>

class Ui_MainWindow;
struct LinkBuffers;

// Companion of the main window that turns the BMU's warning words into the lines of
// the system status pane.
class BMU_Data : public QWidget {
    Q_OBJECT

public:
    BMU_Data(Ui_MainWindow* form, LinkBuffers* shared, QWidget* parent);

private:
    Ui_MainWindow* form;
    LinkBuffers* shared;
};
