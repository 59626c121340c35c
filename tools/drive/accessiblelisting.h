// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QString>

class QWidget;

// What a screen reader gets from a control, on one line: `name "a" role slider value 1
// description ""`; the value only where the control has one (a slider: the number its box shows).
QString describeAccessible(QWidget *control);
