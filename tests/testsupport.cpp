#include "testsupport.h"

void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(QStringView text, std::ostream *os)
{
    PrintTo(text.toString(), os);
}

void PrintTo(QLatin1StringView text, std::ostream *os)
{
    PrintTo(QString(text), os);
}

void PrintTo(const std::optional<QString> &text, std::ostream *os)
{
    if (text)
        PrintTo(*text, os);
    else
        *os << "(none)";
}

void PrintTo(const DrawingOperation &operation, std::ostream *os)
{
    using Kind = DrawingOperation::Kind;
    switch (operation.kind) {
    case Kind::Line:
        *os << "line " << operation.x1 << ' ' << operation.y1 << ' ' << operation.x2 << ' '
            << operation.y2;
        return;
    case Kind::Point:
        *os << "point " << operation.x1 << ' ' << operation.y1;
        return;
    case Kind::Colour:
        *os << "colour " << systemColourName(operation.colour).toStdString();
        return;
    case Kind::Font:
        *os << "font " << operation.fontSize;
        return;
    case Kind::Text:
        *os << "print " << operation.x1 << ' ' << operation.y1 << " \""
            << operation.text.toStdString() << '"';
        return;
    }
}

void PrintTo(const QPoint &point, std::ostream *os)
{
    *os << '(' << point.x() << ", " << point.y() << ')';
}
