#include "monitor/battery.h"

#include <QSignalSpy>
#include <QtTest>

// The state-of-charge gauge: the value it keeps, its animation, its geometry and colours.
class TestBattery : public QObject {
    Q_OBJECT

private slots:
    // A value is clamped into the range and emitted once, also when given twice; the animation ends
    // one step beyond a value between steps, and a value equal to the one shown then changes
    // nothing. A range is never inverted and pulls the value into it.
    void valueAndRange() {
        Battery battery;
        QSignalSpy spy(&battery, &Battery::valueChanged);
        battery.setValue(-5);
        battery.setValue(40);
        battery.setValue(40);
        battery.setValue(150);
        battery.setValue(150);
        QCOMPARE(battery.value(), 100.0);
        battery.setValue(50.3);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(1).at(0).toDouble(), 100.0);
        QTRY_VERIFY_WITH_TIMEOUT(!battery.isAnimating(), 5000);
        QCOMPARE(battery.currentValue(), 50.5);
        battery.setValue(50.5);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(battery.value(), 50.3);

        battery.setRange(50.0, 20.0);
        battery.setMaxValue(-1);
        QCOMPARE(battery.maxValue(), 100.0);
        battery.setRange(0, 40);
        QCOMPARE(battery.value(), 40.0);
        QCOMPARE(spy.count(), 4);
        QTRY_VERIFY_WITH_TIMEOUT(!battery.isAnimating(), 5000);
        QCOMPARE(battery.currentValue(), 40.0);
    }

    // 100 x 300 showing 25: body within a margin of 5 below a head a third as wide, the
    // fill inset by 3 and rising from the bottom.
    void geometry() {
        const Battery::Geometry g = Battery::geometryFor(100, 300, 25.0);
        QCOMPARE(g.body, QRectF(QPointF(5, 35), QPointF(95, 295)));
        QCOMPARE(g.fill, QRectF(QPointF(8, 35 + 3 + 254.0 / 100 * 75), QPointF(92, 292)));
        QCOMPARE(g.head, QRectF(QPointF(33, 5), QPointF(67, 35)));
    }

    // The fill takes the alarm colours up to the alarm value and the normal ones above it.
    // The gradient runs from the top of the widget: a pixel near the top of the fill lies
    // between its two ends.
    void alarmColours() {
        for (const double shown : {30.0, 30.5}) {
            Battery battery;
            battery.resize(150, 300);
            battery.setValue(shown);
            QTRY_VERIFY_WITH_TIMEOUT(!battery.isAnimating(), 5000);
            const bool alarm = shown <= battery.alarmValue();
            const QColor start = alarm ? QColor(250, 230, 80) : QColor(50, 205, 51);
            const QColor end = alarm ? QColor(250, 230, 80) : QColor(60, 179, 133);
            const QRectF fill = Battery::geometryFor(150, 300, shown).fill;
            const QColor pixel =
                battery.grab().toImage().pixelColor(int(fill.left()) + 10, int(fill.top()) + 10);
            for (const auto& [value, a, b] : {std::tuple{pixel.red(), start.red(), end.red()},
                                              {pixel.green(), start.green(), end.green()},
                                              {pixel.blue(), start.blue(), end.blue()}})
                QVERIFY2(value >= qMin(a, b) - 2 && value <= qMax(a, b) + 2,
                         qPrintable(pixel.name()));
        }
    }
};

QTEST_MAIN(TestBattery)
#include "tst_battery.moc"
