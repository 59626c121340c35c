// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/graphcanvas.h"
#include "canvas/recordingsurface.h"

#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

// Writes two lines of text from the same place and returns where each landed.
std::vector<DrawingOperation> printTwoLines(DrawingSurface &surface, const OperationLog &log)
{
    surface.setFontSize(8);
    surface.setCurrentX(100);
    surface.setCurrentY(200);
    surface.printText(QStringLiteral("0.5"));
    surface.printText(QStringLiteral("1"));
    return log.operations();
}

TEST(TextPlacement, ARecordingMeasuresAndPlacesTextAsTheCanvasDoes)
{
    GraphCanvas canvas;
    canvas.setOperationLogging(true);
    canvas.setSide(6015);
    RecordingSurface recording(6015, 6015);

    const std::vector<DrawingOperation> onCanvas = printTwoLines(canvas, canvas.log());
    const std::vector<DrawingOperation> recorded = printTwoLines(recording, recording.log());
    ASSERT_EQ(onCanvas.size(), 3u);
    EXPECT_EQ(recorded, onCanvas);

    const QString label = QStringLiteral("Relative frequency");
    EXPECT_GT(recording.textWidth(label), 0);
    EXPECT_NEAR(recording.textWidth(label), canvas.textWidth(label), 15);
}

} // namespace
