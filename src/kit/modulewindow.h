// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"
#include "canvas/resizerule.h"
#include "kit/modulecontext.h"
#include "kit/placement.h"

#include <QWidget>

class GraphCanvas;
class QAction;
class QPushButton;
struct ModuleEntry;

// What every module window shares: the square canvas that follows the window's size, its menu to
// copy or save the graph (whose shortcuts work anywhere in the window), and the way back to the
// start window ("&End" and the close control). Each module places the canvas and adds its own
// controls; the canvas is the last stop of the Tab key.
class ModuleWindow : public QWidget
{
    Q_OBJECT

public:
    ModuleWindow(ModuleContext &context, const ModuleEntry &entry, QWidget *parent = nullptr);

    // Hides the window and shows the start window.
    void returnToStart();

    // Saves the canvas's picture as PNG, SVG or PDF by the file's extension; on failure the
    // window says which file could not be written. True when the file was written.
    bool saveGraph(const QString &fileName);

protected:
    // The "&End" button, which returns to the start window.
    QPushButton *addEndButton(QWidget *parent, const char *name, const TwipRect &place);

    // Shows the window's message when a drawing stopped on an arithmetic failure.
    void reportFailure(DrawResult result, const QString &message);

    // Orders the Tab key through the controls as they are laid out, the canvas last.
    void orderTabs();

    GraphCanvas *canvas() const { return m_canvas; }

    // What a resize does to the canvas before it takes its new side: it is cleared.
    virtual void prepareCanvasForResize();

    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    ModuleContext &m_context;

private:
    void fitCanvasToWindow();
    void showCanvasMenu(const QPoint &position);
    void copyGraph();
    void saveGraphAs();

    GraphCanvas *m_canvas;
    QAction *m_copyAction;
    QAction *m_saveAction;
    DesignSize m_design;
};
