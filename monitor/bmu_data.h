#pragma once

#include "monitor/batterysystem.h"

#include <QWidget>

class QLabel;
class QTextEdit;
class Ui_MainWindow;

// Companion of the main window that turns the BMU's warning words into the lines of
// the system status pane.
class BMU_Data : public QWidget {
    Q_OBJECT

public:
    BMU_Data(Ui_MainWindow* form, QWidget* parent);

    // Lists the warnings of the status block in the system status pane, each in its
    // colour, or a green "Normal".
    void showWarnings(const QByteArray& block, BatteryFamily family);

private:
    QTextEdit* eventPane;
};
