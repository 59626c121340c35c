// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "scripterror.h"

#include <QString>
#include <QStringList>

class Application;
class QWidget;

// A window or one of its controls as a script names it: `Fd` or `Fd.Text1`.
struct Target
{
    QString name;               // as the script wrote it
    QWidget *window = nullptr;  // never null
    QWidget *control = nullptr; // null when the script named the window alone
};

// Finds a created window by name. Throws ScriptError for a name that is no window's and for a
// window that has not been created yet.
QWidget *findWindow(const Application &application, const QString &name);

// Finds what `W` or `W.C` names. Throws ScriptError when the window or the control is not there.
Target findTarget(const Application &application, const QString &name);

// As findTarget, but the name must include a control.
Target findControl(const Application &application, const QString &name);

// The error for a control that a command cannot act on, saying what it needed instead.
ScriptError wrongKind(const Target &target, const QString &needed);

// The target, if a user could reach it now: its window shown, and the control shown and enabled.
// Throws ScriptError otherwise.
Target requireReachable(Target target);
