#include "useractions.h"

#include "app/placement.h"
#include "canvas/resizerule.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {

// The first point, scanning rows from the top left, with no child control under it.
std::optional<QPoint> backgroundPoint(const QWidget *window)
{
    constexpr int step = 2;
    for (int y = 0; y < window->height(); y += step) {
        for (int x = 0; x < window->width(); x += step) {
            if (!window->childAt(x, y))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

void sendMouse(QWidget *window, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(window->mapToGlobal(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

} // namespace

bool clickBackground(QWidget *window)
{
    const std::optional<QPoint> point = backgroundPoint(window);
    if (!point)
        return false;
    sendMouse(window, QEvent::MouseButtonPress, *point, Qt::LeftButton);
    sendMouse(window, QEvent::MouseButtonRelease, *point, Qt::NoButton);
    return true;
}

void clickRow(QListWidget *list, int row)
{
    list->setCurrentRow(row);
    // The list widget turns its view's clicked() into itemClicked(), as for a real click.
    emit list->clicked(list->model()->index(row, 0));
}

void resizeOuter(QWidget *window, double widthTwips, double heightTwips)
{
    resizeClientInTwips(window, std::max(0.0, widthTwips - designFrameWidth),
                        std::max(0.0, heightTwips - designFrameHeight));
}
