#pragma once

class QLineEdit;
class QScrollBar;

// Makes a slider (or a short up/down spinner) write a coefficient into its box: every move writes
// maximum - range - position as a whole number ("-3", "0", "2"), so the top of a slider from -5 to
// 5 with a range of 5 gives 5 and its bottom -5. Typing into the box does not move the slider;
// its next move overwrites what was typed.
void connectCoefficientSlider(QScrollBar *slider, QLineEdit *box, int range = 5);
