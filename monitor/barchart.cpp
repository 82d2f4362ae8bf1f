#include "monitor/barchart.h"

#include <QPainter>

namespace {

const QColor moduleShades[2] = {QColor(70, 130, 180), QColor(100, 160, 215)};
const QColor highColour(200, 30, 30);
const QColor lowColour(230, 130, 0);
const QColor meanColour(0, 140, 60);

// Space around the plot for the title, the axis figures, the line names and module labels.
constexpr int LeftMargin = 84;
constexpr int RightMargin = 92;
constexpr int TopMargin = 50;
constexpr int BottomMargin = 22;

} // namespace

BarChart::BarChart(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(160);
}

void BarChart::setSeries(const ChartSeries& series, const QString& chartTitle,
                         const QString& chartUnit) {
    shown = series;
    title = chartTitle;
    unit = chartUnit;
    update();
}

QRectF BarChart::plotArea() const {
    return QRectF(rect()).adjusted(LeftMargin, TopMargin, -RightMargin, -BottomMargin);
}

QString BarChart::figure(double value) const {
    return QStringLiteral("%1 %2").arg(QString::number(value, 'f', value == int(value) ? 0 : 1),
                                       unit);
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::black);
    p.drawText(QRect(8, 4, width() - 16, 18), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(font());
    if (shown.isEmpty()) {
        p.drawText(rect(), Qt::AlignCenter, tr("No values read yet: press Read."));
        return;
    }
    p.drawText(QRect(8, 22, width() - 16, 18), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Spread %1 · highest %2 (No.%3) · lowest %4 (No.%5) · mean %6")
                   .arg(figure(shown.spread()), figure(shown.max))
                   .arg(shown.highestNumber)
                   .arg(figure(shown.min))
                   .arg(shown.lowestNumber)
                   .arg(figure(shown.mean)));

    const QRectF plot = plotArea();
    const ChartGeometry g = chartGeometry(shown, plot);
    p.setPen(QColor(200, 200, 200));
    p.drawRect(plot);
    p.setPen(Qt::darkGray);
    p.drawText(QRectF(0, plot.top() - 8, LeftMargin - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
               figure(g.axisHigh));
    p.drawText(QRectF(0, plot.bottom() - 8, LeftMargin - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
               figure(g.axisLow));

    // Bars, one shade per module; the extremes in the colours of their lines.
    int index = 0;
    for (int group = 0; group < shown.groups.size(); ++group) {
        const ChartGroup& values = shown.groups[group];
        for (int i = 0; i < values.values.size(); ++i, ++index) {
            const int number = values.firstNumber + i;
            const QColor colour = number == shown.highestNumber  ? highColour
                                  : number == shown.lowestNumber ? lowColour
                                                                 : moduleShades[group % 2];
            p.fillRect(g.bars[index], colour);
        }
    }
    p.setPen(QPen(Qt::lightGray, 1, Qt::DotLine));
    for (double x : g.groupEdges)
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    p.setPen(Qt::black);
    for (int group = 0; group < shown.groups.size(); ++group)
        p.drawText(QRectF(g.groupCentres[group] - 60, plot.bottom() + 2, 120, BottomMargin - 2),
                   Qt::AlignCenter, tr("Module %1").arg(shown.groups[group].module));

    // The three lines, named on the right.
    const struct {
        double y;
        QColor colour;
        Qt::PenStyle style;
        QString name;
    } lines[] = {{g.maxY, highColour, Qt::DashLine, tr("max")},
                 {g.meanY, meanColour, Qt::SolidLine, tr("mean")},
                 {g.minY, lowColour, Qt::DashLine, tr("min")}};
    for (const auto& line : lines) {
        p.setPen(QPen(line.colour, 1.5, line.style));
        p.drawLine(QPointF(plot.left(), line.y), QPointF(plot.right(), line.y));
        p.drawText(QRectF(plot.right() + 4, line.y - 8, RightMargin - 6, 16),
                   Qt::AlignLeft | Qt::AlignVCenter, line.name);
    }

    // The numbers of the highest and lowest cells above their bars.
    auto mark = [&](int number, const QColor& colour) {
        int at = 0;
        for (const ChartGroup& group : shown.groups) {
            if (number < group.firstNumber + group.values.size()) {
                at += number - group.firstNumber;
                break;
            }
            at += group.values.size();
        }
        const QRectF bar = g.bars.value(at);
        const QString text = tr("No.%1").arg(number);
        QRectF box(0, 0, p.fontMetrics().horizontalAdvance(text) + 6, p.fontMetrics().height());
        box.moveCenter(QPointF(bar.center().x(), bar.top() - box.height() / 2 - 2));
        p.fillRect(box, Qt::white);
        p.setPen(colour);
        p.drawRect(box);
        p.drawText(box, Qt::AlignCenter, text);
    };
    p.setFont(bold);
    mark(shown.highestNumber, highColour);
    mark(shown.lowestNumber, lowColour);
}
