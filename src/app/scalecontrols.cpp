#include "app/scalecontrols.h"

#include "canvas/graphcanvas.h"
#include "core/numberreading.h"
#include "core/numbertext.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>

ScaleControls::ScaleControls(GraphCanvas *canvas, ScaleRule rule, QLineEdit *Text1,
                             QScrollBar *VScroll1, QCheckBox *Check1)
    : QObject(canvas), m_canvas(canvas), m_rule(rule), m_box(Text1), m_slider(VScroll1),
      m_grid(Check1)
{
    connect(m_slider, &QScrollBar::valueChanged, this, &ScaleControls::VScroll1_Change);
}

double ScaleControls::scale() const
{
    return readNumber(m_box->text());
}

bool ScaleControls::gridTicked() const
{
    return m_grid->isChecked();
}

WorldFrame ScaleControls::canvasFrame() const
{
    const WorldFrame frame = WorldFrame::onSurface(*m_canvas, scale());
    m_canvas->setPointerReading(
        [frame](double X, double Y) { return worldPointText(frame, X, Y); });
    return frame;
}

void ScaleControls::VScroll1_Change()
{
    const int position = m_slider->value();
    const int s = m_rule == ScaleRule::MaximumPlusOne ? m_slider->maximum() + 1 - position
                                                      : m_slider->minimum() + 9 - position;
    m_box->setText(wholeNumberText(s));
    m_canvas->clear();
}
