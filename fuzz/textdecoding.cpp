// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

// Fuzzes decodeText and splitLines, which read pw.txt, readme.txt and task files. Bytes after a
// UTF-8 byte-order mark are UTF-8: valid ones give back exactly their text. Other bytes that are
// valid UTF-8 with a byte above 127 give back exactly their text too. Anything else is
// Windows-1252, one character per byte, checked against the code page's own table; the five
// bytes it leaves undefined keep their value, as Windows reads them. The lines are the text
// between its line ends (CR LF, LF or CR), with nothing after a last line end.

#include "core/textfile.h"
#include "fuzzcheck.h"
#include "windows1252.h"

#include <algorithm>
#include <cstdint>

namespace {

using namespace Qt::StringLiterals;

void checkDecoding(const QByteArray &bytes)
{
    const QString text = decodeText(bytes);
    const auto detail = [&] {
        return u"bytes %1 decode as %2"_s.arg(QString::fromLatin1(bytes.toHex(' ')), visible(text));
    };
    const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
    if (bytes.startsWith(byteOrderMark)) {
        const QByteArray rest = bytes.sliced(byteOrderMark.size());
        // Qt's decoder drops a second mark as well: an invisible character at the start of the
        // text, which is no loss.
        const bool secondMarkDropped =
            rest.startsWith(byteOrderMark) && text.toUtf8() == rest.sliced(byteOrderMark.size());
        if (QByteArrayView(rest).isValidUtf8())
            require(text.toUtf8() == rest || secondMarkDropped,
                    "UTF-8 after a byte-order mark reads as its text", detail);
        return;
    }
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char byte) { return (byte & 0x80) == 0; });
    if (!ascii && QByteArrayView(bytes).isValidUtf8()) {
        require(text.toUtf8() == bytes, "valid UTF-8 reads as its text", detail);
        return;
    }
    require(text.size() == bytes.size(), "Windows-1252 gives one character per byte", detail);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        require(text[i] == windows1252Character(bytes[i]),
                "each byte reads as its Windows-1252 character",
                [&] { return detail() + u" at byte %1"_s.arg(i); });
    }
}

void checkLines(const QString &text)
{
    const QStringList lines = splitLines(text);
    QString expected = text;
    expected.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    if (expected.endsWith(u'\n'))
        expected.chop(1);
    const auto detail = [&] {
        return u"text %1 gives lines %2"_s.arg(visible(text), visible(lines.join(u'|')));
    };
    require(lines.join(u'\n') == expected, "the lines are the text between its line ends", detail);
    require(std::none_of(
                lines.begin(), lines.end(),
                [](const QString &line) { return line.contains(u'\r') || line.contains(u'\n'); }),
            "no line holds a line end", detail);
    require(lines.isEmpty() == text.isEmpty(), "only an empty text has no lines", detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    checkDecoding(bytes);
    checkLines(decodeText(bytes));
    return 0;
}
