// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "windowlookup.h"

#include "scripterror.h"

#include "app/application.h"
#include "canvas/graphcanvas.h"
#include "kit/multilinetextbox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// What kind of control this is, in the words a script error uses.
QString kindName(const QWidget *control)
{
    if (qobject_cast<const QPushButton *>(control))
        return QStringLiteral("a button");
    if (qobject_cast<const QCheckBox *>(control))
        return QStringLiteral("a check box");
    if (qobject_cast<const QRadioButton *>(control))
        return QStringLiteral("an option button");
    if (qobject_cast<const QLineEdit *>(control) || qobject_cast<const MultiLineTextBox *>(control))
        return QStringLiteral("a text box");
    if (qobject_cast<const QScrollBar *>(control))
        return QStringLiteral("a scroll bar");
    if (qobject_cast<const QListWidget *>(control))
        return QStringLiteral("a list box");
    if (qobject_cast<const QLabel *>(control))
        return QStringLiteral("a label");
    if (qobject_cast<const QGroupBox *>(control))
        return QStringLiteral("a frame");
    if (qobject_cast<const GraphCanvas *>(control))
        return QStringLiteral("a canvas");
    return QStringLiteral("a %1").arg(QString::fromLatin1(control->metaObject()->className()));
}

} // namespace

QWidget *findWindow(const Application &application, const QString &name)
{
    if (!Application::windowNames().contains(name))
        throw ScriptError(QStringLiteral("no window named %1").arg(name));
    QWidget *window = application.existingWindow(name);
    if (!window)
        throw ScriptError(QStringLiteral("%1 has not been created yet").arg(name));
    return window;
}

Target findTarget(const Application &application, const QString &name)
{
    const qsizetype dot = name.indexOf(u'.');
    Target target{name, findWindow(application, name.left(dot)), nullptr};
    if (dot < 0)
        return target;
    const QString controlName = name.mid(dot + 1);
    if (controlName.isEmpty())
        throw ScriptError(QStringLiteral("bad arguments: %1 names no control").arg(name));
    target.control = target.window->findChild<QWidget *>(controlName);
    if (!target.control)
        throw ScriptError(QStringLiteral("%1 has no control %2").arg(name.left(dot), controlName));
    return target;
}

Target findControl(const Application &application, const QString &name)
{
    if (!name.contains(u'.'))
        throw ScriptError(
            QStringLiteral("bad arguments: %1 is a window; name a control as %1.CONTROL")
                .arg(name));
    return findTarget(application, name);
}

ScriptError wrongKind(const Target &target, const QString &needed)
{
    const QString actual = target.control ? kindName(target.control) : QStringLiteral("a window");
    return ScriptError(QStringLiteral("%1 is %2, not %3").arg(target.name, actual, needed));
}

Target requireReachable(Target target)
{
    const QString windowName = target.name.section(u'.', 0, 0);
    if (!target.window->isVisible())
        throw ScriptError(QStringLiteral("%1 is hidden").arg(windowName));
    if (!target.control)
        return target;
    if (!target.control->isVisible())
        throw ScriptError(QStringLiteral("%1 is hidden").arg(target.name));
    if (!target.control->isEnabled())
        throw ScriptError(QStringLiteral("%1 is disabled").arg(target.name));
    return target;
}
