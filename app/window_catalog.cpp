#include "window_catalog.h"

#include "about_box.h"
#include "basics_window.h"
#include "bench_window.h"
#include "boundary_window.h"
#include "depth_window.h"
#include "instructions_viewer.h"
#include "plane_mirror_window.h"
#include "prism_spectrum_window.h"
#include "prism_window.h"
#include "rainbow_colours_window.h"
#include "rainbow_window.h"
#include "ray_diagram_window.h"
#include "window_registry.h"

#include <QtGlobal>

namespace lumenary
{

const std::vector<LabEntry>& labTable()
{
    using enum LaunchPlace;
    // Captions are marked for translation in the launcher's context, which translates them.
    static const std::vector<LabEntry> table{
        {"PlaneMirror",
         "Plane",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Plane Mirrors"),
         Button,
         {2340, 2445},
         createPlaneMirrorWindow},
        {"Concave",
         "ConcaveMirror",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Concave Mirrors"),
         Button,
         {525, 3240},
         createConcaveWindow},
        {"Convex",
         "ConvexMirror",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Convex Mirrors"),
         Button,
         {2340, 3240},
         createConvexWindow},
        {"Depth",
         "Refract",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Apparent Depth"),
         Button,
         {5205, 3375},
         createDepthWindow},
        {"ThinLens",
         "converge",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Thin Lenses"),
         Button,
         {5205, 4170},
         createThinLensWindow},
        {"Basics",
         "Diverge",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "The Basics"),
         Button,
         {525, 2445},
         createBasicsWindow},
        {"Prism",
         "PrismPlotter",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Prism"),
         Button,
         {7020, 3375},
         createPrismWindow},
        {"Rainbow",
         "Sphere",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Sphere"),
         Button,
         {7020, 4170},
         createRainbowWindow},
        {"frmAbout",
         "about",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "About"),
         Menu,
         {},
         createAboutBox},
        {"LumenaryDoc",
         "Instruct",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Instructions"),
         Menu,
         {},
         createInstructionsViewer},
        {"PrismSpectrum",
         "PrismSpectrum",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Prism Spectrum"),
         Explore,
         {},
         createPrismSpectrumWindow},
        {"RainbowColours",
         "RainbowColours",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Rainbow Colours"),
         Explore,
         {},
         createRainbowColoursWindow},
        {"Boundary",
         "Boundary",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Light at a Boundary"),
         Explore,
         {},
         createBoundaryWindow},
        {"OpticalBench",
         "OpticalBench",
         QT_TRANSLATE_NOOP("lumenary::Launcher", "Optical Bench"),
         Explore,
         {},
         bench::createBenchWindow},
    };
    return table;
}

void registerWindows(WindowRegistry& registry)
{
    for (const LabEntry& entry : labTable())
        registry.add(QString::fromLatin1(entry.window), entry.createWindow);
}

} // namespace lumenary
