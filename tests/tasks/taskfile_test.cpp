#include "tasks/taskfile.h"

#include "core/textfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace tasks;
using namespace Qt::StringLiterals;

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// ---- Writing ----

struct WriteRow
{
    const char *name;
    const char *task;
    const char *hint;
    const char *conclusion;
    QByteArray bytes;
};

class EncodeTaskTest : public testing::TestWithParam<WriteRow>
{
};

TEST_P(EncodeTaskTest, WritesTheFiveParts)
{
    const WriteRow &row = GetParam();
    const auto encoded = encodeTask({text(row.task), text(row.hint), text(row.conclusion)});
    ASSERT_TRUE(std::holds_alternative<QByteArray>(encoded));
    EXPECT_EQ(std::get<QByteArray>(encoded), row.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EncodeTaskTest,
    testing::Values(
        WriteRow{"OneCharacterEach", "T", "H", "C",
                 QByteArray("T\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC\r\n")},
        WriteRow{"TwoLineTask", "ab\r\ncd", "H", "C",
                 QByteArray("ab\r\ncd\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC\r\n")},
        WriteRow{"EmptyTexts", "", "", "", QByteArray("\r\n\r\n$\r\n\r\n\r\n\r\n$\r\n\r\n\r\n")},
        WriteRow{"DollarWithBlanksIsAnOrdinaryLine", " $", "$ ", "$$",
                 QByteArray(" $\r\n\r\n$\r\n\r\n$ \r\n\r\n$\r\n\r\n$$\r\n")},
        WriteRow{"Windows1252", "café €5", "ß", "½",
                 QByteArray("caf\xe9 \x80"
                            "5\r\n\r\n$\r\n\r\n\xdf\r\n\r\n$\r\n\r\n\xbd\r\n")},
        // "×½" is D7 BD in Windows-1252: valid UTF-8, which reads as U+05FD.
        WriteRow{"Windows1252ThatReadsAsUtf8", "3×½", "H", "C",
                 QByteArray("\xef\xbb\xbf"
                            "3\xc3\x97\xc2\xbd\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC\r\n")}),
    rowName<WriteRow>);

TEST(EncodeTask, TheOneCharacterTaskIs23Bytes)
{
    const auto encoded = encodeTask({text("T"), text("H"), text("C")});
    EXPECT_EQ(std::get<QByteArray>(encoded).size(), 23);
}

struct RefusalRow
{
    const char *name;
    const char *task;
    const char *hint;
    const char *conclusion;
    Refusal refusal;
};

class RefusedTaskTest : public testing::TestWithParam<RefusalRow>
{
};

TEST_P(RefusedTaskTest, SaysWhyAndGivesNoBytes)
{
    const RefusalRow &row = GetParam();
    const auto encoded = encodeTask({text(row.task), text(row.hint), text(row.conclusion)});
    ASSERT_TRUE(std::holds_alternative<Refusal>(encoded));
    const Refusal &refusal = std::get<Refusal>(encoded);
    EXPECT_EQ(refusal.reason, row.refusal.reason);
    EXPECT_EQ(refusal.section, row.refusal.section);
    EXPECT_EQ(refusal.characters, row.refusal.characters);
}

constexpr auto separatorLine = Refusal::Reason::SeparatorLine;
constexpr auto unencodable = Refusal::Reason::UnencodableCharacters;

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedTaskTest,
    testing::Values(
        RefusalRow{
            "DollarLineInsideTheTask", "a\r\n$\r\nb", "", "", {separatorLine, Section::Task, {}}},
        RefusalRow{"HintIsADollar", "", "$", "", {separatorLine, Section::Hint, {}}},
        RefusalRow{"DollarLineEndsTheConclusion",
                   "",
                   "",
                   "c\r\n$",
                   {separatorLine, Section::Conclusion, {}}},
        RefusalRow{"DollarAfterALoneLineFeed", "a\n$", "", "", {separatorLine, Section::Task, {}}},
        RefusalRow{"FirstOfTwoDollarLines", "", "$", "$", {separatorLine, Section::Hint, {}}},
        RefusalRow{
            "MathematicalSigns", "√x ≤ √y", "", "", {unencodable, Section::Task, text("√≤")}},
        RefusalRow{"CharactersOfEveryText",
                   "π",
                   "a",
                   "x → ∞ and π",
                   {unencodable, Section::Task, text("π→∞")}},
        RefusalRow{"BeyondTheBasicPlane", "😀", "", "", {unencodable, Section::Task, text("😀")}},
        RefusalRow{"ZeroWidthNoBreakSpace",
                   "",
                   "a\uFEFF",
                   "",
                   {unencodable, Section::Task, QString(QChar(0xFEFF))}}),
    rowName<RefusalRow>);

TEST(EncodeTask, RefusesALeadingZeroWidthNoBreakSpace)
{
    // The encoder takes a U+FEFF at the start of its text for a byte-order mark and drops it.
    const QString zeroWidthNoBreakSpace(QChar(0xFEFF));
    const auto encoded = encodeTask({zeroWidthNoBreakSpace + u"task"_s, u""_s, u""_s});
    ASSERT_TRUE(std::holds_alternative<Refusal>(encoded));
    EXPECT_EQ(std::get<Refusal>(encoded).characters, zeroWidthNoBreakSpace);
}

// ---- Reading ----

struct ReadRow
{
    const char *name;
    const char *file; // the file's content
    Reader reader;
    BoxTexts boxes;
};

class ReadTaskTest : public testing::TestWithParam<ReadRow>
{
};

TEST_P(ReadTaskTest, SetsTheReadersBoxes)
{
    const ReadRow &row = GetParam();
    const BoxTexts read = readTask(row.reader, splitLines(text(row.file)));
    EXPECT_EQ(read.task, row.boxes.task);
    EXPECT_EQ(read.hint, row.boxes.hint);
    EXPECT_EQ(read.conclusion, row.boxes.conclusion);
}

const char oneCharacterEach[] = "T\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC\r\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadTaskTest,
    testing::Values(
        ReadRow{
            "TeacherReadsAllThree", oneCharacterEach, Reader::Teacher, {u"T"_s, u"H"_s, u"C"_s}},
        ReadRow{"PupilReadsTheTaskAndEmptiesTheRest",
                oneCharacterEach,
                Reader::Pupil,
                {u"T"_s, u""_s, u""_s}},
        ReadRow{"HintReadsTheHintAlone",
                oneCharacterEach,
                Reader::Hint,
                {std::nullopt, u"H"_s, std::nullopt}},
        ReadRow{"ConclusionReadsTheConclusionAlone",
                oneCharacterEach,
                Reader::Conclusion,
                {std::nullopt, std::nullopt, u"C"_s}},
        ReadRow{"LineBreaksSurvive",
                "ab\r\ncd\r\n\r\n$\r\n\r\nh1\r\n\r\nh3\r\n\r\n$\r\n\r\nc\r\n",
                Reader::Teacher,
                {u"ab\r\ncd"_s, u"h1\r\n\r\nh3"_s, u"c"_s}},
        ReadRow{"EmptyHintReadsEmpty",
                "T\r\n\r\n$\r\n\r\n\r\n\r\n$\r\n\r\nC\r\n",
                Reader::Teacher,
                {u"T"_s, u""_s, u"C"_s}},
        ReadRow{"EmptyHintForTheHintButton",
                "T\r\n\r\n$\r\n\r\n\r\n\r\n$\r\n\r\nC\r\n",
                Reader::Hint,
                {std::nullopt, u""_s, std::nullopt}},
        ReadRow{"AllEmpty",
                "\r\n\r\n$\r\n\r\n\r\n\r\n$\r\n\r\n\r\n",
                Reader::Teacher,
                {u""_s, u""_s, u""_s}},
        ReadRow{
            "LineFeedsAlone", "T\n\n$\n\nH\n\n$\n\nC\n", Reader::Teacher, {u"T"_s, u"H"_s, u"C"_s}},
        ReadRow{"CarriageReturnsAlone",
                "T\r\r$\r\rH\r\r$\r\rC\r",
                Reader::Teacher,
                {u"T"_s, u"H"_s, u"C"_s}},
        ReadRow{"NoFinalLineEnd",
                "T\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC",
                Reader::Conclusion,
                {std::nullopt, std::nullopt, u"C"_s}},
        ReadRow{"WrittenByHandWithoutPadding",
                "T\n$\nH\n$\nC",
                Reader::Teacher,
                {u"T"_s, u"H"_s, u"C"_s}},
        ReadRow{"DollarWithABlankIsText",
                "T\r\n $\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC\r\n",
                Reader::Teacher,
                {u"T\r\n $"_s, u"H"_s, u"C"_s}},
        ReadRow{"TaskAloneLeavesTheRestEmpty", "T\r\n", Reader::Teacher, {u"T"_s, u""_s, u""_s}},
        ReadRow{
            "HintOfATaskAloneIsEmpty", "T\r\n", Reader::Hint, {std::nullopt, u""_s, std::nullopt}},
        ReadRow{"EmptyFile", "", Reader::Teacher, {u""_s, u""_s, u""_s}},
        ReadRow{"FourthSectionJoinsTheTask",
                "T\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC\r\n\r\n$\r\n\r\nT2\r\n",
                Reader::Teacher,
                {u"T\r\nT2"_s, u"H"_s, u"C"_s}},
        ReadRow{"FourthSectionJoinsThePupilsTask",
                "T\r\n\r\n$\r\n\r\nH\r\n\r\n$\r\n\r\nC\r\n\r\n$\r\n\r\nT2\r\n",
                Reader::Pupil,
                {u"T\r\nT2"_s, u""_s, u""_s}},
        ReadRow{"HintButtonReadsEverySecondSection",
                "1\n\n$\n\n2\n\n$\n\n3\n\n$\n\n4\n\n$\n\n5\n",
                Reader::Hint,
                {std::nullopt, u"2\r\n4"_s, std::nullopt}},
        ReadRow{"ConclusionButtonReadsEveryThirdSection",
                "1\n$\n2\n$\n3\n$\n4\n$\n5\n$\n6\n",
                Reader::Conclusion,
                {std::nullopt, std::nullopt, u"3\r\n6"_s}}),
    rowName<ReadRow>);

struct RoundTripRow
{
    const char *name;
    const char *task;
    const char *hint;
    const char *conclusion;
};

class RoundTripTest : public testing::TestWithParam<RoundTripRow>
{
};

TEST_P(RoundTripTest, ATaskReadsBackAsItWasWritten)
{
    const RoundTripRow &row = GetParam();
    const TaskTexts texts{text(row.task), text(row.hint), text(row.conclusion)};
    const QByteArray bytes = std::get<QByteArray>(encodeTask(texts));
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("T.OP 1"));
    ASSERT_EQ(saveFile(path, bytes), std::nullopt);
    const std::optional<QStringList> lines = readTextLines(path);
    ASSERT_TRUE(lines);

    const BoxTexts read = readTask(Reader::Teacher, *lines);
    EXPECT_EQ(read, (BoxTexts{texts.task, texts.hint, texts.conclusion}));
    EXPECT_EQ(readTask(Reader::Hint, *lines).hint, texts.hint);
    EXPECT_EQ(readTask(Reader::Conclusion, *lines).conclusion, texts.conclusion);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoundTripTest,
    testing::Values(RoundTripRow{"OneCharacterEach", "T", "H", "C"},
                    RoundTripRow{"Empty", "", "", ""},
                    RoundTripRow{"EmptyHint", "Find the roots.", "", "x = 2"},
                    RoundTripRow{"SeveralLines", "Line 1\r\nLine 2\r\nLine 3", "a\r\nb", "c\r\nd"},
                    RoundTripRow{"EmptyLinesAtTheEdges", "\r\nmiddle\r\n", "\r\n\r\n", "\r\n"},
                    RoundTripRow{"BlanksAndDollarsInLines", "  indented", "$ 5", "costs 5 $"},
                    RoundTripRow{"Windows1252", "café", "Straße ½", "€ 3,50"},
                    RoundTripRow{"Windows1252ThatReadsAsUtf8", "3×½", "Ã©", "Â°"}),
    rowName<RoundTripRow>);

// ---- Saving ----

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SaveFile, ReplacesAFileWhole)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("ROOTS.OP 3"));
    ASSERT_EQ(saveFile(path, "first and longer\r\n"), std::nullopt);
    ASSERT_EQ(saveFile(path, "second\r\n"), std::nullopt);
    EXPECT_EQ(contentOf(path), QByteArray("second\r\n"));
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("ROOTS.OP 3")});
}

TEST(SaveFile, AFailedSaveSaysWhyAndLeavesEverythingAsItWas)
{
    QTemporaryDir directory;
    const QDir dir(directory.path());
    ASSERT_TRUE(dir.mkdir(QStringLiteral("ROOTS.OP 3")));
    QFile keep(dir.filePath(QStringLiteral("KEEP.OP 3")));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("kept\r\n");
    keep.close();
    const QStringList before =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    // A directory stands where the file would go; a directory that does not exist holds none.
    const std::optional<QString> overDirectory =
        saveFile(dir.filePath(QStringLiteral("ROOTS.OP 3")), "new\r\n");
    const std::optional<QString> nowhere =
        saveFile(dir.filePath(QStringLiteral("missing/X.OP 3")), "new\r\n");

    ASSERT_TRUE(overDirectory);
    EXPECT_FALSE(overDirectory->isEmpty());
    ASSERT_TRUE(nowhere);
    EXPECT_FALSE(nowhere->isEmpty());
    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(contentOf(keep.fileName()), QByteArray("kept\r\n"));
}

} // namespace
