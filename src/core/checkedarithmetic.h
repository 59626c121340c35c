// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <cmath>
#include <limits>

// Doubles never trap: a division by zero or an overflow gives an infinity, and a value outside a
// function's domain (the square root of a negative number, 0/0) gives NaN. Drawing code passes
// every value it computes through computable(); the first value that is not computable is the
// arithmetic failure that stops a drawing with the window's message.
inline bool computable(double value)
{
    return std::isfinite(value);
}

template <typename... Rest> bool computable(double first, Rest... rest)
{
    return computable(first) && computable(rest...);
}

// What a curve function returns for a point where it cannot be computed, such as a domain error
// that plain arithmetic would hide.
inline constexpr double notComputable = std::numeric_limits<double>::quiet_NaN();
