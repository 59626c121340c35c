// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QList>
#include <QString>
#include <QTranslator>

class QWidget;

// A translation into no language: every text that goes through the translation comes back
// between the marks ‹ and ›, so that a text shown without them has not gone through it.
class MarkingTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

// A text that a window shows and that carries no translation marks.
struct UnmarkedText
{
    QString control; // the control's object name; empty for the window's own title
    QString text;
};

// The texts of a window that a user reads as words and that lack the marks: the window's title,
// the captions of its labels, buttons and frames, the rows of its lists, tooltips, accessible
// names and descriptions, and the entries of its menu. Texts without a letter (numbers, signs)
// need no translation and are passed over, and so are the contents of text boxes, which hold
// what the user typed, and the names of folders and files in the task window's lists.
QList<UnmarkedText> unmarkedTexts(const QWidget &window);
