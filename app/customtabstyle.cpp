#include "app/customtabstyle.h"

#include <QPainter>
#include <QStyleOptionTab>

QSize CustomTabStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const {
    if (type == QStyle::CT_TabBarTab)
        return {180, 80};
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void CustomTabStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == CE_TabBarTab) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    if (element != CE_TabBarTabLabel)
        return; // the tab shape and everything else stay unpainted
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (!tab)
        return;

    const QRect rect = tab->rect;
    painter->save();
    painter->setPen(QColor(0xDA, 0xDB, 0xDC));
    if (tab->state & QStyle::State_Selected) {
        painter->setBrush(Qt::white);
        painter->drawRect(rect);
        QFont font = painter->font();
        font.setPointSize(14);
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(Qt::red);
    } else if (tab->state & QStyle::State_MouseOver) {
        painter->setBrush(QColor(0xF2, 0xF2, 0xF2));
        painter->drawRect(rect);
        QFont font = painter->font();
        font.setPointSize(16);
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(Qt::red);
    } else {
        painter->setBrush(QColor(0xF2, 0xF2, 0xF2));
        painter->drawRect(rect);
        painter->restore();
        painter->save();
    }
    painter->drawText(rect, Qt::AlignCenter, tab->text);
    painter->restore();
}
