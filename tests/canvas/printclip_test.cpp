// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/printersurface.h"

#include "testsupport.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// At 96 dots per inch a pixel is 15 twips: the graph's square of 1500 twips is 100 pixels.
TEST(PrintedPage, ShowsNothingBeyondTheGraphsSquare)
{
    PrintedPage page;
    page.graphSquare = QRectF(0, 0, 1500, 1500);
    page.operations.add(DrawingOperation::line(750, 750, 750, 30000)); // a branch towards a pole
    page.operations.add(DrawingOperation::point(750, 3500));           // its clamped sample
    page.operations.add(DrawingOperation::line(0, 1500, 1500, 1500));  // the square's border

    QImage paper(300, 300, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    paintPage(painter, 96, page);
    painter.end();

    EXPECT_EQ(paper.pixelColor(50, 90), Qt::black);
    EXPECT_EQ(paper.pixelColor(20, 100), Qt::black);
    EXPECT_EQ(paper.pixelColor(50, 120), Qt::white);
    EXPECT_EQ(paper.pixelColor(50, 233), Qt::white);
}

} // namespace
