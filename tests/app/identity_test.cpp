// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/identity.h"

#include "testsupport.h"

namespace {

using namespace Qt::StringLiterals;

TEST(IdentityGate, OpensForTheLastLineThatIsNotEmptyAlone)
{
    struct Row
    {
        const char *name;
        QStringList fileLines;
        QString typed;
        bool opens;
    };
    // clang-format off
    const Row rows[] = {
        {"last line", {u"first"_s, u"secret"_s}, u"secret"_s, true},
        {"earlier line", {u"first"_s, u"secret"_s}, u"first"_s, false},
        {"empty lines after it", {u"secret"_s, {}, {}}, u"secret"_s, true},
        {"empty identity", {u"secret"_s, {}}, {}, false},
        {"only empty lines", {{}, {}}, {}, false},
        {"no line", {}, {}, false},
        {"letter case", {u"Secret"_s}, u"secret"_s, false},
        {"blanks", {u"secret "_s}, u"secret"_s, false},
    };
    // clang-format on
    for (const Row &row : rows)
        EXPECT_EQ(identityOpensEditor(row.fileLines, row.typed), row.opens) << row.name;
}

} // namespace
