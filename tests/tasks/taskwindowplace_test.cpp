// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "tasks/taskwindowplace.h"

#include "testsupport.h"

namespace {

using namespace tasks;

// A screen of 1366 × 768 and a task window frame of 800 × 150.
const QRect screen(0, 0, 1366, 768);
const QSize task(800, 150);

struct PlaceRow
{
    const char *name;
    QRect module;
    QPoint place;
};

class TaskWindowPlace : public testing::TestWithParam<PlaceRow>
{
};

TEST_P(TaskWindowPlace, IsBelowOrWhereItCoversLeast)
{
    EXPECT_EQ(taskWindowPlace(GetParam().module, task, screen), GetParam().place);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TaskWindowPlace,
    testing::Values(PlaceRow{"Below", {100, 160, 570, 450}, {100, 610}},
                    PlaceRow{"BelowKeptOnTheScreen", {900, 100, 570, 450}, {566, 550}},
                    PlaceRow{"AboveWhenNoRoomBelow", {100, 300, 570, 450}, {100, 150}},
                    PlaceRow{"BesideWhenNeither", {100, 100, 400, 600}, {500, 100}},
                    PlaceRow{"LeastCoveredWhenNowhereIsFree", {300, 100, 900, 600}, {300, 0}}),
    rowName<PlaceRow>);

} // namespace
