#include "canvas/graphcanvas.h"

#include "canvas/twips.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPalette>
#include <QToolTip>

GraphCanvas::GraphCanvas(QWidget *parent)
    : QWidget(parent), m_surface(palette().color(QPalette::Base), palette())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click gives the canvas the focus, so that the Menu key opens its menu; Tab passes it by.
    setFocusPolicy(Qt::ClickFocus);
}

GraphPicture GraphCanvas::picture() const
{
    return {m_surface.drawing(), widthInTwips(), palette().color(QPalette::Base), palette()};
}

bool GraphCanvas::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString text = m_pointerReading
                             ? m_pointerReading(pixelsToTwips(help->pos().x(), logicalDpiX()),
                                                pixelsToTwips(help->pos().y(), logicalDpiY()))
                             : QString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void GraphCanvas::setSide(float twips)
{
    // The surface measures exactly what the widget shows, a whole number of pixels, so that
    // drawing fills the canvas on screen.
    const int pixels = twipsToPixels(twips, logicalDpiX());
    const auto side = float(snappedToPixels(twips, logicalDpiX()));
    resize(pixels, pixels);
    m_surface.setSize(side, side, logicalDpiX(), devicePixelRatioF());
    update();
}

void GraphCanvas::clear()
{
    m_surface.clear();
    update();
}

void GraphCanvas::line(double x1, double y1, double x2, double y2)
{
    m_surface.line(x1, y1, x2, y2);
    update();
}

void GraphCanvas::point(double x, double y)
{
    m_surface.point(x, y);
    update();
}

void GraphCanvas::setPenColour(SystemColour colour)
{
    m_surface.setPenColour(colour);
}

void GraphCanvas::setFontSize(double points)
{
    m_surface.setFontSize(points);
}

void GraphCanvas::printText(const QString &text)
{
    m_surface.printText(text);
    update();
}

void GraphCanvas::paintEvent(QPaintEvent *)
{
    // Moved to a screen of another pixel density: the picture is drawn anew, so it stays crisp.
    m_surface.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.drawImage(QPointF(0, 0), m_surface.image());
}
