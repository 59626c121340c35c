// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "tasks/filelistbox.h"

#include "tasks/taskfilename.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

bool isListableDirectory(const QString &path)
{
    // A directory listing reports no failure of its own: it comes back empty.
    const QFileInfo directory(path);
    return directory.isDir() && directory.isReadable() && directory.isExecutable();
}

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent) {}

bool FileListBox::setDirectory(const QString &path)
{
    m_directory = path;
    return refresh();
}

bool FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    return refresh();
}

bool FileListBox::refresh()
{
    if (!isListableDirectory(m_directory)) {
        clear();
        return false;
    }
    const QString selected = fileName();
    QStringList names;
    for (const QString &name : QDir(m_directory).entryList(QDir::Files | QDir::Hidden)) {
        if (tasks::matchesPattern(name, m_pattern))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int ignoringCase = a.compare(b, Qt::CaseInsensitive);
        return ignoringCase != 0 ? ignoringCase < 0 : a < b;
    });

    clear();
    addItems(names);
    if (const qsizetype row = names.indexOf(selected); !selected.isEmpty() && row >= 0)
        setCurrentRow(int(row));
    return true;
}

QString FileListBox::fileName() const
{
    const QList<QListWidgetItem *> selection = selectedItems();
    return selection.isEmpty() ? QString() : selection.first()->text();
}
