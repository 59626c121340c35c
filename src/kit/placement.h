// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

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

// Orders the Tab key through a window's controls as they are laid out, as a reader takes in a
// page: the controls are split into bands across the window where a gap runs between them, each
// band into columns where a gap runs down it, and so on; bands top to bottom, columns left to
// right. So a list comes before the frame below it when a tall frame stands beside both, the
// controls of a frame come one after another at the frame's place, and a box comes just before
// the slider beside it. `last`, when given, is the last stop. Returns the first stop, if any.
QWidget *orderTabsByLayout(QWidget *window, QWidget *last = nullptr);
