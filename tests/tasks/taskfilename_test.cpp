// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "tasks/taskfilename.h"

#include "testsupport.h"

// The names of the worked saves ("t", "Parabolas", an empty name, a name with / or \) and the
// files each module lists (lower case, hidden, other modules and numbers, other files) are pinned
// by the editor-teacher, editor-refusals and task-pupil scenarios.

namespace {

using namespace tasks;
using namespace Qt::StringLiterals;

TEST(TaskFileName, IsTheNameInCapitalsThenOpAndTheModuleNumberText)
{
    EXPECT_EQ(taskFileName(u"Roots 2"_s, 6), u"ROOTS 2.OP 6"_s);
    EXPECT_EQ(taskFileName(u"één"_s, 1), u"ÉÉN.OP 1"_s);
    EXPECT_EQ(taskFileName(u"x"_s, 0), u"X.OP 0"_s);
    EXPECT_EQ(taskFilePattern(0), u"*.op 0"_s);
}

TEST(TaskFileName, RefusesOnlyPathSeparators)
{
    EXPECT_TRUE(isUsableTaskName(u".."_s));
    EXPECT_TRUE(isUsableTaskName(u"roots: a *first* try?"_s));
    EXPECT_FALSE(isUsableTaskName(u"/"_s));
}

TEST(TaskFilePattern, MatchesWholeNamesWithoutRegardToCase)
{
    // clang-format off
    const std::tuple<const char *, const char *, bool> rows[] = {
        {"MY ROOTS.OP 3", "*.op 3", true},
        {"ROOTS.OP3", "*.op 3", false},
        {"ROOTS.OP 3.bak", "*.op 3", false},
        {"ROOTS.OP 3 ", "*.op 3", false},
        {"AB", "A?", true},
        {"ABC", "A?", false},
    };
    // clang-format on
    for (const auto &[fileName, pattern, matches] : rows)
        EXPECT_EQ(matchesPattern(QString::fromUtf8(fileName), QString::fromUtf8(pattern)), matches)
            << fileName << " against " << pattern;
}

} // namespace
