// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/installeddata.h"

#include "testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What a folder holds under the name readme.txt.
enum class Entry
{
    Nothing,
    File,
    Folder
};

struct Row
{
    const char *name;
    Entry working;
    Entry installed;
    bool installedFolderExists;
    // Whether the path found is the installed copy; otherwise it is the working directory's.
    bool expectInstalled;
};

class ShippedFilePathTest : public testing::TestWithParam<Row>
{
};

void create(const QDir &folder, Entry entry)
{
    const QString path = folder.filePath(QStringLiteral("readme.txt"));
    if (entry == Entry::File) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("text\r\n");
    } else if (entry == Entry::Folder) {
        ASSERT_TRUE(folder.mkdir(QStringLiteral("readme.txt")));
    }
}

TEST_P(ShippedFilePathTest, PrefersTheWorkingDirectoryThenTheInstalledCopy)
{
    const Row row = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir working(root.filePath(QStringLiteral("home")));
    const QDir installed(root.filePath(QStringLiteral("usr/share/quillor")));
    ASSERT_TRUE(working.mkpath(QStringLiteral(".")));
    if (row.installedFolderExists) {
        ASSERT_TRUE(installed.mkpath(QStringLiteral(".")));
    }
    create(working, row.working);
    create(installed, row.installed);

    const QString expected =
        (row.expectInstalled ? installed : working).filePath(QStringLiteral("readme.txt"));
    EXPECT_EQ(shippedFilePath(QStringLiteral("readme.txt"), working, installed), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShippedFilePathTest,
    testing::Values(Row{"OnlyInTheWorkingDirectory", Entry::File, Entry::Nothing, true, false},
                    Row{"InBothTheWorkingOneWins", Entry::File, Entry::File, true, false},
                    Row{"OnlyInstalled", Entry::Nothing, Entry::File, true, true},
                    Row{"AFolderOfThatNameIsNoFile", Entry::Folder, Entry::File, true, true},
                    // Reading then fails on the working directory's file, the one the
                    // message names.
                    Row{"NowhereGivesTheWorkingPath", Entry::Nothing, Entry::Nothing, true, false},
                    Row{"NoInstalledFolder", Entry::Nothing, Entry::Nothing, false, false},
                    Row{"InstalledIsAFolderToo", Entry::Nothing, Entry::Folder, true, false}),
    rowName<Row>);

// The installed data lies beside the program's own folder, by the install layout's relative
// path, not at a path fixed when the program was built.
TEST(InstalledDataDirectory, LiesBesideTheProgramsFolder)
{
    const QDir program(QCoreApplication::applicationDirPath());
    EXPECT_EQ(installedDataDirectory().absolutePath(),
              QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../share/quillor"))));
}

} // namespace
