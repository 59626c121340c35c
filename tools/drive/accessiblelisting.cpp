// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "accessiblelisting.h"

#include "textformat.h"

#include <QAccessible>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// The roles of the program's controls by the names that AT-SPI gives them.
QString roleName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Slider:
        return u"slider"_s;
    case QAccessible::ScrollBar:
        return u"scroll bar"_s;
    case QAccessible::EditableText:
        return u"text"_s;
    case QAccessible::List:
        return u"list"_s;
    case QAccessible::PushButton:
        return u"push button"_s;
    case QAccessible::CheckBox:
        return u"check box"_s;
    case QAccessible::RadioButton:
        return u"radio button"_s;
    case QAccessible::Graphic:
        return u"image"_s;
    case QAccessible::Grouping:
        return u"grouping"_s;
    case QAccessible::StaticText:
        return u"label"_s;
    case QAccessible::Window:
        return u"window"_s;
    default:
        return u"role %1"_s.arg(int(role));
    }
}

} // namespace

QString describeAccessible(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    QString line = u"name %1 role %2"_s.arg(quoted(accessible->text(QAccessible::Name)),
                                            roleName(accessible->role()));
    if (QAccessibleValueInterface *value = accessible->valueInterface())
        line += u" value "_s + formatNumber(value->currentValue().toDouble());
    return line + u" description "_s + quoted(accessible->text(QAccessible::Description));
}
