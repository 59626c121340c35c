// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "canvas/imagesurface.h"

#include "canvas/twips.h"

#include <cmath>

ImageSurface::ImageSurface(const QColor &background, const QPalette &palette)
    : PainterSurface(palette), m_background(background)
{
}

ImageSurface::~ImageSurface()
{
    m_painter.reset(); // the painter must end before its image goes
}

void ImageSurface::setSize(float widthTwips, float heightTwips, double dotsPerInch,
                           double devicePixelRatio)
{
    m_painter.reset();
    m_width = widthTwips;
    m_height = heightTwips;
    m_dotsPerInch = dotsPerInch;
    // The image holds one pixel per device pixel; the painter draws in logical pixels and the
    // image's ratio scales them, fonts included.
    const double pixelsPerTwip = dotsPerInch / twipsPerInch;
    const int width = std::max(1, int(std::ceil(widthTwips * pixelsPerTwip * devicePixelRatio)));
    const int height = std::max(1, int(std::ceil(heightTwips * pixelsPerTwip * devicePixelRatio)));
    m_image = QImage(width, height, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(devicePixelRatio);
    const int dotsPerMeter = int(std::lround(dotsPerInch / 0.0254));
    m_image.setDotsPerMeterX(dotsPerMeter);
    m_image.setDotsPerMeterY(dotsPerMeter);
    m_image.fill(m_background);
    m_painter = std::make_unique<QPainter>(&m_image);
    attachPainter(m_painter.get(), pixelsPerTwip, 0);
    forgetDrawing();
}

void ImageSurface::setDevicePixelRatio(double devicePixelRatio)
{
    if (devicePixelRatio == m_image.devicePixelRatio())
        return;
    const CompactDrawing picture = drawing();
    const OperationLog exactLog = log();
    setSize(m_width, m_height, m_dotsPerInch, devicePixelRatio);
    redraw(picture, exactLog);
}

void ImageSurface::clear()
{
    m_image.fill(m_background);
    forgetDrawing();
}

const QImage &ImageSurface::image()
{
    drawPendingLines();
    return m_image;
}
