#include "core/textfile.h"

#include <QFile>
#include <QStringDecoder>

QStringList splitLines(const QString &text)
{
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            lines.append(line);
            line.clear();
            if (ch == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            line.append(ch);
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

std::optional<QStringList> readTextLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringDecoder decoder("windows-1252");
    return splitLines(decoder.decode(bytes));
}
