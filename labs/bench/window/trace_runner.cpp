#include "trace_runner.h"

#include "heap_trim.h"

namespace lumenary::bench
{

namespace
{

// Segments traced between two looks at the clock: about a tenth of a millisecond's work.
constexpr std::int64_t kSegmentsPerLook = 2000;
// A trace is many small blocks. When traces holding more than this in all have been dropped, the
// heap's freed pages go back to the system as the next trace ends, at most every kTrimEveryMs
// (a drag drops a trace each frame), so that resident memory follows the scene shown rather
// than the largest one ever traced.
constexpr std::size_t kTrimAfterBytes = 1 << 20;
constexpr int kTrimEveryMs = 250;

} // namespace

TraceRunner::TraceRunner(QObject* parent) : QObject(parent)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &TraceRunner::idlePass);
    m_trim.setSingleShot(true);
    connect(&m_trim, &QTimer::timeout, this, &TraceRunner::trimWhenDone);
}

void TraceRunner::trimWhenDone()
{
    if (m_freedSinceTrim <= kTrimAfterBytes || !m_tracer.finished())
        return;
    const qint64 since = m_sinceTrim.isValid() ? m_sinceTrim.elapsed() : kTrimEveryMs;
    if (since < kTrimEveryMs) {
        if (!m_trim.isActive())
            m_trim.start(int(kTrimEveryMs - since));
        return;
    }
    trimHeap();
    m_freedSinceTrim = 0;
    m_sinceTrim.restart();
}

std::size_t TraceRunner::heldBytes() const
{
    constexpr std::size_t kBlock = 32; // a heap block's upkeep
    const auto& paths = m_tracer.paths();
    std::size_t bytes = paths.capacity() * sizeof(TracedPath);
    for (const TracedPath& p : paths)
        bytes += p.segments.capacity() * sizeof(TraceSegment) +
                 p.hits.capacity() * sizeof(DetectorHit) + 2 * kBlock;
    return bytes;
}

void TraceRunner::setScene(const Scene& scene)
{
    const std::size_t before = heldBytes();
    m_tracer.setScene(scene);
    const std::size_t after = heldBytes();
    m_freedSinceTrim += before > after ? before - after : 0;
    if (!runFor(kFrameShare))
        m_idle.start();
    trimWhenDone();
    emit progressed(true);
}

bool TraceRunner::runFor(std::chrono::microseconds budget)
{
    const auto start = std::chrono::steady_clock::now();
    while (!m_tracer.run(kSegmentsPerLook))
        if (std::chrono::steady_clock::now() - start >= budget)
            return false;
    return true;
}

void TraceRunner::finish()
{
    m_idle.stop();
    if (!m_tracer.finished()) {
        m_tracer.run();
        emit progressed(false);
    }
}

void TraceRunner::idlePass()
{
    if (!runFor(kFrameShare))
        m_idle.start();
    trimWhenDone();
    emit progressed(false);
}

} // namespace lumenary::bench
