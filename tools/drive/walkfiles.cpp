// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "walkfiles.h"

#include "app/moduleregistry.h"
#include "tasks/taskfilename.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QList>

using namespace Qt::StringLiterals;

namespace walkfiles {

namespace {

struct FixtureFile
{
    QString path; // relative to the program's directory
    QByteArray bytes;
};

QList<FixtureFile> fixtureFiles()
{
    QList<FixtureFile> files = {
        {u"pw.txt"_s, "someone else\r\n" + identity().toLatin1() + "\r\n"},
        {u"readme.txt"_s, "Quillor\r\nA random walk through every window.\r\n"},
        {tasks::taskFileName(u"empty"_s, 1), QByteArray()},
        {tasks::taskFileName(u"dollars"_s, 4), "$\r\n$\r\n$\r\n$\r\n$\r\n"},
        {u"sub/"_s + tasks::taskFileName(u"sub"_s, 1), taskBytes(1)},
        {u"sub/"_s + tasks::taskFileName(u"sub"_s, 5), taskBytes(5)},
        {u"sub/deeper/"_s + tasks::taskFileName(u"deep"_s, 1), taskBytes(1)},
    };
    for (int module = 1; module <= moduleCount; ++module)
        files.append({tasks::taskFileName(u"task"_s, module), taskBytes(module)});
    return files;
}

QStringList fixtureDirectories()
{
    QStringList directories = {u"sub"_s, u"sub/deeper"_s};
    for (int module = 1; module <= moduleCount; ++module)
        directories.append(tasks::taskFileName(u"folder"_s, module));
    return directories;
}

} // namespace

QString identity()
{
    return u"teacher"_s;
}

QString taskFilePattern()
{
    return u"*.op*"_s;
}

QByteArray taskBytes(int moduleNumber)
{
    const QByteArray number = QByteArray::number(moduleNumber);
    return "Task " + number + "\r\n\r\n$\r\n\r\nHint " + number + "\r\n\r\n$\r\n\r\nConclusion " +
           number + "\r\n";
}

void restore(const QString &workPath)
{
    QDir work(workPath);
    for (const QString &path : fixtureDirectories()) {
        if (QFileInfo(work.filePath(path)).isFile())
            work.remove(path);
        work.mkpath(path);
    }
    for (const FixtureFile &file : fixtureFiles()) {
        const QString path = work.filePath(file.path);
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        if (QFileInfo::exists(path))
            continue;
        QFile out(path);
        if (out.open(QIODevice::WriteOnly))
            out.write(file.bytes);
    }
}

void replaceByDirectory(const QString &workPath, const QString &path)
{
    QDir work(workPath);
    work.remove(path);
    work.mkdir(path);
}

Contents contentsOf(const QString &workPath)
{
    const QDir work(workPath);
    Contents contents;
    QDirIterator entries(workPath, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        const QString path = work.relativeFilePath(entry.filePath());
        if (entry.isDir())
            contents.directories.append(path);
        else if (tasks::matchesPattern(entry.fileName(), taskFilePattern()))
            contents.taskFiles.append(path);
    }
    // The iterator's order is the file system's: sorted, a walk stays the same for its seed.
    contents.taskFiles.sort();
    contents.directories.sort();
    return contents;
}

} // namespace walkfiles
