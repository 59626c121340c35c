// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QString>

#include <utility>

// Why a script line failed. Thrown by the runner's parts and reported with the line number.
class ScriptError
{
public:
    explicit ScriptError(QString reason) : m_reason(std::move(reason)) {}

    const QString &reason() const { return m_reason; }

private:
    QString m_reason;
};
