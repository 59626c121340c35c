#include "kit/scalecontrols.h"

#include "canvas/graphcanvas.h"
#include "core/numberreading.h"
#include "core/numbertext.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>

ScaleControls::ScaleControls(GraphCanvas *canvas, ScaleRule rule, QLineEdit *box,
                             QScrollBar *slider, QCheckBox *grid)
    : QObject(canvas), m_canvas(canvas), m_rule(rule), m_box(box), m_slider(slider), m_grid(grid)
{
    connect(m_slider, &QScrollBar::valueChanged, this, &ScaleControls::showScaleOfSlider);
}

void ScaleControls::reset(int maximum, int position)
{
    m_slider->setMaximum(maximum);
    m_slider->setMinimum(1);
    m_slider->setValue(position);
    m_grid->setChecked(false);
}

void ScaleControls::setScale(int scale)
{
    m_box->setText(wholeNumberText(scale));
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
    return WorldFrame::onSurface(*m_canvas, scale());
}

void ScaleControls::showScaleOfSlider()
{
    setScale(scaleAt(m_slider->value()));
    m_canvas->clear();
}

int ScaleControls::scaleAt(int position) const
{
    return m_rule == ScaleRule::MaximumPlusOne ? m_slider->maximum() + 1 - position
                                               : m_slider->minimum() + 9 - position;
}
