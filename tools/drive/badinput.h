// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QStringList>

// What a random walk types into boxes and answers to input boxes.
namespace badinput {

// Texts that a pupil may type into any box, each one chosen to trip a program that reads or shows
// numbers carelessly: nothing, a lone sign, numbers beyond the range of a double, a negative
// zero, a hexadecimal number that overflows a whole number, "nan", ten thousand digits, line
// breaks, the task files' separator and characters that Windows-1252 cannot hold.
const QStringList &texts();

// Plain numbers, so that coefficients and scales also take values that draw graphs.
const QStringList &ordinaryNumbers();

// Names that a teacher may give a task: ordinary ones, one of a task file that exists and one of
// a directory, and names that try to leave the chosen directory.
const QStringList &taskNames();

} // namespace badinput
