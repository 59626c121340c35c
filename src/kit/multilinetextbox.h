// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QPlainTextEdit>

// A multi-line text box whose text keeps the program's line ends: the program writes lines ending
// in CR LF, and reading the text back gives CR LF again.
class MultiLineTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MultiLineTextBox(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
};
