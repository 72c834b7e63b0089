#include "window_catalog.h"

#include "rainbow_window.h"
#include "ray_diagram_window.h"
#include "window_registry.h"

namespace lumenary {

void registerWindows(WindowRegistry& registry)
{
    registry.add(QStringLiteral("ThinLens"), [] { return createThinLensWindow(); });
    registry.add(QStringLiteral("Rainbow"), [] { return createRainbowWindow(); });
}

} // namespace lumenary
