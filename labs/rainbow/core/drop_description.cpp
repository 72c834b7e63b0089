#include "drop_description.h"

#include "spoken.h"

namespace lumenary::drop
{

std::string describeDrop(const std::optional<DropPath>& path, double height, bool denserDrop,
                         char decimalPoint)
{
    const auto n = [&](double v) { return spokenNumber(v, decimalPoint); };
    if (!path)
        return "No ray traced at height " + n(height) +
               (denserDrop ? ": the number of internal reflections is not usable."
                           : ": the drop must be optically denser than its surroundings.");
    const std::int64_t reflections = path->chords > 0 ? path->chords - 1 : 0;
    return "Ray at height " + n(path->height) + " enters the drop at " + n(path->incidence) +
           " degrees, refracts to " + n(path->refraction) + " degrees, is reflected " +
           std::to_string(reflections) + (reflections == 1 ? " time" : " times") +
           " inside and leaves deviated by " + n(path->deviation) + " degrees.";
}

} // namespace lumenary::drop
