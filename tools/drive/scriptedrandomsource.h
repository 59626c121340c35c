// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "core/randomsource.h"

#include <deque>

// The random source of a scripted run: the draws the script queued come first, then the
// program's own fixed-seed sequence goes on.
class ScriptedRandomSource : public RandomSource
{
public:
    float next() override;

    void queue(float value) { m_queued.push_back(value); }

private:
    std::deque<float> m_queued;
    StandardRandomSource m_standard;
};
