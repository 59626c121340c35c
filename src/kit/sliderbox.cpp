// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "kit/sliderbox.h"

#include "core/numbertext.h"
#include "kit/accessibility.h"

#include <QAccessible>
#include <QLineEdit>
#include <QScrollBar>

Q_DECLARE_METATYPE(SliderBox)

namespace {

const char *const sliderBoxProperty = "sliderBox";

} // namespace

void linkSliderToBox(QScrollBar *slider, QLineEdit *box, SliderScale scale)
{
    const bool linked = sliderBox(slider).has_value();
    slider->setProperty(sliderBoxProperty, QVariant::fromValue(SliderBox{scale, box}));
    useAccessibleInterfaces();
    if (linked)
        return;
    // What a screen reader hears of the slider changes with the box, also when the user types.
    QObject::connect(box, &QLineEdit::textChanged, slider, [slider] {
        if (!QAccessible::isActive())
            return;
        QAccessibleValueChangeEvent event(
            slider,
            QAccessible::queryAccessibleInterface(slider)->valueInterface()->currentValue());
        QAccessible::updateAccessibility(&event);
    });
}

std::optional<SliderBox> sliderBox(const QScrollBar *slider)
{
    const QVariant link = slider->property(sliderBoxProperty);
    if (!link.canConvert<SliderBox>())
        return std::nullopt;
    return link.value<SliderBox>();
}

void connectSliderToBox(QScrollBar *slider, QLineEdit *box, SliderScale scale)
{
    linkSliderToBox(slider, box, scale);
    QObject::connect(slider, &QScrollBar::valueChanged, box, [box, scale](int position) {
        box->setText(wholeNumberText(scale.shownAt(position)));
    });
}
