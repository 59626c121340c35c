#pragma once

#include "app/modulecontext.h"
#include "canvas/drawresult.h"
#include "canvas/resizerule.h"

#include <QWidget>

#include <functional>

class DrawingSurface;
class FrameMapping;
class GraphCanvas;
struct ModuleEntry;

// What every module window shares: the square canvas that follows the window's size, the way
// back to the start window ("&End" and the close control) and printing through the module's own
// drawing procedure. Each module places the canvas and adds its own controls.
class ModuleWindow : public QWidget
{
    Q_OBJECT

public:
    ModuleWindow(ModuleContext &context, const ModuleEntry &entry, QWidget *parent = nullptr);

    // Hides the window and shows the start window.
    void End();

    // Saves the canvas's picture as PNG, SVG or PDF by the file's extension; on failure the
    // window says which file could not be written. True when the file was written.
    bool saveGraph(const QString &fileName);

protected:
    // A module's drawing procedure, on a surface through a coordinate mapping.
    using Drawing = std::function<DrawResult(DrawingSurface &, const FrameMapping &)>;

    // Shows the window's message when a drawing stopped on an arithmetic failure.
    void reportFailure(DrawResult result, const QString &message);

    // Prints one page: the drawing at scale s through the page frame of the canvas magnified.
    // The page is recorded whole first; on a failed point the message is shown and nothing is
    // printed.
    void printGraph(double magnification, double s, const Drawing &draw,
                    const QString &failureMessage);

    // What a resize does to the canvas before it takes its new side: it is cleared.
    virtual void prepareCanvasForResize();

    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    ModuleContext &m_context;
    GraphCanvas *Picture1;

private:
    void Form_Resize();
    void showCanvasMenu(const QPoint &position);
    void copyGraph();
    void saveGraphAs();

    DesignSize m_design;
};
