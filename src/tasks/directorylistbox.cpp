// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "tasks/directorylistbox.h"

#include <QDir>
#include <QStyle>

namespace {

constexpr int pathRole = Qt::UserRole;

} // namespace

DirectoryListBox::DirectoryListBox(QWidget *parent) : QListWidget(parent)
{
    // Icons no taller than the text keep the rows as low as a plain list's.
    const int side = fontMetrics().height();
    setIconSize(QSize(side, side));
    connect(this, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem *item) { enter(item->data(pathRole).toString()); });
}

QString DirectoryListBox::rowPath(int row) const
{
    const QListWidgetItem *entry = item(row);
    return entry ? entry->data(pathRole).toString() : QString();
}

void DirectoryListBox::setDirectory(const QString &path)
{
    QDir directory(path);
    m_directory = directory.absolutePath();
    setToolTip(QDir::toNativeSeparators(m_directory));
    clear();

    QDir parent = directory;
    if (parent.cdUp())
        addRow(QStringLiteral(".."), parent.absolutePath(), QStyle::SP_FileDialogToParent);
    // The root has no name of its own: it shows as its path.
    const QString name = directory.dirName();
    addRow(name.isEmpty() ? QDir::toNativeSeparators(m_directory) : name, m_directory,
           QStyle::SP_DirOpenIcon);
    // The box is low: the list stays at its top, so that the way up and the directory itself
    // are what shows, rather than scrolling to the current row (now or when it is next shown).
    setAutoScroll(false);
    setCurrentRow(count() - 1);
    setAutoScroll(true);

    const QStringList subdirectories =
        directory.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &subdirectory : subdirectories)
        addRow(subdirectory, directory.absoluteFilePath(subdirectory), QStyle::SP_DirClosedIcon);
}

void DirectoryListBox::enter(const QString &path)
{
    emit entered(path);
}

void DirectoryListBox::addRow(const QString &text, const QString &path, QStyle::StandardPixmap icon)
{
    auto *row = new QListWidgetItem(style()->standardIcon(icon), text, this);
    row->setData(pathRole, path);
}
