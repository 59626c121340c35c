// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "kit/placement.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A window opened at its design client size measures its design size, also where that size is
// no whole number of pixels (8980 by 6325 twips of client area is 598.7 by 421.7 pixels).
TEST(Placement, MeasuresAWindowFromItsDesignSize)
{
    const DesignSize fg{9100, 6730, 6135};
    QWidget window;
    resizeClientInTwips(&window, fg.width - designFrameWidth, fg.height - designFrameHeight);
    EXPECT_EQ(outerSizeInTwips(&window, fg), QSizeF(9100, 6730));
    EXPECT_EQ(canvasSideFor(9100, 6730, fg), 6135);

    window.resize(window.width() + 10, window.height() + 20);
    EXPECT_EQ(outerSizeInTwips(&window, fg), QSizeF(9250, 7030));
}

} // namespace
