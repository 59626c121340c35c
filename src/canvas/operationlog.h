// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/systemcolour.h"

#include <QString>

#include <vector>

// One drawing operation as a surface performed it.
struct DrawingOperation
{
    enum class Kind : unsigned char
    {
        Line,
        Point,
        Colour,
        Font,
        Text
    };

    Kind kind = Kind::Line;
    double x1 = 0; // Line: start; Point and Text: position
    double y1 = 0;
    double x2 = 0; // Line: end
    double y2 = 0;
    double fontSize = 0;
    SystemColour colour = SystemColour::ButtonText;
    QString text;

    static DrawingOperation line(double x1, double y1, double x2, double y2);
    static DrawingOperation point(double x, double y);
    static DrawingOperation penColour(SystemColour colour);
    static DrawingOperation font(double size);
    static DrawingOperation printedText(double x, double y, const QString &text);

    bool operator==(const DrawingOperation &) const = default;
};

// What a surface drew since it was last cleared: tests and the scenario runner read it.
class OperationLog
{
public:
    void clear() { m_operations.clear(); }
    void add(const DrawingOperation &operation) { m_operations.push_back(operation); }

    const std::vector<DrawingOperation> &operations() const { return m_operations; }
    int count(DrawingOperation::Kind kind) const;
    int lineCount() const { return count(DrawingOperation::Kind::Line); }
    int pointCount() const { return count(DrawingOperation::Kind::Point); }

private:
    std::vector<DrawingOperation> m_operations;
};
