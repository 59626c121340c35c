// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

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

// Controls may overlap their neighbours by this much and still count as apart: designs put a
// slider one pixel into its box, a frame one pixel onto the next.
constexpr int overlapAllowed = 4;

// The interval a widget takes along one direction.
struct Span
{
    int start;
    int end;
};
Span spanAlong(const QWidget *widget, Qt::Orientation orientation)
{
    const QRect r = widget->geometry();
    return orientation == Qt::Vertical ? Span{r.top(), r.bottom() + 1}
                                       : Span{r.left(), r.right() + 1};
}

bool takesTab(const QWidget *widget)
{
    return widget->focusPolicy() & Qt::TabFocus;
}

// Splits widgets in two at the first gap that runs between them along one direction: those
// before it and those after it, in order along that direction. One group when there is no gap.
// Splitting at the first gap alone lets what lies after it be cut across the other way first, so
// that a grid of buttons beside a list reads row by row.
std::vector<std::vector<QWidget *>> splitAtFirstGap(std::vector<QWidget *> widgets,
                                                    Qt::Orientation orientation)
{
    std::stable_sort(widgets.begin(), widgets.end(), [orientation](QWidget *a, QWidget *b) {
        return spanAlong(a, orientation).start < spanAlong(b, orientation).start;
    });
    if (widgets.size() < 2)
        return {widgets};
    int end = spanAlong(widgets.front(), orientation).end;
    for (auto next = widgets.begin() + 1; next != widgets.end(); ++next) {
        const Span span = spanAlong(*next, orientation);
        if (span.start > end - overlapAllowed)
            return {{widgets.begin(), next}, {next, widgets.end()}};
        end = std::max(end, span.end);
    }
    return {widgets};
}

void collectInLayoutOrder(QWidget *container, const QWidget *last, std::vector<QWidget *> &order);

// Orders widgets of one container: by bands, then columns, recursively; widgets that no gap
// separates go top to bottom, then left to right.
void orderSiblings(std::vector<QWidget *> widgets, const QWidget *last,
                   std::vector<QWidget *> &order)
{
    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        const auto groups = splitAtFirstGap(widgets, orientation);
        if (groups.size() > 1) {
            for (const auto &group : groups)
                orderSiblings(group, last, order);
            return;
        }
    }
    std::stable_sort(widgets.begin(), widgets.end(), [](QWidget *a, QWidget *b) {
        const QPoint pa = a->pos();
        const QPoint pb = b->pos();
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    for (QWidget *widget : widgets) {
        if (takesTab(widget))
            order.push_back(widget);
        else
            collectInLayoutOrder(widget, last, order);
    }
}

// Whether a widget takes the Tab key or holds a control that does.
bool holdsTabStop(const QWidget *widget)
{
    if (takesTab(widget))
        return true;
    const auto children = widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(), [](const QWidget *child) {
        return !child->isWindow() && holdsTabStop(child);
    });
}

// The focusable controls inside a container, in layout order, descending into containers.
void collectInLayoutOrder(QWidget *container, const QWidget *last, std::vector<QWidget *> &order)
{
    std::vector<QWidget *> children;
    for (QObject *object : container->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && child != last && !child->isWindow() && holdsTabStop(child))
            children.push_back(child);
    }
    orderSiblings(children, last, order);
}

} // namespace

QWidget *orderTabsByLayout(QWidget *window, QWidget *last)
{
    std::vector<QWidget *> order;
    collectInLayoutOrder(window, last, order);
    if (last)
        order.push_back(last);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return order.empty() ? nullptr : order.front();
}
