#pragma once

#include "kit/placement.h"

#include <QString>

class QWidget;

// Gives a control the keyboard behaviour users expect of its kind: sliders take the focus and
// move with the arrow keys, Page Up/Down, Home and End; a focused button is pressed by Return as
// well as Space; Tab leaves a multi-line text box instead of typing a tab into it.
void giveKeyboardBehaviour(QWidget *control);

// Sets the caption of a control that has one (a button, label, frame, check or option button).
void setCaption(QWidget *control, const QString &caption);

// Widens a label, check box or option button whose caption does not fit its designed width, as
// happens on a screen scaled beyond the design's 96 dpi.
void widenToCaption(QWidget *control);

// Creates a control of a kind inside its parent (a frame or the window), names it so that tests
// and the scenario runner find it, places it in twips and gives it its kind's keyboard behaviour:
//   Command1 = add<QPushButton>(Frame1, "Command1", {120, 240, 615, 375}, u"&Plot"_s);
template <typename Control>
Control *add(QWidget *parent, const char *name, const TwipRect &place, const QString &caption = {})
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    if (!caption.isEmpty())
        setCaption(control, caption);
    placeInTwips(control, place);
    widenToCaption(control);
    giveKeyboardBehaviour(control);
    return control;
}
