#pragma once

#include <QColor>
#include <QString>
#include <QTextEdit>

// The two ways the firmware pane colours its lines: the text colour of the lines that
// follow (a named colour), or the style sheet of the whole pane ("color:red;").
namespace PaneText {

inline constexpr char Red[] = "color:red;";
inline constexpr char Green[] = "color:green;";
inline constexpr char Blue[] = "color:blue;";

// Replaces the pane's text and colours the pane.
inline void show(QTextEdit* pane, const QString& text, const char* style) {
    pane->setText(text);
    pane->setStyleSheet(QLatin1String(style));
}

// Appends a line and colours the pane.
inline void append(QTextEdit* pane, const QString& text, const char* style) {
    pane->append(text);
    pane->setStyleSheet(QLatin1String(style));
}

// Appends a line in a named text colour ("red", "blue", "green").
inline void appendColoured(QTextEdit* pane, const QString& text, const char* colour) {
    pane->setTextColor(QColor(QLatin1String(colour)));
    pane->append(text);
}

} // namespace PaneText
