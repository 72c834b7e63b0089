#include "window_catalog.h"

#include "plane_mirror_window.h"
#include "ray_diagram_window.h"
#include "window_registry.h"

namespace lumenary {

void registerWindows(WindowRegistry& registry)
{
    registry.add(QStringLiteral("ThinLens"), [] { return createThinLensWindow(); });
    registry.add(QStringLiteral("PlaneMirror"), [] { return createPlaneMirrorWindow(); });
}

} // namespace lumenary
