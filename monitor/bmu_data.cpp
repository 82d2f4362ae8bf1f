#include "monitor/bmu_data.h"

BMU_Data::BMU_Data(Ui_MainWindow* form, LinkBuffers* shared, QWidget* parent)
    : QWidget(parent)
    , form(form)
    , shared(shared) {
    hide();
}
