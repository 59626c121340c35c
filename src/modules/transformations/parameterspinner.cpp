#include "modules/transformations/parameterspinner.h"

#include "core/numbertext.h"

#include <QLineEdit>
#include <QScrollBar>

void connectParameterSpinner(QScrollBar *spinner, QLineEdit *box)
{
    QObject::connect(spinner, &QScrollBar::valueChanged, box, [spinner, box] {
        box->setText(wholeNumberText(spinner->maximum() - 5 - spinner->value()));
    });
}
