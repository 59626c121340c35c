#include "app/modulewindow.h"

#include "app/controls.h"
#include "app/prompts.h"
#include "canvas/graphcanvas.h"
#include "canvas/placement.h"
#include "canvas/recordingsurface.h"
#include "canvas/sampling.h"
#include "canvas/worldframe.h"
#include "core/numberreading.h"
#include "core/numbertext.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QScrollBar>

ModuleWindow::ModuleWindow(ModuleContext &context, const QString &name, const QString &caption,
                           const DesignSize &design, ScaleRule scaleRule, QWidget *parent)
    : QWidget(parent), m_context(context), Picture1(new GraphCanvas(this)),
      Text1(makeTextBox(this, "Text1")), VScroll1(makeSlider(this, "VScroll1")),
      Check1(new QCheckBox(QStringLiteral("Grid"), this)), m_design(design), m_scaleRule(scaleRule)
{
    setObjectName(name);
    setWindowTitle(caption);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Check1->setObjectName(QStringLiteral("Check1"));
    connect(VScroll1, &QScrollBar::valueChanged, this, &ModuleWindow::VScroll1_Change);

    resizeClientInTwips(this, design.width - designFrameWidth, design.height - designFrameHeight);
}

void ModuleWindow::End()
{
    hide();
    m_context.showStartWindow();
}

double ModuleWindow::scale() const
{
    return readNumber(Text1->text());
}

bool ModuleWindow::gridTicked() const
{
    return Check1->isChecked();
}

void ModuleWindow::reportFailure(DrawResult result, const QString &message)
{
    if (result == DrawResult::Failed)
        m_context.prompts.message(this, message);
}

void ModuleWindow::printGraph(double magnification, const std::function<double(double x)> &f,
                              const QString &failureMessage)
{
    const PageFrame frame(Picture1->Width(), Picture1->Height(), magnification, scale());
    RecordingSurface page(float(frame.W + 10), float(frame.H + 10));
    if (drawGraph(page, frame, gridTicked(), f) == DrawResult::Failed) {
        m_context.prompts.message(this, failureMessage);
        return;
    }
    m_context.prompts.print(this, {page.log()});
}

void ModuleWindow::prepareCanvasForResize()
{
    Picture1->Cls();
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
    const double outerWidth = widthInTwips(this) + designFrameWidth;
    const double outerHeight = heightInTwips(this) + designFrameHeight;
    Picture1->setSide(canvasSideFor(outerWidth, outerHeight, m_design));
}

void ModuleWindow::VScroll1_Change()
{
    const int position = VScroll1->value();
    const int s = m_scaleRule == ScaleRule::MaximumPlusOne ? VScroll1->maximum() + 1 - position
                                                           : VScroll1->minimum() + 9 - position;
    Text1->setText(wholeNumberText(s));
    Picture1->Cls();
}
