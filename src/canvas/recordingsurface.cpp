#include "canvas/recordingsurface.h"

void RecordingSurface::Line(double x1, double y1, double x2, double y2)
{
    m_log.add(DrawingOperation::line(x1, y1, x2, y2));
}

void RecordingSurface::PSet(double x, double y)
{
    m_log.add(DrawingOperation::point(x, y));
}

void RecordingSurface::ForeColor(const QColor &colour)
{
    m_log.add(DrawingOperation::penColour(colour));
}

void RecordingSurface::FontSize(double points)
{
    m_fontSize = points;
    m_log.add(DrawingOperation::font(points));
}

void RecordingSurface::Print(const QString &text)
{
    m_log.add(DrawingOperation::printedText(m_currentX, m_currentY, text));
    // A recording has no font to measure: a line is taken as the font size in twips.
    m_currentX = 0;
    m_currentY += m_fontSize * 20;
}
