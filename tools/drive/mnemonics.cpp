// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "mnemonics.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QWidget>

namespace {

QString caption(const QWidget &control)
{
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(&control))
        return frame->title();
    return QString();
}

} // namespace

QList<SharedMnemonic> sharedMnemonics(const QWidget &window)
{
    QList<SharedMnemonic> mnemonics;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        const QKeySequence key = QKeySequence::mnemonic(caption(*control));
        if (key.isEmpty() || !control->isVisibleTo(&window))
            continue;
        const QString keyText = key.toString(QKeySequence::PortableText);
        const auto found = std::find_if(mnemonics.begin(), mnemonics.end(),
                                        [&](const SharedMnemonic &m) { return m.key == keyText; });
        if (found == mnemonics.end())
            mnemonics.append({keyText, {control->objectName()}});
        else
            found->controls.append(control->objectName());
    }
    mnemonics.removeIf([](const SharedMnemonic &m) { return m.controls.size() < 2; });
    return mnemonics;
}
