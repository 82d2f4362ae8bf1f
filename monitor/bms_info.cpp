#include "monitor/bms_info.h"

// The decoding of the BMS information block is added with the monitoring work.

BMS_Info::BMS_Info(Ui_MainWindow* form, LinkBuffers* shared, QWidget* parent)
    : QWidget(parent)
    , form(form)
    , shared(shared) {
    hide();
}

void BMS_Info::gatherPage() {}

void BMS_Info::showBmsInfo() {}
