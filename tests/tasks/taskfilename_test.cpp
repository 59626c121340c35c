#include "tasks/taskfilename.h"

#include "testsupport.h"

namespace {

using namespace tasks;

TEST(TaskFileName, IsTheNameInCapitalsThenOpAndTheModuleNumberText)
{
    EXPECT_EQ(taskFileName(QStringLiteral("roots"), 3), QStringLiteral("ROOTS.OP 3"));
    EXPECT_EQ(taskFileName(QStringLiteral("Roots 2"), 6), QStringLiteral("ROOTS 2.OP 6"));
    EXPECT_EQ(taskFileName(QString(), 4), QStringLiteral(".OP 4"));
    EXPECT_EQ(taskFileName(QStringLiteral("één"), 1), QStringLiteral("ÉÉN.OP 1"));
    EXPECT_EQ(taskFileName(QStringLiteral("x"), 0), QStringLiteral("X.OP 0"));
}

TEST(TaskFileName, RefusesOnlyPathSeparators)
{
    EXPECT_TRUE(isUsableTaskName(QString()));
    EXPECT_TRUE(isUsableTaskName(QStringLiteral("..")));
    EXPECT_TRUE(isUsableTaskName(QStringLiteral("roots: a *first* try?")));
    EXPECT_FALSE(isUsableTaskName(QStringLiteral("sub/roots")));
    EXPECT_FALSE(isUsableTaskName(QStringLiteral("..\\roots")));
    EXPECT_FALSE(isUsableTaskName(QStringLiteral("/")));
}

TEST(TaskFilePattern, IsStarOpAndTheModuleNumberText)
{
    EXPECT_EQ(taskFilePattern(3), QStringLiteral("*.op 3"));
    EXPECT_EQ(taskFilePattern(8), QStringLiteral("*.op 8"));
    EXPECT_EQ(taskFilePattern(0), QStringLiteral("*.op 0"));
}

struct MatchRow
{
    const char *name;
    const char *fileName;
    const char *pattern;
    bool matches;
};

class MatchesPatternTest : public testing::TestWithParam<MatchRow>
{
};

TEST_P(MatchesPatternTest, MatchesWholeNamesWithoutRegardToCase)
{
    const MatchRow &row = GetParam();
    EXPECT_EQ(matchesPattern(QString::fromUtf8(row.fileName), QString::fromUtf8(row.pattern)),
              row.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MatchesPatternTest,
    testing::Values(MatchRow{"SavedName", "ROOTS.OP 3", "*.op 3", true},
                    MatchRow{"LowerCaseName", "roots.op 3", "*.op 3", true},
                    MatchRow{"EmptyNameIsHidden", ".OP 3", "*.op 3", true},
                    MatchRow{"BlankInsideTheName", "MY ROOTS.OP 3", "*.op 3", true},
                    MatchRow{"OtherModule", "ROOTS.OP 4", "*.op 3", false},
                    MatchRow{"LongerNumber", "ROOTS.OP 13", "*.op 1", false},
                    MatchRow{"NoBlank", "ROOTS.OP3", "*.op 3", false},
                    MatchRow{"TrailingExtension", "ROOTS.OP 3.bak", "*.op 3", false},
                    MatchRow{"TrailingBlank", "ROOTS.OP 3 ", "*.op 3", false},
                    MatchRow{"NoModuleChosen", "ROOTS.OP 0", "*.op 0", true},
                    MatchRow{"NotATaskFile", "readme.txt", "*.op 3", false},
                    MatchRow{"QuestionMarkIsOneCharacter", "AB", "A?", true},
                    MatchRow{"QuestionMarkIsNotTwo", "ABC", "A?", false}),
    rowName<MatchRow>);

} // namespace
