// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QWidget>

class MultiLineTextBox;

// The information window, which shows the program's readme text.
class InformationWindow : public QWidget
{
    Q_OBJECT

public:
    InformationWindow();

    void showText(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    MultiLineTextBox *m_text;
};
