#include "render_scale.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lumenary
{

RenderScale renderScale(const QPainter& painter, QSizeF logical)
{
    RenderScale r;
    // The device transform holds the painter's own scale and the device-pixel ratio.
    const QTransform t = painter.deviceTransform();
    double scale = std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintEngine::Type type = engine ? engine->type() : QPaintEngine::Raster;
    r.vector = type != QPaintEngine::Raster && type != QPaintEngine::OpenGL &&
               type != QPaintEngine::OpenGL2;
    if (r.vector) {
        const QPaintDevice* device = painter.device();
        const double dpi = device ? device->logicalDpiX() : 96.0;
        if (dpi > 0.0)
            scale *= kPrintDotsPerInch / dpi;
    }
    if (!std::isfinite(scale) || scale < 1.0)
        scale = 1.0;
    const double w = std::max(logical.width(), 0.0);
    const double h = std::max(logical.height(), 0.0);
    if (w * h * scale * scale > kMaxRenderPixels)
        scale = std::max(1.0, std::sqrt(kMaxRenderPixels / std::max(w * h, 1.0)));
    r.scale = scale;
    r.pixels =
        QSize(static_cast<int>(std::lround(w * scale)), static_cast<int>(std::lround(h * scale)));
    return r;
}

} // namespace lumenary
