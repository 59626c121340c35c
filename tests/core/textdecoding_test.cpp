#include "core/textfile.h"

#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

struct DecodingRow
{
    const char *name;
    QByteArray bytes;
    QString text;
};

class DecodeText : public testing::TestWithParam<DecodingRow>
{
};

TEST_P(DecodeText, ChoosesUtf8OnlyWhenTheBytesAreUtf8)
{
    EXPECT_EQ(decodeText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecodeText,
    testing::Values(
        DecodingRow{"PlainAscii", QByteArrayLiteral("secret\r\n"), QStringLiteral("secret\r\n")},
        DecodingRow{"Windows1252Letter", QByteArrayLiteral("caf\xe9"), QStringLiteral("café")},
        DecodingRow{"Windows1252EuroSign", QByteArrayLiteral("\x80 5"), QStringLiteral("€ 5")},
        DecodingRow{"Utf8Letter", QByteArrayLiteral("caf\xc3\xa9"), QStringLiteral("café")},
        DecodingRow{"Utf8WithByteOrderMark", QByteArrayLiteral("\xef\xbb\xbfpw"),
                    QStringLiteral("pw")},
        DecodingRow{"ByteOrderMarkAlone", QByteArrayLiteral("\xef\xbb\xbf"), QString()},
        DecodingRow{"Utf8WithAnInvalidByteIsWindows1252", QByteArrayLiteral("\xc3\xa9\xe9"),
                    QStringLiteral("Ã©é")},
        DecodingRow{"TruncatedUtf8IsWindows1252", QByteArrayLiteral("caf\xc3"),
                    QStringLiteral("cafÃ")},
        DecodingRow{"Empty", QByteArray(), QString()}),
    rowName<DecodingRow>);

} // namespace
