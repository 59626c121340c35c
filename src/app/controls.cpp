#include "app/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

template <typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QPushButton(caption, parent), name);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QLabel(caption, parent), name);
}

QLineEdit *makeTextBox(QWidget *parent, const char *name)
{
    return named(new QLineEdit(parent), name);
}

QScrollBar *makeSlider(QWidget *parent, const char *name)
{
    auto *slider = named(new QScrollBar(Qt::Vertical, parent), name);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    return slider;
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QGroupBox(caption, parent), name);
}
