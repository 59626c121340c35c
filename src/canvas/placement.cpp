#include "canvas/placement.h"

#include "canvas/twips.h"

#include <QWidget>

void placeInTwips(QWidget *control, int left, int top, int width, int height)
{
    const double dpiX = control->logicalDpiX();
    const double dpiY = control->logicalDpiY();
    control->setGeometry(twipsToPixels(left, dpiX), twipsToPixels(top, dpiY),
                         twipsToPixels(width, dpiX), twipsToPixels(height, dpiY));
}

void placeInTwips(QWidget *control, QWidget *container, int left, int top, int width, int height)
{
    control->setParent(container);
    placeInTwips(control, left, top, width, height);
    control->show();
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
