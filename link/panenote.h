#pragma once

#include <QMetaType>
#include <QString>

// A line an operation writes into one of the window's message panes. The panes colour
// their text in two ways: the colour of the lines that follow, or a style sheet for the
// whole pane; a note says which, so every pane looks as the operation meant.
struct PaneNote {
    enum class Pane { Overview, Bms, Update };
    enum class Kind {
        Line,         // appended as it is
        ColouredLine, // appended in the named colour ("red", "blue", "green")
        StyledLine,   // appended, and the whole pane takes the colour
        ReplacePane,  // the pane's text replaced, and the whole pane takes the colour
        ProgressLine, // replaces the previous progress line, in the named colour
        Clear,        // the pane emptied
    };

    Pane pane = Pane::Overview;
    Kind kind = Kind::Line;
    QString text;
    QString colour; // "red", "green", "blue" or empty
};

Q_DECLARE_METATYPE(PaneNote)
