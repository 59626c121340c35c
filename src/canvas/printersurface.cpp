#include "canvas/printersurface.h"

#include "canvas/paintersurface.h"
#include "canvas/twips.h"

#include <QPainter>
#include <QPrinter>

namespace {

// On paper every pen colour role is black.
QPalette blackPen()
{
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        palette.setColor(QPalette::ColorRole(role), Qt::black);
    return palette;
}

// The printer as a drawing surface: twips from the top-left of the printable area.
class PrinterSurface : public PainterSurface
{
public:
    PrinterSurface(QPrinter &printer, QPainter &painter)
        : PainterSurface(blackPen()), m_printer(printer)
    {
        const double dotsPerInch = printer.resolution();
        // A hairline on a fine printer is too faint: the pen is one pixel of a 96-dpi screen.
        attachPainter(&painter, dotsPerInch / twipsPerInch, dotsPerInch / 96);
    }

    // Nothing on paper can be cleared.
    void clear() override {}
    float widthInTwips() const override { return float(pixelsToTwips(pageRect().width(), dpi())); }
    float heightInTwips() const override { return float(pixelsToTwips(pageRect().height(), dpi())); }

private:
    double dpi() const { return m_printer.resolution(); }
    QRectF pageRect() const { return m_printer.pageRect(QPrinter::DevicePixel); }

    QPrinter &m_printer;
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

bool sendToPrinter(QPrinter &printer, const PrintJob &job)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (std::size_t page = 0; page < job.size(); ++page) {
        if (page > 0)
            printer.newPage();
        PrinterSurface surface(printer, painter);
        replay(job[page], surface);
        surface.drawPendingLines();
    }
    return painter.end();
}
