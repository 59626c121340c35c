// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QLocale>
#include <QStringView>

// Reads the number at the start of a text the way every text box of the program is read:
// blanks, tabs and line feeds are skipped wherever they stand; then an optional sign, digits with
// at most one period and an optional exponent (E or D, optional sign, digits) are read as far as
// they go, and the rest is ignored. "&H" and "&O" introduce a hexadecimal or octal whole number.
// A text with no leading number reads as 0. The result is always a finite double.
// Where the locale writes numbers with a decimal comma, a comma reads as the decimal point too,
// so that a number reads back as the program shows it: "0,5" is 0.5 in Dutch and 0 in English.
double readNumber(QStringView text, const QLocale &locale = QLocale::system());
