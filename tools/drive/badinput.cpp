// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "badinput.h"

using namespace Qt::StringLiterals;

namespace badinput {

const QStringList &texts()
{
    static const QStringList texts = {
        QString(),
        u"-"_s,
        u"1e400"_s,
        u"-1e400"_s,
        u"1e-400"_s,
        u"-0"_s,
        u"-0.0"_s,
        u"&HFFFFFFFF"_s,
        u"&H8000"_s,
        u"&O77777777777"_s,
        u"nan"_s,
        u"-inf"_s,
        u"Infinity"_s,
        QString(10000, u'9'),
        u"12\r\n34"_s,
        u"\r\n"_s,
        u"$"_s,
        u"a\r\n$\r\nb"_s,
        u"\u221A2 \u2212 \u03C0"_s, // √2 − π: no bytes for them in Windows-1252
        u"\U0001F600"_s,            // an emoji, beyond the Basic Multilingual Plane
        u"1.7976931348623157e308"_s,
        u"4.9e-324"_s,
        u"1d308"_s,
        u"1e"_s,
        u"."_s,
        u"2,5"_s,
        u"\t 7 \t"_s,
    };
    return texts;
}

const QStringList &ordinaryNumbers()
{
    static const QStringList numbers = {u"0"_s, u"1"_s,  u"2"_s,   u"-3"_s,  u"0.5"_s,
                                        u"5"_s, u"10"_s, u"-7"_s,  u"100"_s, u"0.001"_s,
                                        u"3"_s, u"-1"_s, u"1e3"_s, u"12"_s};
    return numbers;
}

const QStringList &taskNames()
{
    static const QStringList names = {
        u"roots"_s, u"Vertex"_s, u"task"_s, u"folder"_s,        u"../escape"_s,
        u".."_s,    u"."_s,      u"a\\b"_s, u"/tmp/absolute"_s,
    };
    return names;
}

} // namespace badinput
