#include "monitor/bmu_data.h"
#include "app/logcategories.h"

#include "app/mainwindow_form.h"
#include "link/bytes.h"
#include "monitor/bmuwarnings.h"
#include "monitor/valuetext.h"

#include <QDebug>
#include <QLabel>
#include <QTextEdit>

BMU_Data::BMU_Data(Ui_MainWindow* form, QWidget* parent)
    : QWidget(parent)
    , eventPane(form->textEdit_BMU_Event) {
    hide();
}

void BMU_Data::showWarnings(const QByteArray& block, BatteryFamily family) {
    const quint16 batteryWord = wordBE(block, 77); // register 0x050D
    const quint16 systemWord = wordBE(block, 41);  // register 0x0061
    qCDebug(lcMonitor) << "BMU warning words: battery" << binaryText(batteryWord, 16) << "system"
                       << binaryText(systemWord, 16);

    eventPane->clear();
    for (const WarningLine& line : bmuWarningLines(family, batteryWord, systemWord)) {
        eventPane->setTextColor(QColor(line.colour));
        eventPane->append(line.text);
    }
    qCDebug(lcMonitor) << "BMU system state" << binaryText(systemWord, 16)
                       << sliceAt(block, 41, 2).toHex();
}
