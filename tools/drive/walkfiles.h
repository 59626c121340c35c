// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The files of the program's directory during a random walk, and the faults the walk puts into
// them.
namespace walkfiles {

// The identity that opens the task editor: the last line of the walk's pw.txt.
QString identity();

// A pattern that every task file's name matches, whatever its module.
QString taskFilePattern();

// A task file for a module: task, hint and conclusion of one line each.
QByteArray taskBytes(int moduleNumber);

// Lays out the program's directory: pw.txt, readme.txt, task files of every module, a
// subdirectory with task files of its own, and a directory named as a task file of each module,
// so that saving under that name meets a directory. Run again, it puts back what is missing and
// turns a directory back into a file (and a file back into a directory) where the layout has one;
// other files stay as the program left them.
void restore(const QString &workPath);

// Turns a file into a directory of the same name.
void replaceByDirectory(const QString &workPath, const QString &path);

// What lies below the program's directory, as paths relative to it in name order.
struct Contents
{
    QStringList taskFiles;
    QStringList directories;
};
Contents contentsOf(const QString &workPath);

} // namespace walkfiles
