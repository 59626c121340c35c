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

// Qt's palette has no desktop or title-bar roles: the desktop takes the link colour, the active
// title bar the highlight and the inactive title bar the visited-link colour. Themes keep these
// readable on the window background and distinct from the text; the inactive highlight would
// not do for the inactive title bar, as many themes give it the shade of the active one.
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
        return palette.color(QPalette::Active, QPalette::LinkVisited);
    }
    return palette.color(QPalette::Active, QPalette::ButtonText);
}
