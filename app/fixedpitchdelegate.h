#pragma once

#include <QFontDatabase>
#include <QStyledItemDelegate>

// Draws a column in the system's fixed-pitch font, so that codes such as "0x1A2B" line up.
class FixedPitchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        option->fontMetrics = QFontMetrics(option->font);
    }
};
