#include "window_catalog.h"

#include "about_box.h"
#include "instructions_viewer.h"
#include "ray_diagram_window.h"
#include "window_registry.h"

namespace lumenary
{

void registerWindows(WindowRegistry& registry)
{
    registry.add(QStringLiteral("ThinLens"), [] { return createThinLensWindow(); });
    registry.add(QStringLiteral("frmAbout"), [] { return createAboutBox(); });
    registry.add(QStringLiteral("LumenaryDoc"), [] { return createInstructionsViewer(); });
}

} // namespace lumenary
