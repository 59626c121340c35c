// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "scriptedrandomsource.h"

float ScriptedRandomSource::next()
{
    if (m_queued.empty())
        return m_standard.next();
    const float value = m_queued.front();
    m_queued.pop_front();
    return value;
}
