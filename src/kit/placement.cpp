#include "kit/placement.h"

#include "canvas/twips.h"

#include <QWidget>

#include <algorithm>
#include <vector>

void placeInTwips(QWidget *control, const TwipRect &place)
{
    const double dpiX = control->logicalDpiX();
    const double dpiY = control->logicalDpiY();
    control->setGeometry(twipsToPixels(place.left, dpiX), twipsToPixels(place.top, dpiY),
                         twipsToPixels(place.width, dpiX), twipsToPixels(place.height, dpiY));
}

void resizeClientInTwips(QWidget *window, double width, double height)
{
    window->resize(twipsToPixels(width, window->logicalDpiX()),
                   twipsToPixels(height, window->logicalDpiY()));
}

double widthInTwips(const QWidget *widget)
{
    return pixelsToTwips(widget->width(), widget->logicalDpiX());
}

double heightInTwips(const QWidget *widget)
{
    return pixelsToTwips(widget->height(), widget->logicalDpiY());
}

QSizeF outerSizeInTwips(const QWidget *window, const DesignSize &design)
{
    const double dpiX = window->logicalDpiX();
    const double dpiY = window->logicalDpiY();
    const double openedWidth = snappedToPixels(design.width - designFrameWidth, dpiX);
    const double openedHeight = snappedToPixels(design.height - designFrameHeight, dpiY);
    return {design.width + (widthInTwips(window) - openedWidth),
            design.height + (heightInTwips(window) - openedHeight)};
}

namespace {

// The focusable controls inside a container, in layout order, descending into containers.
void collectInLayoutOrder(QWidget *container, std::vector<QWidget *> &order)
{
    std::vector<QWidget *> children;
    for (QObject *object : container->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow())
            children.push_back(child);
    }
    std::stable_sort(children.begin(), children.end(), [](QWidget *a, QWidget *b) {
        const QPoint pa = a->pos();
        const QPoint pb = b->pos();
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    for (QWidget *child : children) {
        if (child->focusPolicy() & Qt::TabFocus)
            order.push_back(child);
        else
            collectInLayoutOrder(child, order);
    }
}

} // namespace

void orderTabsByLayout(QWidget *window)
{
    std::vector<QWidget *> order;
    collectInLayoutOrder(window, order);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
