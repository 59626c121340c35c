// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QPointer>

#include <cmath>
#include <optional>

class QLineEdit;
class QScrollBar;

// How a slider's position turns into the number its box shows: (top - position) × step, so that
// the number grows as the thumb moves up. A coefficient slider from -5 to 5 has top 0: its highest
// position, -5, shows 5.
struct SliderScale
{
    int top = 0;
    int step = 1;

    int shownAt(int position) const { return (top - position) * step; }
    // The position whose number comes nearest to a number.
    int positionOf(double shown) const { return top - int(std::lround(shown / step)); }
};

// A slider's box and the scale by which the slider writes into it.
struct SliderBox
{
    SliderScale scale;
    QPointer<QLineEdit> box;
};

// Makes a slider write its number into a box at every move, by its scale. Typing into the box
// does not move the slider; its next move overwrites what was typed. A screen reader hears the
// number in the box as the slider's value, from the numbers at its two ends.
void connectSliderToBox(QScrollBar *slider, QLineEdit *box, SliderScale scale = {});

// Links a slider to the box it writes into, by a scale, for screen readers alone; a slider whose
// scale changes with its range (the scale part's) writes into its box itself.
void linkSliderToBox(QScrollBar *slider, QLineEdit *box, SliderScale scale);

// The box a slider was linked to, if any.
std::optional<SliderBox> sliderBox(const QScrollBar *slider);
