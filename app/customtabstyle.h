#pragma once

#include <QProxyStyle>

// The look of the main tab bar: 180 × 80 tabs with centred, custom-painted labels.
class CustomTabStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
