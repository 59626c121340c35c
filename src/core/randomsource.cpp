// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "core/randomsource.h"

float StandardRandomSource::next()
{
    // The top 24 bits give every float in [0, 1) with a step of 2^-24 and can never round up
    // to 1, which a floating-point distribution may do.
    const std::uint32_t bits = m_generator() >> 8;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}
