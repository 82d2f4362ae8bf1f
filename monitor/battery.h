#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

class QTimer;

// An upright battery whose coloured fill rises and falls with a value, animating
// towards each new value in steps of `step` every 10 ms.
class Battery : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(double value READ value WRITE setValue)
    Q_PROPERTY(double alarmValue READ alarmValue WRITE setAlarmValue)
    Q_PROPERTY(double step READ step WRITE setStep)
    Q_PROPERTY(int borderRadius READ borderRadius WRITE setBorderRadius)
    Q_PROPERTY(int bgRadius READ bgRadius WRITE setBgRadius)
    Q_PROPERTY(int headRadius READ headRadius WRITE setHeadRadius)
    Q_PROPERTY(QColor borderColorStart READ borderColorStart WRITE setBorderColorStart)
    Q_PROPERTY(QColor borderColorEnd READ borderColorEnd WRITE setBorderColorEnd)
    Q_PROPERTY(QColor alarmColorStart READ alarmColorStart WRITE setAlarmColorStart)
    Q_PROPERTY(QColor alarmColorEnd READ alarmColorEnd WRITE setAlarmColorEnd)
    Q_PROPERTY(QColor normalColorStart READ normalColorStart WRITE setNormalColorStart)
    Q_PROPERTY(QColor normalColorEnd READ normalColorEnd WRITE setNormalColorEnd)

public:
    explicit Battery(QWidget* parent = nullptr);
    ~Battery() override;

    double minValue() const { return m_minValue; }
    double maxValue() const { return m_maxValue; }
    double value() const { return m_value; }
    double alarmValue() const { return m_alarmValue; }
    double step() const { return m_step; }
    int borderRadius() const { return m_borderRadius; }
    int bgRadius() const { return m_bgRadius; }
    int headRadius() const { return m_headRadius; }
    QColor borderColorStart() const { return m_borderColorStart; }
    QColor borderColorEnd() const { return m_borderColorEnd; }
    QColor alarmColorStart() const { return m_alarmColorStart; }
    QColor alarmColorEnd() const { return m_alarmColorEnd; }
    QColor normalColorStart() const { return m_normalColorStart; }
    QColor normalColorEnd() const { return m_normalColorEnd; }

    // The value being shown, which moves towards value() one step per tick.
    double currentValue() const { return m_currentValue; }
    bool isAnimating() const;

    // The geometry the painting uses for a widget of the given size.
    struct Geometry {
        QRectF body; // the outline
        QRectF fill; // the coloured fill for the shown value
        QRectF head; // the terminal on top
    };
    static Geometry geometryFor(int width, int height, double shownValue);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueChanged(double value);

public slots:
    void setRange(double minValue, double maxValue);
    void setRange(int minValue, int maxValue);
    void setMinValue(double minValue);
    void setMaxValue(double maxValue);
    void setValue(double value);
    void setValue(int value);
    void setAlarmValue(double alarmValue);
    void setAlarmValue(int alarmValue);
    void setStep(double step);
    void setStep(int step);
    void setBorderRadius(int borderRadius);
    void setBgRadius(int bgRadius);
    void setHeadRadius(int headRadius);
    void setBorderColorStart(const QColor& color);
    void setBorderColorEnd(const QColor& color);
    void setAlarmColorStart(const QColor& color);
    void setAlarmColorEnd(const QColor& color);
    void setNormalColorStart(const QColor& color);
    void setNormalColorEnd(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void updateValue();

private:
    template <class T> void setAndRepaint(T& member, const T& value);

    double m_minValue = 0;
    double m_maxValue = 100;
    double m_value = 0;
    double m_alarmValue = 30;
    double m_step = 0.5;
    int m_borderRadius = 8;
    int m_bgRadius = 5;
    int m_headRadius = 3;
    QColor m_borderColorStart{100, 100, 100};
    QColor m_borderColorEnd{80, 80, 80};
    QColor m_alarmColorStart{250, 230, 80};
    QColor m_alarmColorEnd{250, 230, 80};
    QColor m_normalColorStart{50, 205, 51};
    QColor m_normalColorEnd{60, 179, 133};

    double m_currentValue = 0;
    bool m_decreasing = false;
    QRectF batteryRect;
    QTimer* timer;
};
