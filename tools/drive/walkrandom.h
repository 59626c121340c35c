// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QtGlobal>

#include <random>

// The random choices of a walk, from its seed alone and the same on every machine: the engine's
// sequence is fixed by the standard, and ranges are cut from it here rather than by a
// distribution, whose algorithm the standard leaves open.
class WalkRandom
{
public:
    explicit WalkRandom(quint64 seed) : m_engine(seed) {}

    // 0 to count - 1; count is at least 1.
    qsizetype below(qsizetype count) { return qsizetype(m_engine() % quint64(count)); }
    bool chance(int percent) { return below(100) < percent; }
    // low to high, both included.
    int between(int low, int high) { return low + int(below(qsizetype(high) - low + 1)); }
    // One element of a list that is not empty.
    template <typename List> const auto &pick(const List &list) { return list[below(list.size())]; }

private:
    std::mt19937_64 m_engine;
};
