// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/worldframe.h"

#include "canvas/drawingsurface.h"
#include "core/numbertext.h"

#include <QCoreApplication>

WorldFrame WorldFrame::onSurface(const DrawingSurface &surface, double scale)
{
    return WorldFrame(double(surface.widthInTwips()) - 10, double(surface.heightInTwips()) - 10,
                      scale);
}

QString worldPointText(const FrameMapping &frame, double X, double Y)
{
    const std::optional<QString> x = numberText(roundThreeDecimals(frame.x(X)));
    const std::optional<QString> y = numberText(roundThreeDecimals(frame.y(Y)));
    if (!x || !y)
        return {};
    //: The point under the mouse pointer on a graph.
    return QCoreApplication::translate("WorldFrame", "x = %1, y = %2")
        .arg(x->trimmed(), y->trimmed());
}
