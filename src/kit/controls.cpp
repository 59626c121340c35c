// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "kit/controls.h"

#include "kit/focusmark.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

void giveKeyboardBehaviour(QWidget *control)
{
    if (auto *slider = qobject_cast<QScrollBar *>(control)) {
        // The program's sliders move one unit per arrow key and per page key alike.
        slider->setOrientation(Qt::Vertical);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setFocusPolicy(Qt::StrongFocus);
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        button->setAutoDefault(true);
        button->setFocusPolicy(Qt::StrongFocus);
    } else if (auto *box = qobject_cast<QPlainTextEdit *>(control)) {
        box->setTabChangesFocus(true);
    }
    // Styles leave a focused slider or list unmarked, and mark a text box in the highlight colour
    // alone, which a dark palette hides: each gets a focus mark of its own.
    if (qobject_cast<QScrollBar *>(control) || qobject_cast<QAbstractScrollArea *>(control) ||
        qobject_cast<QLineEdit *>(control))
        showFocusMark(control);
}

void widenToCaption(QWidget *control)
{
    const bool captionOnly =
        qobject_cast<QLabel *>(control) ||
        (qobject_cast<QAbstractButton *>(control) && !qobject_cast<QPushButton *>(control));
    const int needed = control->sizeHint().width();
    if (captionOnly && needed > control->width())
        control->resize(needed, control->height());
}

void setCaption(QWidget *control, const QString &caption)
{
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(caption);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(caption);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(caption);
}

QString plainCaption(const QString &caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size() && caption[i + 1] == u'&')
            ++i;
        else if (caption[i] == u'&')
            continue;
        plain += caption[i];
    }
    return plain;
}

void nameByLabel(QLabel *label, std::initializer_list<QWidget *> controls)
{
    const QString name = plainCaption(label->text());
    for (QWidget *control : controls)
        control->setAccessibleName(name);
    if (controls.size() > 0)
        label->setBuddy(*controls.begin());
}
