// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "tasks/directorylistbox.h"
#include "tasks/filelistbox.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The task files each module lists (case, hidden names, other modules, a pattern changed with
// the module), the directories with their way up, and entering them, are pinned by the
// task-pupil, editor-teacher and editor-directories scenarios; directories that vanish by
// filefaults_test.cpp.

namespace {

using namespace Qt::StringLiterals;

QStringList rowsOf(const QListWidget &list)
{
    QStringList rows;
    for (int row = 0; row < list.count(); ++row)
        rows.append(list.item(row)->text());
    return rows;
}

void createFile(const QDir &directory, const QString &name)
{
    QFile file(directory.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(FileListBox, KeepsTheSelectedFileAcrossARefreshAndListsNoDirectory)
{
    QTemporaryDir temporary;
    const QDir directory(temporary.path());
    createFile(directory, u"B.OP 1"_s);
    directory.mkdir(u"DIR.OP 1"_s);
    FileListBox files;
    files.setPattern(u"*.op 1"_s);
    files.setDirectory(directory.path());
    EXPECT_EQ(files.fileName(), QString());

    files.setCurrentRow(0);
    createFile(directory, u"A.OP 1"_s);
    files.refresh();
    EXPECT_EQ(rowsOf(files), (QStringList{u"A.OP 1"_s, u"B.OP 1"_s}));
    EXPECT_EQ(files.fileName(), u"B.OP 1"_s);

    // A file that is no longer listed is no longer selected.
    files.setPattern(u"*.op 2"_s);
    files.setPattern(u"*.op 1"_s);
    EXPECT_EQ(files.fileName(), QString());
}

TEST(DirectoryListBox, TheRootHasNoWayUp)
{
    DirectoryListBox directories;
    directories.setDirectory(QDir::rootPath());
    ASSERT_GT(directories.count(), 0);
    EXPECT_EQ(directories.item(0)->text(), QDir::toNativeSeparators(QDir::rootPath()));
    EXPECT_EQ(directories.currentRow(), 0);
}

// The random walk enters directories by the path of their row.
TEST(DirectoryListBox, TellsWhereEachRowLeads)
{
    QTemporaryDir temporary;
    const QDir directory(temporary.path());
    directory.mkdir(u"sub"_s);
    DirectoryListBox directories;
    directories.setDirectory(directory.path());
    QDir parent = directory;
    parent.cdUp();
    EXPECT_EQ(directories.rowPath(0), parent.absolutePath());
    EXPECT_EQ(directories.rowPath(1), directory.absolutePath());
    EXPECT_EQ(directories.rowPath(2), directory.absoluteFilePath(u"sub"_s));
    EXPECT_EQ(directories.rowPath(3), QString());
}

} // namespace
