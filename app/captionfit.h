#pragma once

class QPushButton;

// Widens a style-sheet button to hold its caption in the largest font of its styles
// (the hover font of Style::BlackButton), so no style clips it.
void fitCaption(QPushButton* button);
