#pragma once

class QWidget;

// A control's place in its container, in twips.
struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};

// Places a control at a position given in twips, relative to its container, with the control's
// logical DPI.
void placeInTwips(QWidget *control, const TwipRect &place);

// Sets the size of a window's client area in twips.
void resizeClientInTwips(QWidget *window, double width, double height);

// A widget's size in twips.
double widthInTwips(const QWidget *widget);
double heightInTwips(const QWidget *widget);

// Orders the Tab key through a window's controls as they are laid out: top to bottom, then left
// to right, the controls inside a frame in their turn at the frame's place.
void orderTabsByLayout(QWidget *window);
