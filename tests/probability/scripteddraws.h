// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "core/randomsource.h"

#include <cstddef>
#include <vector>

// A random source for tests: gives the scripted numbers in turn, over and over, and counts the
// draws.
class ScriptedDraws : public RandomSource
{
public:
    explicit ScriptedDraws(std::vector<float> draws) : m_draws(std::move(draws)) {}

    float next() override { return m_draws.at(m_drawn++ % m_draws.size()); }
    std::size_t drawn() const { return m_drawn; }

private:
    std::vector<float> m_draws;
    std::size_t m_drawn = 0;
};

// The number in [0, 1) that draws the whole number z from L to U: the middle of its share.
inline float drawFor(double z, double lowest, double highest)
{
    return float((z - lowest + 0.5) / (highest - lowest + 1));
}
