#include "drop_description.h"

#include "spoken.h"
#include "wording.h"

namespace lumenary::drop
{

std::string describeDrop(const std::optional<DropPath>& path, double height, bool denserDrop,
                         char decimalPoint)
{
    const auto n = [&](double v) { return spokenNumber(v, decimalPoint); };
    if (!path)
        return fillIn(denserDrop ? translate("lumenary::DropDescription",
                                             "No ray traced at height %1: the number of "
                                             "internal reflections is not usable.")
                                 : translate("lumenary::DropDescription",
                                             "No ray traced at height %1: the drop must "
                                             "be optically denser than its "
                                             "surroundings."),
                      {n(height)});
    const std::int64_t reflections = path->chords > 0 ? path->chords - 1 : 0;
    return fillIn(reflections == 1
                      ? translate("lumenary::DropDescription",
                                  "Ray at height %1 enters the drop at %2 degrees, "
                                  "refracts to %3 degrees, is reflected %4 time inside "
                                  "and leaves deviated by %5 degrees.")
                      : translate("lumenary::DropDescription",
                                  "Ray at height %1 enters the drop at %2 degrees, "
                                  "refracts to %3 degrees, is reflected %4 times inside "
                                  "and leaves deviated by %5 degrees."),
                  {n(path->height), n(path->incidence), n(path->refraction),
                   std::to_string(reflections), n(path->deviation)});
}

} // namespace lumenary::drop
