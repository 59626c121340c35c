// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/drawresult.h"
#include "canvas/operationlog.h"

#include <QLatin1StringView>
#include <QPoint>
#include <QString>
#include <QStringView>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class DrawingSurface;
class FrameMapping;

// Names each row of a data-driven test by the row's own `name`:
//   INSTANTIATE_TEST_SUITE_P(Rows, NumberTextTest, testing::ValuesIn(rows), rowName<Row>);
template <typename Row> std::string rowName(const testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

// Lets GoogleTest print Qt strings and drawing operations as readable text when a comparison
// fails.
void PrintTo(const QString &text, std::ostream *os);
void PrintTo(QStringView text, std::ostream *os);
void PrintTo(QLatin1StringView text, std::ostream *os);
void PrintTo(const std::optional<QString> &text, std::ostream *os);
void PrintTo(const DrawingOperation &operation, std::ostream *os);

using Operations = std::vector<DrawingOperation>;

// A drawing recorded on a surface that fits its frame (the frame's size plus 10 twips), split
// after as many operations as the frame alone draws (drawFrame with the same grid setting).
struct SplitDrawing
{
    DrawResult result;
    Operations frame;
    Operations curve;
};
SplitDrawing drawnAfterFrame(const FrameMapping &frame, bool grid,
                             const std::function<DrawResult(DrawingSurface &)> &draw);

// How many operations of the given kind a list holds.
long countOf(const Operations &operations, DrawingOperation::Kind kind);

void PrintTo(const QPoint &point, std::ostream *os);
