// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/recordingsurface.h"

#include "canvas/twips.h"

#include <QFontMetricsF>

namespace {

// The logical resolution of the screen that canvases are drawn for.
constexpr double screenDotsPerInch = 96;

} // namespace

void RecordingSurface::line(double x1, double y1, double x2, double y2)
{
    m_log.add(DrawingOperation::line(x1, y1, x2, y2));
}

void RecordingSurface::point(double x, double y)
{
    m_log.add(DrawingOperation::point(x, y));
}

void RecordingSurface::setPenColour(SystemColour colour)
{
    m_log.add(DrawingOperation::penColour(colour));
}

void RecordingSurface::setFontSize(double points)
{
    m_font.setPointSizeF(points);
    m_log.add(DrawingOperation::font(points));
}

void RecordingSurface::printText(const QString &text)
{
    m_log.add(DrawingOperation::printedText(m_currentX, m_currentY, text));
    m_currentX = 0;
    m_currentY += pixelsToTwips(QFontMetricsF(m_font).height(), screenDotsPerInch);
}

double RecordingSurface::textWidth(const QString &text) const
{
    return pixelsToTwips(QFontMetricsF(m_font).horizontalAdvance(text), screenDotsPerInch);
}
