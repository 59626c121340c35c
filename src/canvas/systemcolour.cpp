#include "canvas/systemcolour.h"

QString systemColourName(SystemColour role)
{
    switch (role) {
    case SystemColour::ButtonText:
        return QStringLiteral("buttontext");
    case SystemColour::WindowText:
        return QStringLiteral("windowtext");
    case SystemColour::ButtonShadow:
        return QStringLiteral("buttonshadow");
    case SystemColour::Desktop:
        return QStringLiteral("desktop");
    case SystemColour::ActiveTitle:
        return QStringLiteral("activetitle");
    case SystemColour::InactiveTitle:
        return QStringLiteral("inactivetitle");
    }
    return {};
}

// Qt's palette has no desktop or title-bar roles: the desktop takes the link colour and the two
// title bars the active and the inactive highlight, which themes keep distinct from the text and
// readable on the window background.
QColor systemColourShade(SystemColour role, const QPalette &palette)
{
    switch (role) {
    case SystemColour::ButtonText:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case SystemColour::WindowText:
        return palette.color(QPalette::Active, QPalette::WindowText);
    case SystemColour::ButtonShadow:
        return palette.color(QPalette::Active, QPalette::Dark);
    case SystemColour::Desktop:
        return palette.color(QPalette::Active, QPalette::Link);
    case SystemColour::ActiveTitle:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case SystemColour::InactiveTitle:
        return palette.color(QPalette::Inactive, QPalette::Highlight);
    }
    return palette.color(QPalette::Active, QPalette::ButtonText);
}
