#include "app/modulewindow.h"

#include "app/moduleregistry.h"
#include "app/placement.h"
#include "app/prompts.h"
#include "canvas/graphcanvas.h"
#include "canvas/recordingsurface.h"
#include "canvas/worldframe.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMenu>

ModuleWindow::ModuleWindow(ModuleContext &context, const ModuleEntry &entry, QWidget *parent)
    : QWidget(parent), m_context(context), Picture1(new GraphCanvas(this)), m_design(entry.design)
{
    setObjectName(entry.windowName);
    setWindowTitle(entry.caption);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setOperationLogging(context.logCanvasOperations);
    Picture1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Picture1, &QWidget::customContextMenuRequested, this, &ModuleWindow::showCanvasMenu);
    resizeClientInTwips(this, m_design.width - designFrameWidth,
                        m_design.height - designFrameHeight);
}

void ModuleWindow::End()
{
    hide();
    m_context.showStartWindow();
}

bool ModuleWindow::saveGraph(const QString &fileName)
{
    if (!pictureFormatFor(fileName)) {
        m_context.prompts.message(
            this, QStringLiteral("The file %1 is not a PNG, SVG or PDF file.").arg(fileName));
        return false;
    }
    if (!saveGraphPicture(Picture1->picture(), fileName)) {
        m_context.prompts.message(this,
                                  QStringLiteral("The file %1 cannot be written.").arg(fileName));
        return false;
    }
    return true;
}

void ModuleWindow::showCanvasMenu(const QPoint &position)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Copy graph"), this, &ModuleWindow::copyGraph);
    menu.addAction(QStringLiteral("Save graph as…"), this, &ModuleWindow::saveGraphAs);
    menu.exec(Picture1->mapToGlobal(position));
}

// The clipboard gets the picture at twice the screen's pixel density, sharp in a worksheet.
void ModuleWindow::copyGraph()
{
    QApplication::clipboard()->setImage(graphImage(Picture1->picture(), 2 * devicePixelRatioF()));
}

void ModuleWindow::saveGraphAs()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save graph as"), QString(),
        QStringLiteral("Pictures (*.png *.svg *.pdf);;PNG (*.png);;SVG (*.svg);;PDF (*.pdf)"));
    if (!fileName.isEmpty())
        saveGraph(fileName);
}

void ModuleWindow::reportFailure(DrawResult result, const QString &message)
{
    if (result == DrawResult::Failed)
        m_context.prompts.message(this, message);
}

void ModuleWindow::printGraph(double magnification, double s, const Drawing &draw,
                              const QString &failureMessage)
{
    const PageFrame frame(Picture1->widthInTwips(), Picture1->heightInTwips(), magnification, s);
    RecordingSurface page(float(frame.W + 10), float(frame.H + 10));
    if (draw(page, frame) == DrawResult::Failed) {
        m_context.prompts.message(this, failureMessage);
        return;
    }
    m_context.prompts.print(this, {page.log()});
}

void ModuleWindow::prepareCanvasForResize()
{
    Picture1->clear();
}

void ModuleWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void ModuleWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    End();
}

void ModuleWindow::Form_Resize()
{
    prepareCanvasForResize();
    const QSizeF outer = outerSizeInTwips(this, m_design);
    Picture1->setSide(canvasSideFor(outer.width(), outer.height(), m_design));
}
