#include "monitor/bms_info.h"

#include "app/formbuilder.h"
#include "app/mainwindow_form.h"
#include "app/styles.h"
#include "monitor/bmsinfodecoder.h"
#include "monitor/bmstables.h"

#include <QHeaderView>
#include <QLabel>
#include <QSlider>
#include <QTableWidget>
#include <QTextEdit>

namespace {

const QColor headerBlue(135, 206, 250);
const QColor gridGreen(0, 170, 0);
const QColor gridRed(190, 0, 0);

QFont gridFont() {
    QFont font(QStringLiteral("Arial"), 14);
    font.setBold(true);
    return font;
}

// Looks the two tables share.
void applyTableLooks(QTableWidget* table, const QStringList& header) {
    table->setColumnCount(header.size());
    table->setHorizontalHeaderLabels(header);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setStyleSheet(QLatin1String(Style::SkyblueHeader));
    table->setStyleSheet(QLatin1String(Style::TableSelection));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setFrameShape(QFrame::NoFrame);
    table->verticalHeader()->setVisible(false);
    table->setShowGrid(true);
}

// Centred, in the grid font: the grid cells and the legend.
QTableWidgetItem* legendItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFont(gridFont());
    return item;
}

QTableWidgetItem* gridItem(const QString& text, const QColor& background) {
    QTableWidgetItem* item = legendItem(text);
    item->setForeground(Qt::white);
    item->setBackground(background);
    return item;
}

} // namespace

BMS_Info::BMS_Info(Ui_MainWindow* form, QWidget* parent)
    : QWidget(parent)
    , form(form) {
    hide();
    buildInfoTable();
    buildCellTable();
}

void BMS_Info::showBmsInfo(const QByteArray& block, bool secondPass, const QString& batteryType) {
    const BmsInfoTexts texts = decodeBmsInfo(block);
    showLabels(texts);
    showEvents(texts);
    fillTables(texts.values, secondPass, batteryType);
    colourWarningGrid();
}

void BMS_Info::clearShown(const QString& batteryType) {
    showLabels(BmsInfoTexts{});
    form->label_BMS_SOC->clear();
    form->textEdit_BMS_Event->clear();
    fillTables(QStringList(), false, batteryType);
    layoutCellTable(batteryType);
}

void BMS_Info::showLabels(const BmsInfoTexts& t) {
    FormBuilder::showValue(form->label_BMS_CellVoltage_Max, t.cellVoltageMax);
    FormBuilder::showValue(form->label_BMS_CellVoltage_Min, t.cellVoltageMin);
    FormBuilder::showValue(form->label_BMS_CellTemp_Max, t.cellTempMax);
    FormBuilder::showValue(form->label_BMS_CellTemp_Min, t.cellTempMin);
    form->label_BMS_Battery_voltage->setText(t.batteryVoltage);
    form->label_BMS_Park_voltage->setText(t.packVoltage);
    form->verticalSlider_BMS->setValue(t.socGauge);
    form->label_BMS_SOC->setText(QStringLiteral("SOC:") + t.soc);
    form->label_BMS_Current->setText(t.current);
    form->label_BMS_FW->setText(t.firmware);
    form->label_BMS_SN->setText(t.serial);
    form->label_BMS_ParameterTable_A->setText(t.tableA);
    form->label_BMS_ParameterTable_B->setText(t.tableB);
}

void BMS_Info::showEvents(const BmsInfoTexts& t) {
    QTextEdit* pane = form->textEdit_BMS_Event;
    pane->clear();
    const QStringList lines = bmsWarningTexts(t.warningLevel3);
    if (lines.isEmpty()) {
        pane->append(tr("Normal"));
        pane->setStyleSheet(QLatin1String(Style::TextGreen));
        return;
    }
    for (const QString& line : lines)
        pane->append(line);
    pane->setStyleSheet(QLatin1String(Style::TextRed));
}

void BMS_Info::fillTables(const QStringList& values, bool secondPass, const QString& batteryType) {
    QTableWidget* info = form->tableWidget_BMSInfo;
    for (const ValuePlacement& p : infoTableValuePlacements())
        info->setItem(p.row, p.column, new QTableWidgetItem(values.value(p.valueIndex)));

    // A five-module "QPA" tower is read twice; the second read brings the fifth module.
    const CellTableShape shape = cellTableShapeFor(batteryType);
    QTableWidget* cells = form->tableWidget_BMS_Cells;
    for (const ValuePlacement& p : cellValuePlacements(shape, secondPass))
        cells->setItem(p.row, p.column, new QTableWidgetItem(values.value(p.valueIndex)));
}

void BMS_Info::buildInfoTable() {
    QTableWidget* table = form->tableWidget_BMSInfo;
    applyTableLooks(table, infoTableHeader());
    table->setRowCount(InfoTable::Rows);
    table->setSpan(10, 0, 2, InfoTable::Columns);
    table->setSpan(16, 0, 1, InfoTable::Columns);
    for (const TableCell& cell : infoTableNames())
        table->setItem(cell.row, cell.column, new QTableWidgetItem(cell.text));

    const QStringList names = warningGridNames();
    for (int bit = 0; bit < names.size(); ++bit) {
        const GridPosition at = warningGridCell(bit);
        table->setItem(at.row, at.column, gridItem(names[bit], gridGreen));
    }

    const int legend = InfoTable::LegendRow;
    table->setItem(legend, 0, legendItem(tr("Normal")));
    table->setItem(legend, 1, gridItem(QString(), gridGreen));
    table->setItem(legend, 2, legendItem(tr("Warning")));
    table->setItem(legend, 3, gridItem(QString(), gridRed));
}

void BMS_Info::buildCellTable(const QString& batteryType) {
    QTableWidget* table = form->tableWidget_BMS_Cells;
    applyTableLooks(table, cellTableHeader());
    table->setRowCount(CellTable::Rows);
    layoutCellTable(batteryType);
}

void BMS_Info::layoutCellTable(const QString& batteryType) {
    QTableWidget* table = form->tableWidget_BMS_Cells;
    table->clearSpans();
    table->clearContents();
    const CellTableShape shape = cellTableShapeFor(batteryType);
    for (const TableCell& cell : cellTableLayout(shape)) {
        auto* item = new QTableWidgetItem(cell.text);
        if (cell.header)
            item->setBackground(headerBlue);
        table->setItem(cell.row, cell.column, item);
        if (cell.rowSpan > 1)
            table->setSpan(cell.row, cell.column, cell.rowSpan, 1);
    }
}

void BMS_Info::colourWarningGrid() {
    QTableWidget* table = form->tableWidget_BMSInfo;
    const QTableWidgetItem* level3 = table->item(InfoTable::Level3Row, InfoTable::Level3Column);
    for (int bit : setWarningBits(level3 ? level3->text() : QString())) {
        const GridPosition at = warningGridCell(bit);
        if (QTableWidgetItem* cell = table->item(at.row, at.column))
            cell->setBackground(gridRed);
    }
}
