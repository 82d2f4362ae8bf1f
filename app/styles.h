#pragma once

// Style sheets of the main window, quoted as the system shows them.
namespace Style {

inline constexpr char BlackButton[] =
    "QPushButton{font-family:'Arial';font-size:18px;font-weight:bold;background-color:black;"
    "color: white;border-radius: 10px;  border: 2px groove gray; border-style: outset;}"
    "QPushButton:hover{font-size:22px;background-color:white; color: black;}"
    "QPushButton:pressed{background-color:rgb(85, 170, 255);border-style: inset; }"
    // The keyboard's place is always visible.
    "QPushButton:focus{border: 3px solid rgb(85, 170, 255);}";

inline constexpr char GrayButton[] =
    "QPushButton{font-family:'Arial';font-size:18px;font-weight:bold;background-color:gray;"
    "color: white;border-radius: 10px;  border: 2px groove gray; border-style: outset;}";

// The drop-down rule is closed before the item rules; left open, Qt rejects the whole sheet.
// A styled drop-down draws no arrow of its own: the down-arrow rule gives it one.
inline constexpr char ComboBox[] =
    "QComboBox{border: 1px solid gray;border-radius: 3px;padding: 1px 2px 1px 2px;min-width: "
    "9em; }QComboBox::drop-down {subcontrol-origin: padding;subcontrol-position: top "
    "right;border-left-width: 1px;border-left-color: darkgray;border-left-style: "
    "solid;border-top-right-radius: 3px;border-bottom-right-radius: 3px;}"
    "QComboBox::down-arrow{image: url(:/Res/arrow-down.png);}QComboBox "
    "QAbstractItemView::item {height: 25px;}QListView::item {background: "
    "red;}QListView::item:hover {background: #BDD7FD;}";

inline constexpr char GroupBox[] =
    "QGroupBox{background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,stop: 0 #c3c3c3, "
    "stop: 1 #FFFFFF);border: 2px solid gray;border-style: outset;border-radius: 5px;margin-top: "
    "4ex;}QGroupBox::title {subcontrol-origin: margin;padding: 0px 5px 0px 5px;position: "
    "relative;left: 10px;background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,stop: 0 "
    "#FFOECE, stop: 1 #FFFFFF) }";

inline constexpr char SkyblueHeader[] = "QHeaderView::section{background:skyblue;}";
inline constexpr char TableSelection[] = "selection-background-color:lightblue;";
inline constexpr char HiddenDisabledTab[] = "QTabBar::tab:disabled {width: 0; color: transparent;}";
inline constexpr char StatusBarItem[] = "QStatusBar::item{border: 0px}";

inline constexpr char TextRed[] = "color:red;";
inline constexpr char TextGreen[] = "color:green;";
inline constexpr char TextBlue[] = "color:blue;";

} // namespace Style
