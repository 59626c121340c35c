// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QListWidget>

// Whether a path is a directory whose entries can be listed.
bool isListableDirectory(const QString &path);

// A file list box: the files of a directory whose names match a wildcard pattern (see
// tasks::matchesPattern), hidden files included, sorted by name without regard to case.
class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString directory() const { return m_directory; }

    // Each of these lists the files again, and is false when the directory cannot be listed.
    bool setDirectory(const QString &path);
    bool setPattern(const QString &pattern);

    // Lists the files again. A file that was selected stays selected while it is listed. False,
    // with the list left empty, when the directory cannot be listed: it is gone, it is no
    // directory, or it may not be read.
    bool refresh();

    // The name of the selected file; empty when no file is selected.
    QString fileName() const;

private:
    QString m_directory;
    QString m_pattern;
};
