// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/compactdrawing.h"
#include "canvas/recordingsurface.h"

#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

TEST(CompactDrawing, DrawsTheSameOperationsAgain)
{
    // Coordinates a single-precision float holds exactly, as twips on a canvas do in practice.
    RecordingSurface original(6135, 6135);
    original.setPenColour(SystemColour::Desktop);
    original.line(0, 3062.5, 6125, 3062.5);
    original.point(10, -2000);
    original.setFontSize(8.25);
    original.setCurrentX(300);
    original.setCurrentY(5800);
    original.printText(QStringLiteral("0.5"));
    original.line(-2000.25, 0.125, 1e6, 12);

    CompactDrawing drawing;
    for (const DrawingOperation &operation : original.log().operations())
        drawing.add(operation);
    EXPECT_EQ(drawing.operationCount(), 6);

    RecordingSurface replayed(6135, 6135);
    drawing.replay(replayed);
    EXPECT_EQ(replayed.log().operations(), original.log().operations());

    drawing.clear();
    RecordingSurface empty(6135, 6135);
    drawing.replay(empty);
    EXPECT_TRUE(empty.log().operations().empty());
}

TEST(CompactDrawing, KeepsALineInAboutTwentyBytes)
{
    CompactDrawing drawing;
    constexpr int lines = 100000;
    for (int i = 0; i < lines; ++i)
        drawing.add(DrawingOperation::line(i, i + 1, i + 2, i + 3));
    EXPECT_LE(double(drawing.bytesUsed()) / lines, 20.0);
}

} // namespace
