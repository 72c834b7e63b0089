#include "window_catalog.h"

#include "about_box.h"
#include "basics_window.h"
#include "depth_window.h"
#include "instructions_viewer.h"
#include "plane_mirror_window.h"
#include "prism_window.h"
#include "rainbow_colours_window.h"
#include "rainbow_window.h"
#include "ray_diagram_window.h"
#include "window_registry.h"

namespace lumenary
{

void registerWindows(WindowRegistry& registry)
{
    registry.add(QStringLiteral("ThinLens"), [] { return createThinLensWindow(); });
    registry.add(QStringLiteral("Concave"), [] { return createConcaveWindow(); });
    registry.add(QStringLiteral("Convex"), [] { return createConvexWindow(); });
    registry.add(QStringLiteral("Prism"), [] { return createPrismWindow(); });
    registry.add(QStringLiteral("Basics"), [] { return createBasicsWindow(); });
    registry.add(QStringLiteral("Depth"), [] { return createDepthWindow(); });
    registry.add(QStringLiteral("Rainbow"), [] { return createRainbowWindow(); });
    registry.add(QStringLiteral("PlaneMirror"), [] { return createPlaneMirrorWindow(); });
    registry.add(QStringLiteral("frmAbout"), [] { return createAboutBox(); });
    registry.add(QStringLiteral("LumenaryDoc"), [] { return createInstructionsViewer(); });
    registry.add(QStringLiteral("RainbowColours"), [] { return createRainbowColoursWindow(); });
}

} // namespace lumenary
