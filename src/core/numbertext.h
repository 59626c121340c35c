// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// The number text of a computed value: one leading blank for values >= 0 (and -0), "-" otherwise;
// whole numbers without a point; "." as separator whatever the locale; no 0 before the point
// below 1 in magnitude; at most 15 significant digits; exponent form for very large and very
// small magnitudes (" 1E+16", " 1.5E-05"). An infinity or NaN has no number text: callers
// must decide what to show instead, so such a value can never reach a box as "inf" or "nan".
std::optional<QString> numberText(double value);

// A whole number as a slider writes it into its text box: "9", "-3".
QString wholeNumberText(int value);

// Formats with a pattern such as "###0.000", "0.00" or "0.0": as many decimals as the pattern has
// after its point, rounded half away from zero, at least one digit before the separator, no
// grouping, and the decimal separator of the given locale. A value that rounds to zero has no
// minus sign.
QString formatPattern(double value, QStringView pattern, const QLocale &locale = QLocale::system());

// The display rounding of the module windows: floor(t * 1000 + 0.5) / 1000.
double roundThreeDecimals(double t);
