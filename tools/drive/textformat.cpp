#include "textformat.h"

#include <array>
#include <charconv>

namespace {

// Fixed notation without a precision gives the shortest round-trip digits (std::to_chars).
template <typename Number> QString shortestDecimal(Number value)
{
    if (value == 0)
        value = 0;                // drops the sign of -0
    std::array<char, 400> buffer; // room for every finite double in fixed notation
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

} // namespace

QString formatNumber(double value)
{
    return shortestDecimal(value);
}

QString formatNumber(float value)
{
    return shortestDecimal(value);
}

QString quoted(const QString &text)
{
    QString result = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            result += QStringLiteral("\\\"");
            break;
        case u'\\':
            result += QStringLiteral("\\\\");
            break;
        case u'\r':
            result += QStringLiteral("\\r");
            break;
        case u'\n':
            result += QStringLiteral("\\n");
            break;
        case u'\t':
            result += QStringLiteral("\\t");
            break;
        default:
            result += c;
        }
    }
    return result + u'"';
}
