// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "kit/accessibility.h"
#include "kit/placement.h"

#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

// Gives a control the keyboard behaviour users expect of its kind: sliders take the focus and
// move with the arrow keys, Page Up/Down, Home and End; a focused button is pressed by Return as
// well as Space; Tab leaves a multi-line text box instead of typing a tab into it; a focused
// slider, list or text box shows a focus mark.
void giveKeyboardBehaviour(QWidget *control);

// Sets the caption of a control that has one (a button, label, frame, check or option button).
// A frame whose caption is only a mnemonic mark is a plain grouping: a screen reader gives it no
// name.
void setCaption(QWidget *control, const QString &caption);

// A caption as it reads, without its mnemonic mark: "&Plot" reads "Plot", "R&&D" reads "R&D".
QString plainCaption(const QString &caption);

// Names controls after the label that a sighted user reads beside them: a screen reader announces
// each by the label's text, and the first becomes the label's buddy (its mnemonic, if it has one,
// moves the focus there).
void nameByLabel(QLabel *label, std::initializer_list<QWidget *> controls);

// Widens a label, check box or option button whose caption does not fit its designed width, as
// happens on a screen scaled beyond the design's 96 dpi.
void widenToCaption(QWidget *control);

// Creates a control of a kind inside its parent (a frame or the window), names it so that tests
// and the scenario runner find it, places it in twips and gives it its kind's keyboard behaviour;
// a screen reader names it by its caption, or by its frame's when it has none:
//   Command1 = add<QPushButton>(Frame1, "Command1", {120, 240, 615, 375}, u"&Plot"_s);
template <typename Control>
Control *add(QWidget *parent, const char *name, const TwipRect &place, const QString &caption = {})
{
    useAccessibleInterfaces();
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    if (!caption.isEmpty())
        setCaption(control, caption);
    placeInTwips(control, place);
    widenToCaption(control);
    giveKeyboardBehaviour(control);
    return control;
}
