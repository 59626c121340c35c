// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/graphpicture.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Row
{
    const char *name;
    QString typed;
    QString chosenType;
    QString saved;
};

class PictureFileNameTest : public testing::TestWithParam<Row>
{
};

TEST_P(PictureFileNameTest, ANameWithoutAPictureExtensionGetsTheChosenTypes)
{
    EXPECT_EQ(pictureFileName(GetParam().typed, GetParam().chosenType), GetParam().saved);
}

const Row rows[] = {
    {"BareNameGetsTheChosenType", u"/tmp/graph"_s, u"SVG (*.svg)"_s, u"/tmp/graph.svg"_s},
    {"AllPicturesMeansPng", u"graph"_s, u"Pictures (*.png *.svg *.pdf)"_s, u"graph.png"_s},
    {"OtherExtensionIsKept", u"graph.v2"_s, u"PDF (*.pdf)"_s, u"graph.v2.pdf"_s},
    {"PictureExtensionWins", u"graph.PDF"_s, u"PNG (*.png)"_s, u"graph.PDF"_s},
    {"NoTypeChosen", u"graph"_s, QString(), u"graph"_s},
};

INSTANTIATE_TEST_SUITE_P(Rows, PictureFileNameTest, testing::ValuesIn(rows), rowName<Row>);

} // namespace
