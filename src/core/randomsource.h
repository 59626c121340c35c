// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <cstdint>
#include <random>

// The program's source of chance: uniform single-precision numbers in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// A standard-library generator with a fixed seed: every run of the program draws the same
// sequence, as the experiments expect (the program never seeds from the clock).
class StandardRandomSource : public RandomSource
{
public:
    float next() override;

private:
    std::mt19937 m_generator{5489u};
};
