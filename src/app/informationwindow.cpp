// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/informationwindow.h"

#include "kit/controls.h"
#include "kit/multilinetextbox.h"

#include <QCloseEvent>
#include <QPushButton>

InformationWindow::InformationWindow()
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(tr("Information"));
    resizeClientInTwips(this, 7785, 6450);

    m_text = add<MultiLineTextBox>(this, "Text1", {120, 120, 7575, 5520});
    m_text->setAccessibleName(tr("Information"));
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    m_text->setFont(serif);
    // Nothing typed here would be kept; the text can still be selected and copied, by mouse or
    // keyboard.
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *shutButton = add<QPushButton>(this, "Command1", {3480, 5760, 855, 495}, tr("&Shut"));
    connect(shutButton, &QPushButton::clicked, this, &QWidget::hide);
}

void InformationWindow::showText(const QString &text)
{
    m_text->setText(text);
}

// The window system's close control acts as "&Shut": the window hides and keeps its text.
void InformationWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}
