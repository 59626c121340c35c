// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/prompts.h"

// The prompts as the user sees them: QMessageBox, QInputDialog and the platform's print dialog.
class DialogPrompts : public Prompts
{
public:
    bool question(QWidget *parent, const QString &text, const QString &title = {}) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title = {},
                                 const QString &defaultText = {},
                                 InputEcho echo = InputEcho::Shown) override;
    bool print(QWidget *parent, const PrintJob &job) override;

protected:
    void showMessage(QWidget *parent, MessageKind kind, const QString &text,
                     const QString &title) override;
};
