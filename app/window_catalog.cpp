#include "window_catalog.h"

#include "about_box.h"
#include "basics_window.h"
#include "bench_window.h"
#include "depth_window.h"
#include "instructions_viewer.h"
#include "plane_mirror_window.h"
#include "prism_spectrum_window.h"
#include "prism_window.h"
#include "rainbow_colours_window.h"
#include "rainbow_window.h"
#include "ray_diagram_window.h"
#include "window_registry.h"

namespace lumenary
{

const std::vector<LabEntry>& labTable()
{
    using enum LaunchPlace;
    static const std::vector<LabEntry> table{
        {"PlaneMirror", "Plane", "Plane Mirrors", Button, {2340, 2445}, createPlaneMirrorWindow},
        {"Concave", "ConcaveMirror", "Concave Mirrors", Button, {525, 3240}, createConcaveWindow},
        {"Convex", "ConvexMirror", "Convex Mirrors", Button, {2340, 3240}, createConvexWindow},
        {"Depth", "Refract", "Apparent Depth", Button, {5205, 3375}, createDepthWindow},
        {"ThinLens", "converge", "Thin Lenses", Button, {5205, 4170}, createThinLensWindow},
        {"Basics", "Diverge", "The Basics", Button, {525, 2445}, createBasicsWindow},
        {"Prism", "PrismPlotter", "Prism", Button, {7020, 3375}, createPrismWindow},
        {"Rainbow", "Sphere", "Sphere", Button, {7020, 4170}, createRainbowWindow},
        {"frmAbout", "about", "About", Menu, {}, createAboutBox},
        {"LumenaryDoc", "Instruct", "Instructions", Menu, {}, createInstructionsViewer},
        {"PrismSpectrum",
         "PrismSpectrum",
         "Prism Spectrum",
         Explore,
         {},
         createPrismSpectrumWindow},
        {"RainbowColours",
         "RainbowColours",
         "Rainbow Colours",
         Explore,
         {},
         createRainbowColoursWindow},
        {"OpticalBench", "OpticalBench", "Optical Bench", Explore, {}, bench::createBenchWindow},
    };
    return table;
}

void registerWindows(WindowRegistry& registry)
{
    for (const LabEntry& entry : labTable())
        registry.add(QString::fromLatin1(entry.window), entry.createWindow);
}

} // namespace lumenary
