// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

#include "canvas/paintersurface.h"

#include <QImage>
#include <QPainter>

#include <memory>

// A drawing surface kept in an image: what is drawn stays until cleared, and a window repaints it
// from memory. The image has one pixel per device pixel, so it stays crisp on high-DPI screens.
class ImageSurface : public PainterSurface
{
public:
    ImageSurface(const QColor &background, const QPalette &palette);
    ~ImageSurface() override;

    // Gives the surface a size in twips; the image is made anew, cleared to the background.
    void setSize(float widthTwips, float heightTwips, double dotsPerInch, double devicePixelRatio);

    // Makes the image anew for a screen of another pixel density, with the same picture on it.
    void setDevicePixelRatio(double devicePixelRatio);

    // The picture, with every operation so far drawn on it.
    const QImage &image();

    void clear() override;
    float widthInTwips() const override { return m_width; }
    float heightInTwips() const override { return m_height; }

private:
    QColor m_background;
    float m_width = 0;
    float m_height = 0;
    double m_dotsPerInch = 96;
    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
};
