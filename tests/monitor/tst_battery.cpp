#include "monitor/battery.h"

#include <QSignalSpy>
#include <QtTest>

// The state-of-charge gauge: the value it keeps, its animation, its geometry and colours.
class TestBattery : public QObject {
    Q_OBJECT

private slots:
    void setValueClampsAndEmits_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<double>>("emitted");
        QTest::newRow("same target twice emits once") << QList<double>{40, 40} << QList<double>{40};
        QTest::newRow("above the range") << QList<double>{150} << QList<double>{100};
        QTest::newRow("below the range") << QList<double>{-5} << QList<double>{};
        QTest::newRow("up then down") << QList<double>{70, 20} << QList<double>{70, 20};
    }

    void setValueClampsAndEmits() {
        QFETCH(QList<double>, values);
        QFETCH(QList<double>, emitted);
        Battery battery;
        QSignalSpy spy(&battery, &Battery::valueChanged);
        for (double value : values)
            battery.setValue(value);
        QCOMPARE(spy.count(), emitted.size());
        for (int i = 0; i < emitted.size(); ++i)
            QCOMPARE(spy.at(i).at(0).toDouble(), emitted[i]);
        if (!emitted.isEmpty())
            QCOMPARE(battery.value(), emitted.last());
    }

    void animationEndsOneStepBeyond() {
        Battery battery;
        battery.setValue(50.3);
        QVERIFY(battery.isAnimating());
        QTRY_VERIFY_WITH_TIMEOUT(!battery.isAnimating(), 5000);
        QCOMPARE(battery.currentValue(), 50.5);

        // The shown value already equals 50.5: nothing is stored or emitted.
        QSignalSpy spy(&battery, &Battery::valueChanged);
        battery.setValue(50.5);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(battery.value(), 50.3);

        battery.setValue(10);
        QTRY_VERIFY_WITH_TIMEOUT(!battery.isAnimating(), 5000);
        QCOMPARE(battery.currentValue(), 10.0);
    }

    void rangeChanges() {
        Battery battery;
        battery.setValue(80);
        QTRY_VERIFY_WITH_TIMEOUT(!battery.isAnimating(), 5000);
        QSignalSpy spy(&battery, &Battery::valueChanged);

        battery.setRange(50.0, 20.0); // inverted: refused
        QCOMPARE(battery.maxValue(), 100.0);
        QCOMPARE(spy.count(), 0);

        battery.setRange(0, 50); // the value follows the new maximum
        QCOMPARE(battery.value(), 50.0);
        QCOMPARE(spy.count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!battery.isAnimating(), 5000);
        QCOMPARE(battery.currentValue(), 50.0);

        battery.setMaxValue(-1); // would invert the range
        QCOMPARE(battery.maxValue(), 50.0);
    }

    void geometry_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("shown");
        QTest::addColumn<QRectF>("body");
        QTest::addColumn<QRectF>("fill");
        QTest::addColumn<QRectF>("head");
        // 150 × 80: head height 8, margin 2, body (5,13)-(145,75), head x 50..100.
        QTest::newRow("tall 100x300 at 25")
            << QSize(100, 300) << 25.0 << QRectF(QPointF(5, 35), QPointF(95, 295))
            << QRectF(QPointF(8, 35 + 3 + 254.0 / 100 * 75), QPointF(92, 292))
            << QRectF(QPointF(33, 5), QPointF(67, 35));
    }

    void geometry() {
        QFETCH(QSize, size);
        QFETCH(double, shown);
        QFETCH(QRectF, body);
        QFETCH(QRectF, fill);
        QFETCH(QRectF, head);
        const Battery::Geometry geometry = Battery::geometryFor(size.width(), size.height(), shown);
        QCOMPARE(geometry.body, body);
        QCOMPARE(geometry.fill, fill);
        QCOMPARE(geometry.head, head);
    }

    // The fill takes the alarm colours up to the alarm value (30) and the normal ones
    // above it.
    void alarmColours_data() {
        QTest::addColumn<double>("shown");
        QTest::addColumn<QColor>("fillStart");
        QTest::addColumn<QColor>("fillEnd");
        QTest::newRow("at the alarm value") << 30.0 << QColor(250, 230, 80) << QColor(250, 230, 80);
        QTest::newRow("just above it") << 30.5 << QColor(50, 205, 51) << QColor(60, 179, 133);
    }

    void alarmColours() {
        QFETCH(double, shown);
        QFETCH(QColor, fillStart);
        QFETCH(QColor, fillEnd);
        Battery battery;
        battery.resize(150, 300);
        battery.setValue(shown);
        QTRY_VERIFY_WITH_TIMEOUT(!battery.isAnimating(), 5000);
        const QImage image = battery.grab().toImage();
        // The gradient runs from the top of the widget: a pixel near the top of the fill
        // lies between its two ends.
        const Battery::Geometry geometry = Battery::geometryFor(150, 300, shown);
        const QColor pixel =
            image.pixelColor(int(geometry.fill.left()) + 10, 10 + int(geometry.fill.top()));
        auto between = [](int value, int a, int b) {
            return value >= qMin(a, b) - 2 && value <= qMax(a, b) + 2;
        };
        QVERIFY2(between(pixel.red(), fillStart.red(), fillEnd.red()) &&
                     between(pixel.green(), fillStart.green(), fillEnd.green()) &&
                     between(pixel.blue(), fillStart.blue(), fillEnd.blue()),
                 qPrintable(pixel.name()));
    }
};

QTEST_MAIN(TestBattery)
#include "tst_battery.moc"
