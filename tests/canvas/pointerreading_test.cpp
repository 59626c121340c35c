// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/worldframe.h"

#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

// On a 6135-twip canvas W = H = 6125, so the origin lies at (3062.5, 3062.5).
TEST(WorldPointText, ReadsTheWorldPointUnderTheSurfacePoint)
{
    struct Row
    {
        const char *name;
        double W, s, X, Y;
        const char *text;
    };
    // clang-format off
    const Row rows[] = {
        {"origin", 6125, 8, 3062.5, 3062.5, "x = 0, y = 0"},
        {"top left corner", 6125, 8, 0, 0, "x = -8, y = 8"},
        {"three decimals rounded half up", 6125, 10, 3063, 3062, "x = .002, y = .002"},
        {"negative below the axis", 6125, 8, 3062.5, 4593.75, "x = 0, y = -4"},
        {"a canvas without room has no reading", 0, 8, 100, 100, ""},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(worldPointText(WorldFrame(row.W, row.W, row.s), row.X, row.Y),
                  QString::fromUtf8(row.text));
    }
}

} // namespace
