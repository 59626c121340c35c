#include "tasks/directorylistbox.h"
#include "tasks/filelistbox.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

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

TEST(FileListBox, ListsTheMatchingFilesHiddenOnesIncludedWithoutRegardToCase)
{
    QTemporaryDir temporary;
    const QDir directory(temporary.path());
    for (const char *name :
         {"roots.op 3", "ROOTS.OP 4", ".OP 3", "Area.Op 3", "B.OP 33", "readme.txt", "ZERO.OP 3"})
        createFile(directory, QString::fromUtf8(name));
    directory.mkdir(QStringLiteral("DIR.OP 3"));

    FileListBox files;
    files.setPattern(QStringLiteral("*.op 3"));
    files.setDirectory(directory.path());
    EXPECT_EQ(rowsOf(files),
              (QStringList{QStringLiteral(".OP 3"), QStringLiteral("Area.Op 3"),
                           QStringLiteral("roots.op 3"), QStringLiteral("ZERO.OP 3")}));

    files.setPattern(QStringLiteral("*.op 4"));
    EXPECT_EQ(rowsOf(files), QStringList{QStringLiteral("ROOTS.OP 4")});
}

TEST(FileListBox, KeepsTheSelectedFileAcrossARefresh)
{
    QTemporaryDir temporary;
    const QDir directory(temporary.path());
    createFile(directory, QStringLiteral("B.OP 1"));
    FileListBox files;
    files.setPattern(QStringLiteral("*.op 1"));
    files.setDirectory(directory.path());
    EXPECT_EQ(files.fileName(), QString());

    files.setCurrentRow(0);
    createFile(directory, QStringLiteral("A.OP 1"));
    files.refresh();
    EXPECT_EQ(rowsOf(files), (QStringList{QStringLiteral("A.OP 1"), QStringLiteral("B.OP 1")}));
    EXPECT_EQ(files.fileName(), QStringLiteral("B.OP 1"));

    // A file that is no longer listed is no longer selected.
    files.setPattern(QStringLiteral("*.op 2"));
    files.setPattern(QStringLiteral("*.op 1"));
    EXPECT_EQ(files.fileName(), QString());
}

TEST(FileListBox, SaysWhenItsDirectoryCannotBeListedAndListsNothing)
{
    QTemporaryDir temporary;
    QDir directory(temporary.path());
    directory.mkdir(QStringLiteral("sub"));
    createFile(directory, QStringLiteral("sub/A.OP 1"));
    createFile(directory, QStringLiteral("file.txt"));
    FileListBox files;
    files.setPattern(QStringLiteral("*.op 1"));
    EXPECT_TRUE(files.setDirectory(directory.filePath(QStringLiteral("sub"))));
    EXPECT_EQ(rowsOf(files), QStringList{QStringLiteral("A.OP 1")});

    ASSERT_TRUE(QDir(directory.filePath(QStringLiteral("sub"))).removeRecursively());
    EXPECT_FALSE(files.refresh());
    EXPECT_TRUE(rowsOf(files).isEmpty());
    EXPECT_FALSE(files.setDirectory(directory.filePath(QStringLiteral("file.txt"))));
    EXPECT_TRUE(files.setDirectory(directory.path()));
}

TEST(DirectoryListBox, ShowsTheWayUpTheDirectoryAndItsVisibleSubdirectories)
{
    QTemporaryDir temporary;
    const QDir directory(temporary.path());
    for (const char *name : {"beta", "Alpha", ".hidden"})
        directory.mkdir(QString::fromUtf8(name));
    createFile(directory, QStringLiteral("file.op 1"));

    DirectoryListBox directories;
    directories.setDirectory(directory.path());
    EXPECT_EQ(directories.directory(), directory.absolutePath());
    EXPECT_EQ(rowsOf(directories), (QStringList{QStringLiteral(".."), directory.dirName(),
                                                QStringLiteral("Alpha"), QStringLiteral("beta")}));
    EXPECT_EQ(directories.currentRow(), 1);
}

TEST(DirectoryListBox, TheRootHasNoWayUp)
{
    DirectoryListBox directories;
    directories.setDirectory(QDir::rootPath());
    ASSERT_GT(directories.count(), 0);
    EXPECT_EQ(directories.item(0)->text(), QDir::toNativeSeparators(QDir::rootPath()));
    EXPECT_EQ(directories.currentRow(), 0);
}

TEST(DirectoryListBox, EnteringARowAsksForItsDirectory)
{
    QTemporaryDir temporary;
    const QDir directory(temporary.path());
    directory.mkdir(QStringLiteral("sub"));
    DirectoryListBox directories;
    directories.setDirectory(directory.path());
    QStringList entered;
    QObject::connect(&directories, &DirectoryListBox::entered,
                     [&entered](const QString &path) { entered.append(path); });

    emit directories.activated(directories.model()->index(2, 0));
    emit directories.activated(directories.model()->index(0, 0));

    ASSERT_EQ(entered.size(), 2);
    EXPECT_EQ(entered[0], directory.absoluteFilePath(QStringLiteral("sub")));
    QDir parent = directory;
    parent.cdUp();
    EXPECT_EQ(entered[1], parent.absolutePath());
    // Each row tells where entering it goes.
    EXPECT_EQ(directories.rowPath(0), entered[1]);
    EXPECT_EQ(directories.rowPath(1), directory.absolutePath());
    EXPECT_EQ(directories.rowPath(2), entered[0]);
    EXPECT_EQ(directories.rowPath(3), QString());
    // Asking changes nothing: the owner decides.
    EXPECT_EQ(directories.directory(), directory.absolutePath());
}

} // namespace
