// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "tasks/taskwindowplace.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tasks {

namespace {

// A frame's top left corner moved as little as needed to keep the frame on the area; a frame
// larger than the area keeps its top left corner on it.
QPoint keptOn(QPoint place, const QSize &frame, const QRect &available)
{
    place.setX(std::clamp(place.x(), available.left(),
                          std::max(available.left(), available.right() + 1 - frame.width())));
    place.setY(std::clamp(place.y(), available.top(),
                          std::max(available.top(), available.bottom() + 1 - frame.height())));
    return place;
}

qint64 coveredArea(const QRect &a, const QRect &b)
{
    const QRect overlap = a.intersected(b);
    return overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
}

} // namespace

QPoint taskWindowPlace(const QRect &moduleFrame, const QSize &taskFrame, const QRect &available)
{
    const QPoint below = keptOn(moduleFrame.bottomLeft() + QPoint(0, 1), taskFrame, available);
    if (below.y() > moduleFrame.bottom())
        return below;
    const std::array candidates = {
        QPoint(moduleFrame.left(), moduleFrame.top() - taskFrame.height()),
        QPoint(moduleFrame.right() + 1, moduleFrame.top()),
        QPoint(moduleFrame.left() - taskFrame.width(), moduleFrame.top()), below};
    QPoint best = below;
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (const QPoint &candidate : candidates) {
        const QPoint place = keptOn(candidate, taskFrame, available);
        const qint64 covered = coveredArea(QRect(place, taskFrame), moduleFrame);
        if (covered < leastCovered) {
            leastCovered = covered;
            best = place;
        }
    }
    return best;
}

} // namespace tasks
