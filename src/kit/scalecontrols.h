// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/worldframe.h"
#include "kit/sliderbox.h"

#include <QObject>

class GraphCanvas;
class QCheckBox;
class QLineEdit;
class QScrollBar;

// How a window's scale slider turns its position into the scale: the quadratic function's slider
// gives maximum + 1 - position, the other graph windows' minimum + 9 - position. Either way the
// scale grows as the thumb moves up.
enum class ScaleRule
{
    MaximumPlusOne,
    MinimumPlusNine
};

// The part that graph windows add to the module window: the scale box (Text1), the scale slider
// (VScroll1) and the "Grid" box (Check1), created by the window where its layout puts them.
// Moving the slider writes the scale into the box and clears the canvas.
class ScaleControls : public QObject
{
    Q_OBJECT

public:
    ScaleControls(GraphCanvas *canvas, ScaleRule rule, QLineEdit *box, QScrollBar *slider,
                  QCheckBox *grid);

    // Sets the slider's range to 1 .. maximum, moves it to a position and unticks the grid. A
    // slider that moves writes its scale into the box and clears the canvas; one that already
    // stood there leaves a typed scale as it is.
    void reset(int maximum, int position);
    // Writes a scale into the box, as typing it would.
    void setScale(int scale);

    // The scale and the grid as the next drawing reads them.
    double scale() const;
    bool gridTicked() const;

    // The canvas's coordinate frame at the scale in the box.
    WorldFrame canvasFrame() const;

private:
    void showScaleOfSlider();
    // The slider's scale by the window's rule, for the slider's present range.
    SliderScale sliderScaleByRule() const;

    GraphCanvas *m_canvas;
    ScaleRule m_rule;
    QLineEdit *m_box;
    QScrollBar *m_slider;
    QCheckBox *m_grid;
};
