#include "trace_runner.h"

namespace lumenary::bench
{

namespace
{

// Segments traced between two looks at the clock: about a tenth of a millisecond's work.
constexpr std::int64_t kSegmentsPerLook = 2000;

} // namespace

TraceRunner::TraceRunner(QObject* parent) : QObject(parent)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &TraceRunner::idlePass);
}

void TraceRunner::setScene(const Scene& scene)
{
    m_tracer.setScene(scene);
    if (!runFor(kFrameShare))
        m_idle.start();
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
    emit progressed(false);
}

} // namespace lumenary::bench
