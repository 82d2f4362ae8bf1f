#pragma once

#include "monitor/cellchartdata.h"

#include <QWidget>

// A bar chart of one series, painted directly: one bar per cell grouped by module, the
// maximum, minimum and mean as lines, the highest and lowest bars marked with their
// numbers and the spread as a figure in the title.
class BarChart : public QWidget {
    Q_OBJECT

public:
    explicit BarChart(QWidget* parent = nullptr);

    // `unit` follows every figure ("mV").
    void setSeries(const ChartSeries& series, const QString& title, const QString& unit);

    QSize sizeHint() const override { return {900, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF plotArea() const;
    QString figure(double value) const;

    ChartSeries shown;
    QString title;
    QString unit;
};
