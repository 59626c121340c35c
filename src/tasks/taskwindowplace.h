// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tasks {

// Where the task window's frame stands: right below the module window's frame, at its left edge,
// when the available area has room there; otherwise the place on the area that covers least of
// the module window, trying above, right, left and below in that order.
QPoint taskWindowPlace(const QRect &moduleFrame, const QSize &taskFrame, const QRect &available);

} // namespace tasks
