// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "kit/accessibility.h"

#include "core/numberreading.h"
#include "kit/controls.h"
#include "kit/sliderbox.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace {

// A slider as its box reads: its value is the number its box shows, read as drawing reads it, and
// its minimum and maximum are the numbers at its two ends, so that "a" whose box shows 1 is heard
// as 1, whatever the slider's position. A scroll bar linked to no box is a plain scroll bar. The
// link is read afresh each time: an interface may be made before the link, and the scale part's
// scale follows its slider's range.
class AccessibleSlider : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleSlider(QScrollBar *slider)
        : QAccessibleWidget(slider, QAccessible::ScrollBar)
    {
    }

    QAccessible::Role role() const override
    {
        return sliderBox(slider()) ? QAccessible::Slider : QAccessible::ScrollBar;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(currentValue().toDouble());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override
    {
        const std::optional<SliderBox> shown = sliderBox(slider());
        if (!shown)
            return slider()->value();
        return shown->box ? readNumber(shown->box->text())
                          : double(shown->scale.shownAt(slider()->value()));
    }
    void setCurrentValue(const QVariant &value) override
    {
        slider()->setValue(link().scale.positionOf(value.toDouble()));
    }
    QVariant maximumValue() const override { return std::max(shownAtMinimum(), shownAtMaximum()); }
    QVariant minimumValue() const override { return std::min(shownAtMinimum(), shownAtMaximum()); }
    QVariant minimumStepSize() const override { return std::abs(link().scale.step); }

private:
    QScrollBar *slider() const { return static_cast<QScrollBar *>(widget()); }
    int shownAtMinimum() const { return link().scale.shownAt(slider()->minimum()); }
    int shownAtMaximum() const { return link().scale.shownAt(slider()->maximum()); }
    // A scroll bar of no box counts its positions as they are.
    SliderBox link() const { return sliderBox(slider()).value_or(SliderBox{{0, -1}, nullptr}); }
};

QAccessibleInterface *programInterface(const QString &className, QObject *object)
{
    // A window of the program's own is a window, not a plain panel.
    if (className == QLatin1String("QWidget") && static_cast<QWidget *>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String("QScrollBar"))
        return new AccessibleSlider(static_cast<QScrollBar *>(object));
    // A frame whose caption is only a mnemonic mark groups its controls without a name.
    if (className == QLatin1String("QGroupBox")) {
        auto *frame = static_cast<QGroupBox *>(object);
        if (!frame->title().isEmpty() && plainCaption(frame->title()).isEmpty())
            return new QAccessibleWidget(frame, QAccessible::Grouping);
    }
    return nullptr;
}

} // namespace

void useAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(programInterface);
        return true;
    }();
    static_cast<void>(installed);
}
