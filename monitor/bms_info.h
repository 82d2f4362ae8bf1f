#pragma once

#include <QWidget>

class Ui_MainWindow;
struct LinkBuffers;

// Companion of the main window for the BMS information read: gathers its pages and
// fills the Diagnosis tab.
class BMS_Info : public QWidget {
    Q_OBJECT

public:
    BMS_Info(Ui_MainWindow* form, LinkBuffers* shared, QWidget* parent);

    void gatherPage();
    void showBmsInfo();

private:
    Ui_MainWindow* form;
    LinkBuffers* shared;
};
