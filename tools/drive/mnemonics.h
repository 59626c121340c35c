// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// A mnemonic key that more than one control of a window answers to.
struct SharedMnemonic
{
    QString key;          // "Alt+P"
    QStringList controls; // object names, in the window's order
};

// The mnemonics (the letters after an & in a caption) that two or more of the window's shown
// buttons, labels and frames share: Alt with such a letter reaches only one of them at a time.
QList<SharedMnemonic> sharedMnemonics(const QWidget &window);
