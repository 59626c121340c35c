// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// Read by the layering check, never compiled. Every include marked "forbidden" must be reported.
// The includes stand as a careless developer might write them.
// clang-format off
#include "logicincludes.h"
#include <QtWidgets/QPushButton> // forbidden
#include <QtWidgets> // forbidden
#include <QPushButton> // forbidden
#include <QPrinter> // forbidden
#include <QtPrintSupport/QPrintDialog> // forbidden
#include <QtPrintSupport> // forbidden
#include <qwidget.h> // forbidden
#include "QLineEdit" // forbidden
#  include <QtWidgets/qlabel.h> // forbidden
#include "window.h" // forbidden
