// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/resizerule.h"
#include "canvas/twips.h"

#include <gtest/gtest.h>

namespace {

TEST(ResizeRule, KeepsTheCanvasSquareInsideTheWindow)
{
    const DesignSize fd{9840, 6765, 6135};
    const DesignSize ff{9480, 6765, 6015};
    struct Row
    {
        const char *name;
        DesignSize design;
        double width;
        double height;
        float side;
    };
    const Row rows[] = {
        {"design size", fd, 9840, 6765, 6135},
        {"design size of the probability window", ff, 9480, 6765, 6015},
        {"wider only", fd, 12000, 6765, 6135},
        {"taller only", fd, 9840, 9000, 6135},
        {"larger both ways: the smaller excess", fd, 10840, 7265, 6635},
        {"smaller", fd, 9000, 6765, 5295},
        {"far too small", fd, 100, 100, 100},
        {"exactly zero stays zero", fd, 9840 - 6135, 6765, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(canvasSideFor(row.width, row.height, row.design), row.side);
    }
}

TEST(Twips, ConvertWithTheLogicalDpi)
{
    EXPECT_EQ(twipsToPixels(6135, 96), 409);
    EXPECT_EQ(twipsToPixels(7, 96), 0);
    EXPECT_EQ(twipsToPixels(8, 96), 1);
    EXPECT_EQ(twipsToPixels(1440, 144), 144);
    EXPECT_EQ(pixelsToTwips(409, 96), 6135);
    EXPECT_EQ(snappedToPixels(6140, 96), 6135);
    EXPECT_EQ(snappedToPixels(8980, 96), 8985);
}

} // namespace
