// Any bytes as a scene file: a refusal with a place and a message, or a scene that writes back to
// the same scene and traces (cut and resumed, then moved and traced again) without a
// non-finite number anywhere.
#include "readouts.h"
#include "scene_file.h"
#include "surfaces.h"
#include "trace_report.h"
#include "tracer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace lumenary;
using namespace lumenary::bench;

namespace
{

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool finite(Vec2 p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

void checkTrace(const Tracer& t)
{
    for (const TracedPath& p : t.paths()) {
        for (const TraceSegment& s : p.segments)
            require(finite(s.from) && finite(s.to) && std::isfinite(s.intensity));
        for (const DetectorHit& h : p.hits)
            require(std::isfinite(h.position) && std::isfinite(h.direction));
    }
}

// The same segments and hits, bit for bit.
bool same(const Tracer& a, const Tracer& b)
{
    if (a.paths().size() != b.paths().size())
        return false;
    for (std::size_t i = 0; i < a.paths().size(); ++i) {
        const auto& p = a.paths()[i];
        const auto& q = b.paths()[i];
        if (p.segments.size() != q.segments.size() || p.hits.size() != q.hits.size())
            return false;
        for (std::size_t k = 0; k < p.segments.size(); ++k)
            if (!(p.segments[k].to == q.segments[k].to) ||
                p.segments[k].intensity != q.segments[k].intensity)
                return false;
        for (std::size_t k = 0; k < p.hits.size(); ++k)
            if (p.hits[k].position != q.hits[k].position)
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SceneReading r = readScene(bytes);
    if (!r.scene) {
        require(!r.error.message.empty());
        require(errorLine("scene", r.error).find('\n') == std::string::npos);
        return 0;
    }
    const SceneReading again = readScene(writeScene(*r.scene));
    require(again.scene && *again.scene == *r.scene);

    // The file may ask for seconds of tracing; a few thousand segments try every surface.
    Scene scene = *r.scene;
    scene.maxSegments = std::min<std::int64_t>(scene.maxSegments, 4000);
    Tracer whole;
    whole.setScene(scene);
    whole.run();
    checkTrace(whole);
    Tracer pieces;
    pieces.setScene(scene);
    while (!pieces.run(700)) {
    }
    require(same(pieces, whole));
    for (const Element& e : scene.elements)
        (void)elementReadouts(scene, e);
    (void)traceReport(whole);

    // Move the last element and trace again from what was kept.
    if (!scene.elements.empty()) {
        std::visit(
            [](auto& s) {
                if constexpr (requires { s.from; })
                    s.from.x += 0.5;
                else if constexpr (requires { s.at; })
                    s.at.y += 0.5;
            },
            scene.elements.back().shape);
        whole.setScene(scene);
        whole.run();
        checkTrace(whole);
        Tracer fresh;
        fresh.setScene(scene);
        fresh.run();
        require(same(whole, fresh));
    }
    return 0;
}
