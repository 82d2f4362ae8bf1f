#pragma once

#include <QWidget>

class QLabel;
class QTextEdit;
class Ui_MainWindow;
struct LinkBuffers;

// Companion of the main window that turns the BMU's warning words into the lines of
// the system status pane.
class BMU_Data : public QWidget {
    Q_OBJECT

public:
    BMU_Data(Ui_MainWindow* form, LinkBuffers* shared, QWidget* parent);

    // Lists the warnings of the status block (in the page buffer while a refresh is
    // shown) in the system status pane, each in its colour, or a green "Normal".
    void showWarnings();

private:
    QTextEdit* eventPane;
    QLabel* serialLabel;
    LinkBuffers* shared;
};
