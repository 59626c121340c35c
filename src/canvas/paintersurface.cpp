// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/paintersurface.h"

#include <QFontMetricsF>
#include <QPainter>

PainterSurface::PainterSurface(const QPalette &palette) : m_palette(palette) {}

void PainterSurface::attachPainter(QPainter *painter, double deviceUnitsPerTwip, double penWidth)
{
    m_painter = painter;
    m_unitsPerTwip = deviceUnitsPerTwip;
    m_penWidth = penWidth;
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setFont(m_font);
    applyPen();
}

QPointF PainterSurface::toDevice(double x, double y) const
{
    return {x * m_unitsPerTwip, y * m_unitsPerTwip};
}

void PainterSurface::applyPen()
{
    if (!m_painter)
        return;
    QPen pen(systemColourShade(m_penColour, m_palette));
    pen.setWidthF(m_penWidth);
    m_painter->setPen(pen);
}

void PainterSurface::drawPendingLines()
{
    if (m_painter && !m_pendingLines.empty()) {
        if (m_joinConnectedLines)
            drawAsPolylines(m_pendingLines);
        else
            m_painter->drawLines(m_pendingLines.data(), int(m_pendingLines.size()));
    }
    m_pendingLines.clear();
}

void PainterSurface::drawAsPolylines(const std::vector<QLineF> &lines)
{
    QPolygonF run;
    const auto drawRun = [&] {
        if (run.size() > 1)
            m_painter->drawPolyline(run);
        run.clear();
    };
    for (const QLineF &line : lines) {
        if (run.isEmpty() || run.constLast() != line.p1()) {
            drawRun();
            run.append(line.p1());
        }
        run.append(line.p2());
    }
    drawRun();
}

void PainterSurface::record(const DrawingOperation &operation)
{
    m_drawing.add(operation);
    if (m_logging)
        m_log.add(operation);
}

void PainterSurface::forgetDrawing()
{
    m_pendingLines.clear();
    m_log.clear();
    m_drawing.clear();
}

void PainterSurface::redraw(const CompactDrawing &drawing, const OperationLog &log)
{
    drawing.replay(*this);
    m_log = log;
}

void PainterSurface::line(double x1, double y1, double x2, double y2)
{
    constexpr std::size_t batchSize = 4096;
    record(DrawingOperation::line(x1, y1, x2, y2));
    m_pendingLines.emplace_back(toDevice(x1, y1), toDevice(x2, y2));
    if (m_pendingLines.size() >= batchSize)
        drawPendingLines();
}

void PainterSurface::point(double x, double y)
{
    record(DrawingOperation::point(x, y));
    drawPendingLines();
    if (m_painter)
        m_painter->drawPoint(toDevice(x, y));
}

void PainterSurface::setPenColour(SystemColour colour)
{
    record(DrawingOperation::penColour(colour));
    drawPendingLines();
    m_penColour = colour;
    applyPen();
}

void PainterSurface::setFontSize(double points)
{
    record(DrawingOperation::font(points));
    drawPendingLines();
    m_font.setPointSizeF(points);
    if (m_painter)
        m_painter->setFont(m_font);
}

void PainterSurface::printText(const QString &text)
{
    record(DrawingOperation::printedText(m_currentX, m_currentY, text));
    drawPendingLines();
    if (!m_painter)
        return;
    // Text is placed by the top of its line; the next printText starts one line lower at the left.
    const QFontMetricsF metrics(m_font, m_painter->device());
    m_painter->drawText(toDevice(m_currentX, m_currentY) + QPointF(0, metrics.ascent()), text);
    m_currentX = 0;
    m_currentY += metrics.height() / m_unitsPerTwip;
}

double PainterSurface::textWidth(const QString &text) const
{
    if (!m_painter)
        return 0;
    return QFontMetricsF(m_font, m_painter->device()).horizontalAdvance(text) / m_unitsPerTwip;
}
