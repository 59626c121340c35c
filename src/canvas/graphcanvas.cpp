// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/graphcanvas.h"

#include "canvas/twips.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QToolTip>

namespace {

// A screen reader meets the canvas as a picture.
QAccessibleInterface *canvasInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("GraphCanvas"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

GraphCanvas::GraphCanvas(QWidget *parent)
    : QWidget(parent), m_surface(palette().color(QPalette::Base), palette())
{
    static const bool interfaceInstalled = [] {
        QAccessible::installFactory(canvasInterface);
        return true;
    }();
    static_cast<void>(interfaceInstalled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Graph"));
    forgetDrawings();
}

void GraphCanvas::describeDrawing(const DrawingInWords &drawing)
{
    m_drawings.push_back(drawing);
    setAccessibleDescription(graphInWords(m_drawings));
}

void GraphCanvas::forgetDrawings()
{
    m_drawings.clear();
    setAccessibleDescription(graphInWords(m_drawings));
}

GraphPicture GraphCanvas::picture() const
{
    return {m_surface.drawing(), widthInTwips(), palette().color(QPalette::Base), palette()};
}

bool GraphCanvas::event(QEvent *event)
{
    // The keys that ask for the menu are handled as keys, the same on every platform: some send a
    // context menu event of their own after the Menu key, which would open the menu twice.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard)
        return true;
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
    forgetDrawings();
    update();
}

void GraphCanvas::clear()
{
    m_surface.clear();
    forgetDrawings();
    update();
}

void GraphCanvas::keyPressEvent(QKeyEvent *event)
{
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (menuKey || shiftF10)
        emit customContextMenuRequested(rect().center());
    else
        QWidget::keyPressEvent(event);
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
