#include "kit/sliderbox.h"

#include "core/numbertext.h"

#include <QLineEdit>
#include <QScrollBar>

void connectSliderToBox(QScrollBar *slider, QLineEdit *box, int top, int step)
{
    QObject::connect(slider, &QScrollBar::valueChanged, box, [box, top, step](int position) {
        box->setText(wholeNumberText((top - position) * step));
    });
}
