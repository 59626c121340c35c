// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "pseudotranslation.h"

#include "tasks/directorylistbox.h"
#include "tasks/filelistbox.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const QString openingMark = u"‹"_s;
const QString closingMark = u"›"_s;

bool needsMarks(const QString &text)
{
    const bool hasLetter =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
    return hasLetter && !(text.startsWith(openingMark) && text.endsWith(closingMark));
}

// The texts a control shows as words, whatever its kind. The folder and file lists show the
// names of folders and files, and a folder's path as their tooltip: the user's names, which no
// translation touches.
QStringList shownTexts(const QWidget &control)
{
    const bool namesFiles = qobject_cast<const DirectoryListBox *>(&control) ||
                            qobject_cast<const FileListBox *>(&control);
    QStringList texts{control.accessibleName(), control.accessibleDescription()};
    if (namesFiles)
        return texts;
    texts << control.toolTip();
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        texts << label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        texts << button->text();
    else if (const auto *frame = qobject_cast<const QGroupBox *>(&control))
        texts << frame->title();
    else if (const auto *list = qobject_cast<const QListWidget *>(&control)) {
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
    }
    return texts;
}

} // namespace

QString MarkingTranslator::translate(const char *, const char *sourceText, const char *, int) const
{
    return openingMark + QString::fromUtf8(sourceText) + closingMark;
}

QList<UnmarkedText> unmarkedTexts(const QWidget &window)
{
    QList<UnmarkedText> unmarked;
    if (needsMarks(window.windowTitle()))
        unmarked.append({QString(), window.windowTitle()});
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        for (const QString &text : shownTexts(*control)) {
            if (needsMarks(text))
                unmarked.append({control->objectName(), text});
        }
    }
    // The window's own actions: the entries of the canvas menu.
    for (const QAction *action : window.findChildren<QAction *>(Qt::FindDirectChildrenOnly)) {
        QStringList texts{action->text(), action->toolTip()};
        texts.removeDuplicates();
        for (const QString &text : std::as_const(texts)) {
            if (needsMarks(text))
                unmarked.append({QString(), text});
        }
    }
    return unmarked;
}
