// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "operationlisting.h"

#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

using Kind = DrawingOperation::Kind;

DrawingOperation operation(Kind kind, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0)
{
    DrawingOperation result;
    result.kind = kind;
    result.x1 = x1;
    result.y1 = y1;
    result.x2 = x2;
    result.y2 = y2;
    return result;
}

TEST(DescribePrintJob, CountsOverAllPagesThenListsEveryOperation)
{
    DrawingOperation colour = operation(Kind::Colour);
    colour.colour = SystemColour::ActiveTitle;
    DrawingOperation font = operation(Kind::Font);
    font.fontSize = 8.25;
    DrawingOperation text = operation(Kind::Text, 100, 200);
    text.text = QStringLiteral("y = \"x\"");

    OperationLog first;
    first.add(colour);
    first.add(operation(Kind::Line, -2000, 0.5, 3062.5, 1e20));
    first.add(operation(Kind::Point, 10, 20));
    OperationLog second;
    second.add(font);
    second.add(text);
    second.add(operation(Kind::Line, 0, 0, 1, 1));

    const QStringList expected = {
        QStringLiteral("pages 2 lines 2 points 1"),
        QStringLiteral("colour activetitle"),
        QStringLiteral("line -2000 0.5 3062.5 100000000000000000000"),
        QStringLiteral("point 10 20"),
        QStringLiteral("font 8.25"),
        QStringLiteral("print 100 200 \"y = \\\"x\\\"\""),
        QStringLiteral("line 0 0 1 1"),
    };
    EXPECT_EQ(describePrintJob({{first, {}}, {second, {}}}), expected);
}

} // namespace
