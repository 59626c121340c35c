// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// Read by the layering check, never compiled. Nothing here may be reported.
// The includes stand as a careless developer might write them.
// clang-format off
#include "logicincludes.h"
#include "core/numbertext.h"
#include <QtCore/QString>
#include <QString>
#include <QtGui/QColor>
#include <QFont>
#include <QAction>
#include <qaction.h>
#include <vector>
// #include <QPushButton>
const char *text = "#include <QPrinter>";
