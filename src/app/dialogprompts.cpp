// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "app/dialogprompts.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

void DialogPrompts::showMessage(QWidget *parent, MessageKind kind, const QString &text,
                                const QString &title)
{
    const QString shownTitle = title.isEmpty() ? defaultMessageTitle() : title;
    if (kind == MessageKind::Warning)
        QMessageBox::warning(parent, shownTitle, text);
    else
        QMessageBox::information(parent, shownTitle, text);
}

// No is the default button: a hurried Return keeps things as they are.
bool DialogPrompts::question(QWidget *parent, const QString &text, const QString &title)
{
    return QMessageBox::question(parent, title.isEmpty() ? defaultMessageTitle() : title, text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> DialogPrompts::input(QWidget *parent, const QString &prompt,
                                            const QString &title, const QString &defaultText,
                                            InputEcho echo)
{
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent, title.isEmpty() ? defaultMessageTitle() : title, prompt,
                              echo == InputEcho::Hidden ? QLineEdit::Password : QLineEdit::Normal,
                              defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}

bool DialogPrompts::print(QWidget *parent, const PrintJob &job)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (sendToPrinter(printer, job))
        return true;
    warning(parent,
            QCoreApplication::translate("DialogPrompts", "The printer could not be opened."));
    return false;
}
