// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/graphcanvas.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace {

TEST(GraphCanvas, KeepsWhatIsDrawnUntilCleared)
{
    GraphCanvas canvas;
    canvas.setOperationLogging(true);
    canvas.setSide(6135);
    EXPECT_EQ(canvas.widthInTwips(), 6135);
    EXPECT_EQ(canvas.width(), 409);

    const QColor background = canvas.palette().color(QPalette::Base);
    canvas.line(0, 3000, 6000, 3000);
    canvas.point(1500, 1500);
    EXPECT_EQ(canvas.log().lineCount(), 1);
    EXPECT_EQ(canvas.log().pointCount(), 1);
    EXPECT_NE(canvas.image().pixelColor(200, 200), background);
    EXPECT_NE(canvas.image().pixelColor(100, 100), background);

    canvas.clear();
    EXPECT_TRUE(canvas.log().operations().empty());
    EXPECT_EQ(canvas.image().pixelColor(200, 200), background);

    canvas.line(0, 0, 6000, 6000);
    canvas.setSide(3000);
    EXPECT_TRUE(canvas.log().operations().empty());
    EXPECT_EQ(canvas.heightInTwips(), 3000);
}

// At 96 dpi a pixel is 15 twips: 6140 twips show as 409 pixels, 100 twips as 7.
TEST(GraphCanvas, MeasuresTheWholePixelsItShows)
{
    GraphCanvas canvas;
    for (const auto &[side, measured] : {std::pair{6140.0f, 6135.0f}, std::pair{100.0f, 105.0f}}) {
        SCOPED_TRACE(side);
        canvas.setSide(side);
        EXPECT_EQ(canvas.widthInTwips(), measured);
        EXPECT_EQ(canvas.heightInTwips(), measured);
    }
}

TEST(GraphCanvas, KeepsNoLogUnlessAsked)
{
    GraphCanvas canvas;
    canvas.setSide(6135);
    canvas.line(0, 3000, 6000, 3000);
    EXPECT_TRUE(canvas.log().operations().empty());
    EXPECT_NE(canvas.image().pixelColor(200, 200), canvas.palette().color(QPalette::Base));
}

} // namespace
