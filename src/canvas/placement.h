#pragma once

class QWidget;

// Places a control at a position given in twips (left, top, width, height), relative to its
// container, with the control's logical DPI.
void placeInTwips(QWidget *control, int left, int top, int width, int height);

// Moves a control into a container (a frame) and places it there.
void placeInTwips(QWidget *control, QWidget *container, int left, int top, int width, int height);

// Sets the size of a window's client area in twips.
void resizeClientInTwips(QWidget *window, double width, double height);

// A widget's size in twips.
double widthInTwips(const QWidget *widget);
double heightInTwips(const QWidget *widget);
