// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/identity.h"

#include "testsupport.h"

namespace {

using namespace Qt::StringLiterals;

struct IdentityRow
{
    const char *name;
    QStringList fileLines;
    QString typed;
    bool opens;
};

class IdentityGate : public testing::TestWithParam<IdentityRow>
{
};

TEST_P(IdentityGate, OpensForTheLastLineThatIsNotEmptyAlone)
{
    EXPECT_EQ(identityOpensEditor(GetParam().fileLines, GetParam().typed), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IdentityGate,
    testing::Values(IdentityRow{"LastLine", {u"first"_s, u"secret"_s}, u"secret"_s, true},
                    IdentityRow{"EarlierLine", {u"first"_s, u"secret"_s}, u"first"_s, false},
                    IdentityRow{"EmptyLinesAfterIt", {u"secret"_s, {}, {}}, u"secret"_s, true},
                    IdentityRow{"EmptyIdentity", {u"secret"_s, {}}, {}, false},
                    IdentityRow{"OnlyEmptyLines", {{}, {}}, {}, false},
                    IdentityRow{"NoLine", {}, {}, false},
                    IdentityRow{"LetterCase", {u"Secret"_s}, u"secret"_s, false},
                    IdentityRow{"Blanks", {u"secret "_s}, u"secret"_s, false}),
    rowName<IdentityRow>);

} // namespace
