// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "testsupport.h"

#include "canvas/framedrawing.h"
#include "canvas/recordingsurface.h"
#include "canvas/worldframe.h"

#include <algorithm>

void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(QStringView text, std::ostream *os)
{
    PrintTo(text.toString(), os);
}

void PrintTo(QLatin1StringView text, std::ostream *os)
{
    PrintTo(QString(text), os);
}

void PrintTo(const std::optional<QString> &text, std::ostream *os)
{
    if (text)
        PrintTo(*text, os);
    else
        *os << "(none)";
}

void PrintTo(const DrawingOperation &operation, std::ostream *os)
{
    using Kind = DrawingOperation::Kind;
    switch (operation.kind) {
    case Kind::Line:
        *os << "line " << operation.x1 << ' ' << operation.y1 << ' ' << operation.x2 << ' '
            << operation.y2;
        return;
    case Kind::Point:
        *os << "point " << operation.x1 << ' ' << operation.y1;
        return;
    case Kind::Colour:
        *os << "colour " << systemColourName(operation.colour).toStdString();
        return;
    case Kind::Font:
        *os << "font " << operation.fontSize;
        return;
    case Kind::Text:
        *os << "print " << operation.x1 << ' ' << operation.y1 << " \""
            << operation.text.toStdString() << '"';
        return;
    }
}

SplitDrawing drawnAfterFrame(const FrameMapping &frame, bool grid,
                             const std::function<DrawResult(DrawingSurface &)> &draw)
{
    const float width = float(frame.W + 10);
    const float height = float(frame.H + 10);
    RecordingSurface frameAlone(width, height);
    drawFrame(frameAlone, frame, grid);
    RecordingSurface surface(width, height);
    const DrawResult result = draw(surface);
    const Operations &all = surface.log().operations();
    const auto split =
        all.begin() + std::ptrdiff_t(std::min(all.size(), frameAlone.log().operations().size()));
    return {result, {all.begin(), split}, {split, all.end()}};
}

long countOf(const Operations &operations, DrawingOperation::Kind kind)
{
    return std::count_if(
        operations.begin(), operations.end(),
        [kind](const DrawingOperation &operation) { return operation.kind == kind; });
}

void PrintTo(const QPoint &point, std::ostream *os)
{
    *os << '(' << point.x() << ", " << point.y() << ')';
}
