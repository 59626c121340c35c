// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// Files that change between the moment the program lists them and the moment it uses them: each
// gets a message naming it, and the windows keep their texts. The program runs as the scenario
// runner runs it; the files change between two user actions, which a scenario cannot do. Files
// that are directories from the start are pinned by the directoryfiles and editor-refusals
// scenarios.

#include "commands.h"
#include "platformwarnings.h"
#include "scriptedprompts.h"
#include "scriptedrandomsource.h"
#include "testsupport.h"

#include "app/application.h"
#include "kit/multilinetextbox.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray task = "Task\r\n\r\n$\r\n\r\nHint\r\n\r\n$\r\n\r\nConclusion\r\n";

class FileFaults : public testing::Test
{
protected:
    void SetUp() override
    {
        static const bool quietPlatform = (dropPlatformLimitationWarnings(), true);
        static_cast<void>(quietPlatform);
        ASSERT_TRUE(m_directory.isValid());
        m_work = QDir(m_directory.path());
        write(u"pw.txt"_s, "teacher\r\n");
        write(u"TASK.OP 1"_s, task);
        m_work.mkdir(u"sub"_s);
        write(u"sub/SUB.OP 1"_s, task);
        ASSERT_TRUE(QDir::setCurrent(m_work.path()));
        m_application = std::make_unique<Application>(m_prompts, m_random);
        m_application->start();
        m_commands = std::make_unique<Commands>(*m_application, m_prompts, m_random, m_out);
    }

    void TearDown() override
    {
        m_commands.reset();
        m_application.reset();
        QDir::setCurrent(m_launchDirectory);
    }

    void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(m_work.filePath(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void replaceByDirectory(const QString &path)
    {
        ASSERT_TRUE(m_work.remove(path));
        ASSERT_TRUE(m_work.mkdir(path));
    }

    void run(const QString &line) { m_commands->run(line); }

    // The task window opened as the teacher (or the pupil), its texts typed, a file chosen.
    void openWindowWithTexts(const QString &file, bool teacher = true)
    {
        if (teacher)
            m_prompts.queueAnswer(u"teacher"_s);
        run(teacher ? u"click Fst.Command3"_s : u"click Fst.Command4"_s);
        run(u"type editor.Opgave \"my task\""_s);
        run(u"type editor.Hint \"my hint\""_s);
        run(u"type editor.Besluit \"my conclusion\""_s);
        run(u"select editor.File1 \"%1\""_s.arg(file));
    }

    // The texts of the message and question boxes shown; each message reports a failure.
    QStringList messages()
    {
        QStringList texts;
        for (const ScriptedPrompts::Message &message : m_prompts.takeMessages()) {
            EXPECT_TRUE(message.question || message.kind == MessageKind::Warning)
                << message.text.toStdString();
            texts.append(message.text);
        }
        return texts;
    }

    QString boxText(const char *name) const
    {
        return m_application->existingWindow(u"editor"_s)
            ->findChild<MultiLineTextBox *>(QString::fromLatin1(name))
            ->text();
    }

    QStringList rows(const char *name) const
    {
        const auto *list = m_application->existingWindow(u"editor"_s)
                               ->findChild<QListWidget *>(QString::fromLatin1(name));
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
        return texts;
    }

    void expectTextsKept() const
    {
        EXPECT_EQ(boxText("Opgave"), u"my task"_s);
        EXPECT_EQ(boxText("Hint"), u"my hint"_s);
        EXPECT_EQ(boxText("Besluit"), u"my conclusion"_s);
    }

    QTemporaryDir m_directory;
    QDir m_work;
    const QString m_launchDirectory = QDir::currentPath();
    ScriptedPrompts m_prompts;
    ScriptedRandomSource m_random;
    QString m_output;
    QTextStream m_out{&m_output};
    std::unique_ptr<Application> m_application;
    std::unique_ptr<Commands> m_commands;
};

struct VanishedFileRow
{
    const char *name;
    const char *button; // the reader: "&Open" (teacher or pupil), "&Hint" or "&Conclus"
    bool teacher;
    bool becomesDirectory; // else the file is removed
};

class VanishedTaskFile : public FileFaults, public testing::WithParamInterface<VanishedFileRow>
{
};

TEST_P(VanishedTaskFile, IsNamedAndTheTextsStay)
{
    const VanishedFileRow &row = GetParam();
    openWindowWithTexts(u"TASK.OP 1"_s, row.teacher);
    if (row.becomesDirectory)
        replaceByDirectory(u"TASK.OP 1"_s);
    else
        ASSERT_TRUE(m_work.remove(u"TASK.OP 1"_s));

    run(u"click editor.%1"_s.arg(QString::fromLatin1(row.button)));
    EXPECT_EQ(messages(), QStringList{u"The task file \"TASK.OP 1\" cannot be read."_s});
    expectTextsKept();
    EXPECT_EQ(rows("File1"), QStringList{u"TASK.OP 1"_s});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, VanishedTaskFile, testing::Values(
    VanishedFileRow{"TeacherOpensARemovedFile", "Command1", true, false},
    VanishedFileRow{"TeacherOpensADirectory", "Command1", true, true},
    VanishedFileRow{"PupilOpensARemovedFile", "Command1", false, false},
    VanishedFileRow{"PupilOpensADirectory", "Command1", false, true},
    VanishedFileRow{"HintOfARemovedFile", "Command4", false, false},
    VanishedFileRow{"ConclusionOfADirectory", "Command5", false, true}),
    rowName<VanishedFileRow>);
// clang-format on

struct UnlistableDirectoryRow
{
    const char *name;
    bool becomesFile; // else the directory is removed
};

class UnlistableDirectory : public FileFaults,
                            public testing::WithParamInterface<UnlistableDirectoryRow>
{
};

// A directory listed in Dir1 that is gone, or is a file, by the time the user enters it.
TEST_P(UnlistableDirectory, EnteringItIsNamedAndChangesNothing)
{
    openWindowWithTexts(u"TASK.OP 1"_s);
    const QStringList directoriesBefore = rows("Dir1");
    ASSERT_TRUE(QDir(m_work.filePath(u"sub"_s)).removeRecursively());
    if (GetParam().becomesFile)
        write(u"sub"_s, "a file now");

    run(u"select editor.Dir1 \"sub\""_s);
    EXPECT_EQ(messages(), QStringList{u"The directory \"%1\" cannot be read."_s.arg(
                              QDir::toNativeSeparators(m_work.filePath(u"sub"_s)))});
    expectTextsKept();
    EXPECT_EQ(rows("Dir1"), directoriesBefore);
    EXPECT_EQ(rows("File1"), QStringList{u"TASK.OP 1"_s});
}

INSTANTIATE_TEST_SUITE_P(Rows, UnlistableDirectory,
                         testing::Values(UnlistableDirectoryRow{"Removed", false},
                                         UnlistableDirectoryRow{"BecameAFile", true}),
                         rowName<UnlistableDirectoryRow>);

// The directory shown is removed: the next listing of its files says so, and a save into it
// names the file it could not write.
TEST_F(FileFaults, ARemovedDirectoryIsNamedWhenItsFilesAreListedAgain)
{
    openWindowWithTexts(u"TASK.OP 1"_s);
    run(u"select editor.Dir1 \"sub\""_s);
    run(u"select editor.File1 \"SUB.OP 1\""_s);
    ASSERT_TRUE(messages().isEmpty());
    ASSERT_TRUE(QDir(m_work.filePath(u"sub"_s)).removeRecursively());

    m_prompts.queueAnswer(u"roots"_s);
    run(u"click editor.Command2"_s);
    const QStringList shown = messages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(u"The task file \"ROOTS.OP 1\" cannot be saved"_s));
    expectTextsKept();

    m_prompts.queueAnswer(u"Yes"_s);
    run(u"select editor.List1 1"_s);
    EXPECT_EQ(messages(),
              (QStringList{u"The texts of this task have been changed and not saved. Do you want "
                           "to throw the changes away?"_s,
                           u"The directory \"%1\" cannot be read."_s.arg(
                               QDir::toNativeSeparators(m_work.filePath(u"sub"_s)))}));
    EXPECT_TRUE(rows("File1").isEmpty());
}

} // namespace
