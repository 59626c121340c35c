#include "canvas/worldframe.h"

#include "canvas/drawingsurface.h"

WorldFrame WorldFrame::onSurface(const DrawingSurface &surface, double scale)
{
    return WorldFrame(double(surface.Width()) - 10, double(surface.Height()) - 10, scale);
}
