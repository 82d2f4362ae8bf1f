#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QVariant>
#include <QWidget>

// Small helpers for the hand-written forms: every widget gets its object name at birth.
namespace FormBuilder {

template <class Widget> Widget* make(QWidget* parent, const char* objectName) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

inline QLabel* label(QWidget* parent, const char* objectName, const QString& text = QString()) {
    auto* widget = make<QLabel>(parent, objectName);
    widget->setText(text);
    return widget;
}

// A caption label whose object name does not matter to the window.
// Shows a value in a label that is never narrower than its text: a layout short of room
// then scrolls (the window's content sits in a scroll area) instead of cutting the text.
inline void showValue(QLabel* label, const QString& text) {
    const char base[] = "baseMinimumWidth";
    if (!label->property(base).isValid())
        label->setProperty(base, label->minimumWidth());
    label->setText(text);
    label->setMinimumWidth(qMax(label->property(base).toInt(), label->sizeHint().width()));
    label->adjustSize();
}

inline QLabel* caption(QWidget* parent, const QString& text) {
    return new QLabel(text, parent);
}

inline QPushButton* button(QWidget* parent, const char* objectName, const QString& text) {
    auto* widget = make<QPushButton>(parent, objectName);
    widget->setText(text);
    widget->setMinimumHeight(36);
    return widget;
}

// One row of a group of values: a caption and the named label that shows the value.
struct ValueRow {
    QString caption;
    const char* objectName;
    QLabel** label;
};

// A titled group box of caption/value rows.
inline QGroupBox* valueGroup(QWidget* parent, const char* objectName, const QString& title,
                             std::initializer_list<ValueRow> rows) {
    auto* box = make<QGroupBox>(parent, objectName);
    box->setTitle(title);
    auto* grid = new QGridLayout(box);
    int line = 0;
    for (const ValueRow& row : rows) {
        grid->addWidget(caption(box, row.caption), line, 0);
        *row.label = label(box, row.objectName);
        grid->addWidget(*row.label, line++, 1);
    }
    return box;
}

} // namespace FormBuilder
