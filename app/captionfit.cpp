#include "app/captionfit.h"

#include <QFont>
#include <QFontMetrics>
#include <QPushButton>

namespace {

// The largest caption font of the button style sheets, and their border and rounding.
constexpr int LargestPixelSize = 22;
constexpr int FrameAndRounding = 2 * (2 + 10);

} // namespace

void fitCaption(QPushButton* button) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(LargestPixelSize);
    font.setBold(true);
    const int needed = QFontMetrics(font).horizontalAdvance(button->text()) + FrameAndRounding;
    if (button->minimumWidth() < needed)
        button->setMinimumWidth(needed);
}
