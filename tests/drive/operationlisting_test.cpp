// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "operationlisting.h"

#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

TEST(DescribePrintJob, CountsOverAllPagesThenListsEveryOperation)
{
    OperationLog first;
    first.add(DrawingOperation::penColour(SystemColour::ActiveTitle));
    first.add(DrawingOperation::line(-2000, 0.5, 3062.5, 1e20));
    first.add(DrawingOperation::point(10, 20));
    OperationLog second;
    second.add(DrawingOperation::font(8.25));
    second.add(DrawingOperation::printedText(100, 200, QStringLiteral("y = \"x\"")));
    second.add(DrawingOperation::line(0, 0, 1, 1));

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
