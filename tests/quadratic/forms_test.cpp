#include "modules/quadratic/quadratic.h"

#include "testsupport.h"

#include <gtest/gtest.h>

namespace quadratic {

void PrintTo(const CoefficientTexts &texts, std::ostream *os)
{
    *os << "a " << texts.a.toStdString() << ", b " << texts.b.toStdString() << ", c "
        << texts.c.toStdString() << ", p " << texts.p.toStdString() << ", q "
        << texts.q.toStdString();
}

} // namespace quadratic

using namespace quadratic;

namespace {

struct FormsRow
{
    const char *name;
    CoefficientTexts before;
    bool abcEdited;
    bool pqEdited;
    std::optional<CoefficientTexts> after;
};

CoefficientTexts texts(const char *a, const char *b, const char *c, const char *p, const char *q)
{
    return {QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c), QString::fromUtf8(p),
            QString::fromUtf8(q)};
}

void PrintTo(const FormsRow &row, std::ostream *os)
{
    *os << row.name;
}

class KeepFormsInLine : public testing::TestWithParam<FormsRow>
{
};

TEST_P(KeepFormsInLine, TheGroupEditedLastWins)
{
    const FormsRow &row = GetParam();
    EXPECT_EQ(keepFormsInLine(row.before, row.abcEdited, row.pqEdited), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeepFormsInLine,
    testing::Values(FormsRow{"NothingEditedChangesNothing", texts("2", "x", "y", "z", "w"), false,
                             false, texts("2", "x", "y", "z", "w")},
                    FormsRow{"StandardFormGivesTheVertex", texts("1", "-2", "-3", "0", "0"), true,
                             false, texts("1", "-2", "-3", " 1", "-4")},
                    // The new b and c count as an edit of the standard form, so p and q are written
                    // back in the program's number text.
                    FormsRow{"VertexFormGivesBAndC", texts("2", "0", "0", "1", "3"), false, true,
                             texts("2", "-4", " 5", " 1", " 3")},
                    FormsRow{"UnchangedBAndCLeaveTheVertexAsTyped",
                             texts("1", " 0", " 0", "0", "0"), false, true,
                             texts("1", " 0", " 0", "0", "0")},
                    FormsRow{"AReadingAsZeroBecomesOneHundredth", texts("0.0", "1", "0", "0", "0"),
                             true, false, texts("0.01", "1", "0", "-50", "-25")},
                    FormsRow{"OverflowingBLeavesEverything", texts("1", "0", "0", "1e400", "0"),
                             false, true, std::nullopt},
                    FormsRow{"OverflowingQLeavesEverything",
                             texts("1e-300", "1e300", "0", "0", "0"), true, false, std::nullopt}),
    rowName<FormsRow>);

} // namespace
