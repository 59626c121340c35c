#pragma once

#include "canvas/worldframe.h"

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
    ScaleControls(GraphCanvas *canvas, ScaleRule rule, QLineEdit *Text1, QScrollBar *VScroll1,
                  QCheckBox *Check1);

    // The scale and the grid as the next drawing reads them.
    double scale() const;
    bool gridTicked() const;

    // The canvas's coordinate frame at the scale in the box, for a drawing on the canvas; from
    // then on the pointer resting on the canvas reads its coordinates in this frame.
    WorldFrame canvasFrame() const;

private:
    void VScroll1_Change();

    GraphCanvas *m_canvas;
    ScaleRule m_rule;
    QLineEdit *m_box;
    QScrollBar *m_slider;
    QCheckBox *m_grid;
};
