#include "monitor/battery.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

#include <algorithm>

Battery::Battery(QWidget* parent)
    : QWidget(parent)
    , timer(new QTimer(this)) {
    timer->setInterval(10);
    connect(timer, &QTimer::timeout, this, &Battery::updateValue);
}

Battery::~Battery() {
    if (timer->isActive())
        timer->stop();
}

bool Battery::isAnimating() const {
    return timer->isActive();
}

QSize Battery::sizeHint() const {
    return {150, 80};
}

QSize Battery::minimumSizeHint() const {
    return {30, 10};
}

void Battery::setRange(double minValue, double maxValue) {
    if (minValue >= maxValue)
        return;
    m_minValue = minValue;
    m_maxValue = maxValue;
    if (m_value < minValue)
        setValue(minValue);
    else if (m_value > maxValue)
        setValue(maxValue);
    update();
}

void Battery::setRange(int minValue, int maxValue) {
    setRange(double(minValue), double(maxValue));
}

void Battery::setMinValue(double minValue) {
    setRange(minValue, m_maxValue);
}

void Battery::setMaxValue(double maxValue) {
    setRange(m_minValue, maxValue);
}

void Battery::setValue(double value) {
    // Clamped first: a value out of range that was already shown is no change either.
    value = std::clamp(value, m_minValue, m_maxValue);
    if (value == m_value)
        return;
    if (value > m_currentValue)
        m_decreasing = false;
    else if (value < m_currentValue)
        m_decreasing = true;
    else
        return;
    m_value = value;
    update();
    emit valueChanged(value);
    timer->start();
}

void Battery::setValue(int value) {
    setValue(double(value));
}

template <class T> void Battery::setAndRepaint(T& member, const T& value) {
    if (member == value)
        return;
    member = value;
    update();
}

void Battery::setAlarmValue(double alarmValue) {
    setAndRepaint(m_alarmValue, alarmValue);
}
void Battery::setAlarmValue(int alarmValue) {
    setAlarmValue(double(alarmValue));
}
void Battery::setStep(double step) {
    setAndRepaint(m_step, step);
}
void Battery::setStep(int step) {
    setStep(double(step));
}
void Battery::setBorderRadius(int borderRadius) {
    setAndRepaint(m_borderRadius, borderRadius);
}
void Battery::setBgRadius(int bgRadius) {
    setAndRepaint(m_bgRadius, bgRadius);
}
void Battery::setHeadRadius(int headRadius) {
    setAndRepaint(m_headRadius, headRadius);
}
void Battery::setBorderColorStart(const QColor& color) {
    setAndRepaint(m_borderColorStart, color);
}
void Battery::setBorderColorEnd(const QColor& color) {
    setAndRepaint(m_borderColorEnd, color);
}
void Battery::setAlarmColorStart(const QColor& color) {
    setAndRepaint(m_alarmColorStart, color);
}
void Battery::setAlarmColorEnd(const QColor& color) {
    setAndRepaint(m_alarmColorEnd, color);
}
void Battery::setNormalColorStart(const QColor& color) {
    setAndRepaint(m_normalColorStart, color);
}
void Battery::setNormalColorEnd(const QColor& color) {
    setAndRepaint(m_normalColorEnd, color);
}

void Battery::updateValue() {
    // The shown value is not clamped to the target: it may end up to one step beyond it.
    if (m_decreasing) {
        m_currentValue -= m_step;
        if (m_value >= m_currentValue)
            timer->stop();
    } else {
        m_currentValue += m_step;
        if (m_currentValue >= m_value)
            timer->stop();
    }
    update();
}

Battery::Geometry Battery::geometryFor(int width, int height, double shownValue) {
    Geometry geometry;
    const int headHeight = height / 10;
    geometry.body = QRectF(QPointF(5, headHeight + 5), QPointF(width - 5, height - 5));

    // The fill takes the shown value as a percentage whatever the range is.
    const int margin = std::min(width, height) / 30;
    const QRectF& body = geometry.body;
    const double top =
        (body.height() - 2 * margin) / 100 * (100 - shownValue) + body.top() + margin;
    geometry.fill = QRectF(QPointF(body.left() + margin, top),
                           QPointF(body.right() - margin, body.bottom() - margin));

    geometry.head = QRectF(QPointF(width / 3, 5), QPointF(width - width / 3, body.top()));
    return geometry;
}

void Battery::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const Geometry geometry = geometryFor(width(), height(), m_currentValue);
    batteryRect = geometry.body;

    painter.save();
    painter.setPen(QPen(m_borderColorStart, 5, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(batteryRect, m_borderRadius, m_borderRadius);
    painter.restore();

    painter.save();
    QLinearGradient fillGradient(QPointF(0, 0), QPointF(0, width()));
    const bool alarm = m_alarmValue >= m_currentValue;
    fillGradient.setColorAt(0.0, alarm ? m_alarmColorStart : m_normalColorStart);
    fillGradient.setColorAt(1.0, alarm ? m_alarmColorEnd : m_normalColorEnd);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fillGradient);
    painter.drawRoundedRect(geometry.fill, m_bgRadius, m_bgRadius);
    painter.restore();

    painter.save();
    QLinearGradient headGradient(geometry.head.topLeft(), QPointF(width() / 3, batteryRect.top()));
    headGradient.setColorAt(0.0, m_borderColorStart);
    headGradient.setColorAt(1.0, m_borderColorEnd);
    painter.setPen(Qt::NoPen);
    painter.setBrush(headGradient);
    painter.drawRoundedRect(geometry.head, m_headRadius, m_headRadius);
    painter.restore();
}
