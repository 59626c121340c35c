// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/printersurface.h"

#include "canvas/paintersurface.h"
#include "canvas/twips.h"

#include <QPainter>
#include <QPrinter>

namespace {

// On paper every pen colour role is black, on white.
QPalette blackPen()
{
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        palette.setColor(QPalette::ColorRole(role), Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    return palette;
}

// A painted page as a drawing surface: twips from the top-left of the printable area.
class PrinterSurface : public PainterSurface
{
public:
    PrinterSurface(QPainter &painter, double dotsPerInch)
        : PainterSurface(blackPen()), m_device(*painter.device()), m_dotsPerInch(dotsPerInch)
    {
        attachPainter(&painter, dotsPerInch / twipsPerInch, penWidth(dotsPerInch));
    }

    // Nothing on paper can be cleared.
    void clear() override {}
    float widthInTwips() const override
    {
        return float(pixelsToTwips(m_device.width(), m_dotsPerInch));
    }
    float heightInTwips() const override
    {
        return float(pixelsToTwips(m_device.height(), m_dotsPerInch));
    }

    // A hairline on a fine printer is too faint: the pen is one pixel of a 96-dpi screen.
    static double penWidth(double dotsPerInch) { return dotsPerInch / 96; }

private:
    const QPaintDevice &m_device;
    double m_dotsPerInch;
};

void replay(const OperationLog &page, DrawingSurface &surface)
{
    using Kind = DrawingOperation::Kind;
    for (const DrawingOperation &op : page.operations()) {
        switch (op.kind) {
        case Kind::Line:
            surface.line(op.x1, op.y1, op.x2, op.y2);
            break;
        case Kind::Point:
            surface.point(op.x1, op.y1);
            break;
        case Kind::Colour:
            surface.setPenColour(op.colour);
            break;
        case Kind::Font:
            surface.setFontSize(op.fontSize);
            break;
        case Kind::Text:
            surface.setCurrentX(op.x1);
            surface.setCurrentY(op.y1);
            surface.printText(op.text);
            break;
        }
    }
}

} // namespace

void paintPage(QPainter &painter, double dotsPerInch, const PrintedPage &page)
{
    painter.setClipping(false);
    if (!page.graphSquare.isEmpty()) {
        // Lines along the square's border are drawn whole: the clip reaches half a pen beyond it.
        const double scale = dotsPerInch / twipsPerInch;
        const double margin = PrinterSurface::penWidth(dotsPerInch) / 2;
        const QRectF square(page.graphSquare.topLeft() * scale, page.graphSquare.size() * scale);
        painter.setClipRect(square.adjusted(-margin, -margin, margin, margin));
    }
    PrinterSurface surface(painter, dotsPerInch);
    replay(page.operations, surface);
    surface.drawPendingLines();
}

bool sendToPrinter(QPrinter &printer, const PrintJob &job)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (std::size_t page = 0; page < job.size(); ++page) {
        if (page > 0)
            printer.newPage();
        paintPage(painter, printer.resolution(), job[page]);
    }
    return painter.end();
}
