// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdio>
#include <cstdlib>

// Stops the run when a property of the code under test does not hold: libFuzzer then keeps the
// input that broke it. The detail, a function returning what to print, is only built on failure,
// so that a check costs nothing while it holds.
template <typename Detail> void require(bool holds, const char *property, Detail detail)
{
    if (holds)
        return;
    const QString text = detail();
    std::fprintf(stderr, "Property failed: %s\n%s\n", property, text.toUtf8().constData());
    std::abort();
}

inline void require(bool holds, const char *property)
{
    require(holds, property, [] { return QString(); });
}

// A text as printable ASCII between double quotes, every other character as \uXXXX, so that a
// failure shows exactly which characters a text held.
inline QString visible(QStringView text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'\\' && c != u'"')
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out + u'"';
}
