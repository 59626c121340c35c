#pragma once

class QLineEdit;
class QScrollBar;

// Makes a slider write its number into a box at every move: (top - position) × step as a whole
// number, so that the number grows as the thumb moves up. A coefficient slider from -5 to 5 has
// top 0: its highest position, -5, writes "5". Typing into the box does not move the slider; its
// next move overwrites what was typed.
void connectSliderToBox(QScrollBar *slider, QLineEdit *box, int top = 0, int step = 1);
