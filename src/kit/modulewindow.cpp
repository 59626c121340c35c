// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "kit/modulewindow.h"

#include "canvas/graphcanvas.h"
#include "canvas/graphpicture.h"
#include "kit/controls.h"
#include "kit/focusmark.h"
#include "kit/moduleentry.h"
#include "kit/prompts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

ModuleWindow::ModuleWindow(ModuleContext &context, const ModuleEntry &entry, QWidget *parent)
    : QWidget(parent), m_context(context), m_canvas(new GraphCanvas(this)),
      m_copyAction(new QAction(tr("Copy graph"), this)),
      m_saveAction(new QAction(tr("Save graph as…"), this)), m_design(entry.design)
{
    setObjectName(entry.windowName);
    setWindowTitle(entry.shownCaption());
    m_canvas->setObjectName(QStringLiteral("Picture1"));
    m_canvas->setOperationLogging(context.logCanvasOperations);
    m_canvas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_canvas, &QWidget::customContextMenuRequested, this, &ModuleWindow::showCanvasMenu);
    showFocusMark(m_canvas);

    // A focused text box keeps Ctrl+C for its own text.
    m_copyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addActions({m_copyAction, m_saveAction});
    connect(m_copyAction, &QAction::triggered, this, &ModuleWindow::copyGraph);
    connect(m_saveAction, &QAction::triggered, this, &ModuleWindow::saveGraphAs);
    resizeClientInTwips(this, m_design.width - designFrameWidth,
                        m_design.height - designFrameHeight);
}

void ModuleWindow::returnToStart()
{
    hide();
    m_context.showStartWindow();
}

QPushButton *ModuleWindow::addEndButton(QWidget *parent, const char *name, const TwipRect &place)
{
    auto *button = add<QPushButton>(parent, name, place, tr("&End"));
    connect(button, &QPushButton::clicked, this, &ModuleWindow::returnToStart);
    return button;
}

bool ModuleWindow::saveGraph(const QString &fileName)
{
    if (!pictureFormatFor(fileName)) {
        m_context.prompts.warning(this,
                                  tr("The file %1 is not a PNG, SVG or PDF file.").arg(fileName));
        return false;
    }
    if (!saveGraphPicture(m_canvas->picture(), fileName)) {
        m_context.prompts.warning(this, tr("The file %1 cannot be written.").arg(fileName));
        return false;
    }
    return true;
}

void ModuleWindow::showCanvasMenu(const QPoint &position)
{
    QMenu menu(this);
    menu.addActions({m_copyAction, m_saveAction});
    menu.exec(m_canvas->mapToGlobal(position));
}

// The clipboard gets the picture at twice the screen's pixel density, sharp in a worksheet.
void ModuleWindow::copyGraph()
{
    QApplication::clipboard()->setImage(graphImage(m_canvas->picture(), 2 * devicePixelRatioF()));
}

// The dialog asks before it replaces the file that was typed; a name that gets its extension
// only here is asked about here.
void ModuleWindow::saveGraphAs()
{
    QString chosenType;
    //: The file types of the save dialog, separated by ";;": translate the names only and keep
    //: each pattern in its parentheses.
    const QString types = tr("Pictures (*.png *.svg *.pdf);;PNG (*.png);;SVG (*.svg);;PDF (*.pdf)");
    const QString typedName =
        QFileDialog::getSaveFileName(this, tr("Save graph as"), QString(), types, &chosenType);
    if (typedName.isEmpty())
        return;
    const QString fileName = pictureFileName(typedName, chosenType);
    if (fileName != typedName && QFileInfo::exists(fileName) &&
        !m_context.prompts.question(this, tr("%1 already exists. Replace it?").arg(fileName)))
        return;
    saveGraph(fileName);
}

void ModuleWindow::reportFailure(DrawResult result, const QString &message)
{
    if (result == DrawResult::Failed)
        m_context.prompts.warning(this, message);
}

void ModuleWindow::orderTabs()
{
    // The canvas, made before every control, would take the focus as the window opens.
    if (QWidget *first = orderTabsByLayout(this, m_canvas))
        first->setFocus();
}

void ModuleWindow::prepareCanvasForResize()
{
    m_canvas->clear();
}

void ModuleWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitCanvasToWindow();
}

void ModuleWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    returnToStart();
}

void ModuleWindow::fitCanvasToWindow()
{
    prepareCanvasForResize();
    const QSizeF outer = outerSizeInTwips(this, m_design);
    m_canvas->setSide(canvasSideFor(outer.width(), outer.height(), m_design));
}
