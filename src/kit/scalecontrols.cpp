// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "kit/scalecontrols.h"

#include "canvas/graphcanvas.h"
#include "core/numberreading.h"
#include "core/numbertext.h"
#include "kit/sliderbox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>

ScaleControls::ScaleControls(GraphCanvas *canvas, ScaleRule rule, QLineEdit *box,
                             QScrollBar *slider, QCheckBox *grid)
    : QObject(canvas), m_canvas(canvas), m_rule(rule), m_box(box), m_slider(slider), m_grid(grid)
{
    linkSliderToBox(m_slider, m_box, sliderScaleByRule());
    connect(m_slider, &QScrollBar::valueChanged, this, &ScaleControls::showScaleOfSlider);
}

void ScaleControls::reset(int maximum, int position)
{
    m_slider->setMaximum(maximum);
    m_slider->setMinimum(1);
    m_slider->setValue(position);
    linkSliderToBox(m_slider, m_box, sliderScaleByRule());
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

// The slider's range may have changed since the last move: the scale follows it.
void ScaleControls::showScaleOfSlider()
{
    const SliderScale scale = sliderScaleByRule();
    linkSliderToBox(m_slider, m_box, scale);
    setScale(scale.shownAt(m_slider->value()));
    m_canvas->clear();
}

SliderScale ScaleControls::sliderScaleByRule() const
{
    return {m_rule == ScaleRule::MaximumPlusOne ? m_slider->maximum() + 1 : m_slider->minimum() + 9,
            1};
}
