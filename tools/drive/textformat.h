// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QByteArray>
#include <QString>

// Numbers as the runner prints them: the shortest digits that read back as the same value,
// written in plain decimal notation, never with an exponent (3062.5, -2000, 0.1). Negative zero
// prints as 0. A float is shortened as a float, so the canvas side 0.1f prints as 0.1.
QString formatNumber(double value);
QString formatNumber(float value);

// A text between double quotes, with \" \\ \r \n \t escaped, so that it reads back as one word.
QString quoted(const QString &text);

// Bytes between double quotes: bytes 32 to 126 as they are, except " and \ escaped as \" and
// \\; CR, LF and tab as \r \n \t; every other byte as \xhh in lowercase hex.
QString quotedBytes(const QByteArray &bytes);
