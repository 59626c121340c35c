// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "scriptedprompts.h"
#include "scriptedrandomsource.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Answers taken in the order queued, Cancel, Yes and No, messages and input boxes recorded until
// the script asks for them, an input or question box with nothing queued, and print jobs sent to
// the queued PDF file are pinned by the scenarios (editor-teacher, editor-unsaved, error-noanswer,
// editor-unanswered, the print scenarios).

namespace {

PrintJob onePageJob()
{
    DrawingOperation line;
    line.x2 = 1000;
    line.y2 = 1000;
    OperationLog page;
    page.add(line);
    return {{page, {}}};
}

TEST(ScriptedPrompts, AnInputBoxWithNothingQueuedFailsOnce)
{
    ScriptedPrompts prompts;
    EXPECT_EQ(prompts.input(nullptr, QStringLiteral("Identity:")), std::nullopt);
    EXPECT_EQ(prompts.input(nullptr, QStringLiteral("Name:")), std::nullopt);

    // The first failure is the one reported; reading it clears it.
    EXPECT_EQ(prompts.takeFailure(),
              QStringLiteral("an input box asked \"Identity:\" with no answer queued"));
    EXPECT_EQ(prompts.takeFailure(), std::nullopt);
}

TEST(ScriptedPrompts, RecordsMessagesUntilTaken)
{
    ScriptedPrompts prompts;
    prompts.message(nullptr, QStringLiteral("No access"));
    prompts.warning(nullptr, QStringLiteral("Division by zero"), QStringLiteral("Fout"));

    const QList<ScriptedPrompts::Message> messages = prompts.takeMessages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].title, defaultMessageTitle());
    EXPECT_EQ(messages[0].text, QStringLiteral("No access"));
    EXPECT_EQ(messages[1].title, QStringLiteral("Fout"));
    EXPECT_EQ(messages[0].kind, MessageKind::Information);
    EXPECT_EQ(messages[1].kind, MessageKind::Warning);
    EXPECT_TRUE(prompts.takeMessages().isEmpty());
}

TEST(ScriptedPrompts, AQuestionBoxTakesOnlyYesOrNo)
{
    ScriptedPrompts prompts;
    prompts.queueAnswer(std::nullopt);
    EXPECT_FALSE(prompts.question(nullptr, QStringLiteral("Throw away?")));
    EXPECT_EQ(prompts.takeFailure(), std::nullopt);

    prompts.queueAnswer(QStringLiteral("yes"));
    EXPECT_FALSE(prompts.question(nullptr, QStringLiteral("Throw away?")));
    EXPECT_EQ(
        prompts.takeFailure(),
        QStringLiteral("a question box asked \"Throw away?\" and takes Yes or No, not \"yes\""));

    EXPECT_FALSE(prompts.question(nullptr, QStringLiteral("Throw away?")));
    EXPECT_EQ(prompts.takeFailure(),
              QStringLiteral("a question box asked \"Throw away?\" with no answer queued"));
}

TEST(ScriptedPrompts, RecordsTheDefaultTextOfAnInputBox)
{
    ScriptedPrompts prompts;
    prompts.queueAnswer(QStringLiteral("roots"));
    prompts.input(nullptr, QStringLiteral("Identity:"), QString(), QStringLiteral("teacher"));
    const QList<ScriptedPrompts::Prompt> shown = prompts.takePrompts();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].defaultText, QStringLiteral("teacher"));
}

TEST(ScriptedPrompts, APrintWithoutPrinterOrWritableFileFails)
{
    ScriptedPrompts prompts;
    EXPECT_FALSE(prompts.print(nullptr, onePageJob()));
    EXPECT_EQ(prompts.takeFailure(), QStringLiteral("a print job came with no printer queued"));

    prompts.queuePrinter(QStringLiteral("/nonexistent-directory/graph.pdf"));
    EXPECT_FALSE(prompts.print(nullptr, onePageJob()));
    EXPECT_EQ(prompts.takeFailure(),
              QStringLiteral("cannot write the PDF file \"/nonexistent-directory/graph.pdf\""));
    EXPECT_FALSE(prompts.lastJob());
}

// Answers as a random walk does: each prompt as it comes, remembering what it was asked.
class RecordingAnswerer : public PromptAnswerer
{
public:
    std::optional<QString> answer(bool question, const QString &asked) override
    {
        asks.append((question ? QStringLiteral("question ") : QStringLiteral("input ")) + asked);
        return question ? QStringLiteral("Yes") : QStringLiteral("from the answerer");
    }
    QString printerFile() override { return pdfPath; }

    QStringList asks;
    QString pdfPath;
};

TEST(ScriptedPrompts, AnAnswererAnswersWhatFindsNothingQueued)
{
    QTemporaryDir directory;
    RecordingAnswerer answerer;
    answerer.pdfPath = directory.filePath(QStringLiteral("walk.pdf"));
    ScriptedPrompts prompts;
    prompts.setAnswerer(&answerer);
    prompts.queueAnswer(QStringLiteral("queued"));

    EXPECT_EQ(prompts.input(nullptr, QStringLiteral("Save as")), QStringLiteral("queued"));
    EXPECT_EQ(prompts.input(nullptr, QStringLiteral("Identity:")),
              QStringLiteral("from the answerer"));
    EXPECT_TRUE(prompts.question(nullptr, QStringLiteral("Throw away?")));
    EXPECT_TRUE(prompts.print(nullptr, onePageJob()));
    EXPECT_GT(QFileInfo(answerer.pdfPath).size(), 0);
    EXPECT_EQ(answerer.asks, (QStringList{QStringLiteral("input Identity:"),
                                          QStringLiteral("question Throw away?")}));
    EXPECT_EQ(prompts.takeFailure(), std::nullopt);
}

TEST(ScriptedRandomSource, GivesTheQueuedDrawsThenTheStandardSequence)
{
    ScriptedRandomSource scripted;
    StandardRandomSource standard;
    scripted.queue(0.25f);
    scripted.queue(0.75f);

    EXPECT_EQ(scripted.next(), 0.25f);
    EXPECT_EQ(scripted.next(), 0.75f);
    for (int draw = 0; draw < 3; ++draw)
        EXPECT_EQ(scripted.next(), standard.next());
}

} // namespace
