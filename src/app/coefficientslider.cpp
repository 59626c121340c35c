#include "app/coefficientslider.h"

#include "core/numbertext.h"

#include <QLineEdit>
#include <QScrollBar>

void connectCoefficientSlider(QScrollBar *slider, QLineEdit *box, int range)
{
    QObject::connect(slider, &QScrollBar::valueChanged, box, [slider, box, range] {
        box->setText(wholeNumberText(slider->maximum() - range - slider->value()));
    });
}
