// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/operationlog.h"

#include <algorithm>

int OperationLog::count(DrawingOperation::Kind kind) const
{
    return int(std::count_if(m_operations.begin(), m_operations.end(),
                             [kind](const DrawingOperation &op) { return op.kind == kind; }));
}

DrawingOperation DrawingOperation::line(double x1, double y1, double x2, double y2)
{
    DrawingOperation op;
    op.kind = Kind::Line;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    return op;
}

DrawingOperation DrawingOperation::point(double x, double y)
{
    DrawingOperation op;
    op.kind = Kind::Point;
    op.x1 = x;
    op.y1 = y;
    return op;
}

DrawingOperation DrawingOperation::penColour(SystemColour colour)
{
    DrawingOperation op;
    op.kind = Kind::Colour;
    op.colour = colour;
    return op;
}

DrawingOperation DrawingOperation::font(double size)
{
    DrawingOperation op;
    op.kind = Kind::Font;
    op.fontSize = size;
    return op;
}

DrawingOperation DrawingOperation::printedText(double x, double y, const QString &text)
{
    DrawingOperation op;
    op.kind = Kind::Text;
    op.x1 = x;
    op.y1 = y;
    op.text = text;
    return op;
}
