#pragma once

class QLineEdit;
class QScrollBar;

// Makes a short scroll bar an up/down spinner for a parameter box: every move writes minus the
// spinner's position into the box as a whole number ("-3", "0", "2"), so the top of a spinner
// from -5 to 5 gives 5 and the bottom -5. Typing into the box does not move the spinner; its next
// move overwrites what was typed.
void connectParameterSpinner(QScrollBar *spinner, QLineEdit *box);
