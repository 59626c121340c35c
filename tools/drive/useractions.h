#pragma once

class QListWidget;
class QWidget;

// Clicks the left mouse button on the window's own background, away from every control, so that
// the window's click handler runs. False when the controls cover the whole window.
bool clickBackground(QWidget *window);

// Selects a row of a list box and clicks it, as a mouse click on the row would: the current row
// changes and the list's click signals follow.
void clickRow(QListWidget *list, int row);

// Sets a window's outer size in twips. The frame and caption take the program's design frame
// out of it; what is left is the client area.
void resizeOuter(QWidget *window, double widthTwips, double heightTwips);
