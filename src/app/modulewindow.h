#pragma once

#include "app/modulecontext.h"
#include "canvas/drawresult.h"
#include "canvas/resizerule.h"

#include <QWidget>

#include <functional>

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

// What every module window shares: the square canvas that follows the window's size, the scale
// slider and text box, the "Grid" check box, the way back to the start window, and printing the
// graph. Each module places these controls and adds its own.
class ModuleWindow : public QWidget
{
    Q_OBJECT

public:
    ModuleWindow(ModuleContext &context, const QString &name, const QString &caption,
                 const DesignSize &design, ScaleRule scaleRule, QWidget *parent = nullptr);

    // Hides the window and shows the start window.
    void End();

protected:
    // The scale and the grid as the next drawing reads them.
    double scale() const;
    bool gridTicked() const;

    // Shows the window's message when a drawing stopped on an arithmetic failure.
    void reportFailure(DrawResult result, const QString &message);

    // Prints one page with the frame and the curve y = f(x) at the current scale and grid, the
    // page box being the canvas magnified. On a failed point the message is shown and nothing
    // is printed.
    void printGraph(double magnification, const std::function<double(double x)> &f,
                    const QString &failureMessage);

    // What a resize does to the canvas before it takes its new side: it is cleared.
    virtual void prepareCanvasForResize();

    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    ModuleContext &m_context;

    GraphCanvas *Picture1;
    QLineEdit *Text1;
    QScrollBar *VScroll1;
    QCheckBox *Check1;

private:
    void Form_Resize();
    void VScroll1_Change();

    DesignSize m_design;
    ScaleRule m_scaleRule;
};
