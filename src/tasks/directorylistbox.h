// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QListWidget>

// A directory list box: the way up to the parent (".."), the directory it shows, marked as the
// current row, and the directory's subdirectories. Entering a row, by a double-click or Return,
// asks to go to that directory; the owner decides whether it can.
class DirectoryListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit DirectoryListBox(QWidget *parent = nullptr);

    // The absolute path of the directory shown.
    QString directory() const { return m_directory; }

    // Shows a directory and lists its parent and its subdirectories. Hidden subdirectories are
    // left out.
    void setDirectory(const QString &path);

    // Asks to go to a directory as entering its row would.
    void enter(const QString &path);

    // The absolute path of the directory that entering a row asks for.
    QString rowPath(int row) const;

signals:
    void entered(const QString &path);

private:
    void addRow(const QString &text, const QString &path, QStyle::StandardPixmap icon);

    QString m_directory;
};
