// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/graphpicture.h"

#include "canvas/compactdrawing.h"
#include "canvas/paintersurface.h"
#include "canvas/twips.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace {

// The logical resolution canvases are drawn for, and the pen of a 96-dpi pixel in twips.
constexpr double screenDotsPerInch = 96;
constexpr double penTwips = twipsPerInch / screenDotsPerInch;

// Draws a picture with a painter that is active on a device, in device units per twip.
class PictureSurface : public PainterSurface
{
public:
    PictureSurface(const GraphPicture &picture, QPainter &painter, double unitsPerTwip,
                   double penWidth)
        : PainterSurface(picture.palette), m_side(picture.side)
    {
        painter.fillRect(QRectF(0, 0, m_side * unitsPerTwip, m_side * unitsPerTwip),
                         picture.background);
        attachPainter(&painter, unitsPerTwip, penWidth);
        setJoinConnectedLines(true);
    }

    void clear() override {}
    float widthInTwips() const override { return m_side; }
    float heightInTwips() const override { return m_side; }

private:
    float m_side;
};

void draw(const GraphPicture &picture, QPainter &painter, double unitsPerTwip, double penWidth)
{
    PictureSurface surface(picture, painter, unitsPerTwip, penWidth);
    picture.drawing.replay(surface);
    surface.drawPendingLines();
}

// SVG and PDF are drawn in twips, so their page is the picture's size on paper.
bool writeSvg(const GraphPicture &picture, QIODevice &device)
{
    const int side = int(std::ceil(picture.side));
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setResolution(int(twipsPerInch));
    generator.setSize(QSize(side, side));
    generator.setViewBox(QRect(0, 0, side, side));
    generator.setTitle(QStringLiteral("Quillor graph"));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    draw(picture, painter, 1, penTwips);
    return painter.end();
}

bool writePdf(const GraphPicture &picture, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setResolution(int(twipsPerInch));
    const double inches = picture.side / twipsPerInch;
    writer.setPageSize(QPageSize(QSizeF(inches, inches), QPageSize::Inch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("Quillor graph"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    draw(picture, painter, 1, penTwips);
    return painter.end();
}

} // namespace

std::optional<PictureFormat> pictureFormatFor(const QString &fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension == QLatin1StringView("png"))
        return PictureFormat::Png;
    if (extension == QLatin1StringView("svg"))
        return PictureFormat::Svg;
    if (extension == QLatin1StringView("pdf"))
        return PictureFormat::Pdf;
    return std::nullopt;
}

QString pictureFileName(const QString &typedName, const QString &chosenType)
{
    if (pictureFormatFor(typedName))
        return typedName;
    static const QRegularExpression firstExtension(QStringLiteral("\\*(\\.\\w+)"));
    return typedName + firstExtension.match(chosenType).captured(1);
}

QImage graphImage(const GraphPicture &picture, double devicePixelRatio)
{
    const double pixelsPerTwip = screenDotsPerInch / twipsPerInch;
    const int pixels = std::max(1, int(std::ceil(picture.side * pixelsPerTwip * devicePixelRatio)));
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    const int dotsPerMeter = int(std::lround(screenDotsPerInch * devicePixelRatio / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    draw(picture, painter, pixelsPerTwip, 0);
    return image;
}

bool saveGraphPicture(const GraphPicture &picture, const QString &fileName)
{
    const std::optional<PictureFormat> format = pictureFormatFor(fileName);
    if (!format)
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = false;
    switch (*format) {
    case PictureFormat::Png:
        written = graphImage(picture, 2).save(&file, "PNG");
        break;
    case PictureFormat::Svg:
        written = writeSvg(picture, file);
        break;
    case PictureFormat::Pdf:
        written = writePdf(picture, file);
        break;
    }
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
