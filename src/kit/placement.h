#pragma once

#include "canvas/resizerule.h"

#include <QSizeF>

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

// A module window's outer size in twips, measured from its design size: the window opened at
// its design client size in whole pixels, and every pixel it has grown or shrunk since counts. A
// window at its design size so measures exactly that, even where the design size is not a whole
// number of pixels.
QSizeF outerSizeInTwips(const QWidget *window, const DesignSize &design);

// A widget's size in twips.
double widthInTwips(const QWidget *widget);
double heightInTwips(const QWidget *widget);

// Orders the Tab key through a window's controls as they are laid out: top to bottom, then left
// to right, the controls inside a frame in their turn at the frame's place.
void orderTabsByLayout(QWidget *window);
